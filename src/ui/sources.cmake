list(APPEND ZV_WIN32_SOURCES src/ui/settings_sheet.cpp)
list(APPEND ZV_CORE_SOURCES src/ui/centre_window_core.cpp)
list(APPEND ZV_WIN32_SOURCES src/ui/centre_window.cpp src/ui/about_box.cpp src/ui/shortcut_page.cpp)
list(APPEND ZV_CORE_SOURCES src/ui/shortcut_path_text.cpp)
