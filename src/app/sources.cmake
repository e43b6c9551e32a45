list(APPEND ZV_CORE_SOURCES src/app/bounded_text.cpp src/app/run_mode.cpp
     src/app/settings_text.cpp src/app/growing_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/app/startup.cpp src/app/settings_file.cpp
     src/app/hidden_settings.cpp)
# Window placement shared by the About box and the disc loop's dialog.
list(APPEND ZV_CORE_SOURCES src/app/centre_window_core.cpp)
list(APPEND ZV_WIN32_SOURCES src/app/centre_window.cpp)
