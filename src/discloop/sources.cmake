# The hands-free disc loop (keys Eject and AutoNext).
list(APPEND ZV_CORE_SOURCES src/discloop/disc_loop_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/discloop/eject_disc.cpp src/discloop/next_disc_dialog.cpp)
