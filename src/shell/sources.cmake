list(APPEND ZV_CORE_SOURCES src/shell/path_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/shell/path_services.cpp)
list(APPEND ZV_WIN32_SOURCES src/shell/shortcut_writer.cpp)
