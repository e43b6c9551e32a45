list(APPEND ZV_WIN32_SOURCES src/copy/copy_run.cpp)
list(APPEND ZV_CORE_SOURCES src/copy/copy_text.cpp src/copy/command_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/copy/ask_user.cpp src/copy/destination.cpp
     src/copy/end_of_copy.cpp src/copy/shell_copy.cpp src/copy/shutdown_privilege.cpp
     src/copy/source_ready.cpp src/copy/volume_reader.cpp)
