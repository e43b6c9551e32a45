list(APPEND ZV_WIN32_SOURCES src/copy/copy_run.cpp)
