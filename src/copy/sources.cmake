list(APPEND ZV_WIN32_SOURCES src/copy/copy_run.cpp)
list(APPEND ZV_CORE_SOURCES src/copy/copy_text.cpp src/copy/command_text.cpp)
# The archive catalogue (key Catalog).
list(APPEND ZV_CORE_SOURCES src/copy/catalog_text.cpp src/copy/tree_tally.cpp)
list(APPEND ZV_WIN32_SOURCES src/copy/catalog_file.cpp src/copy/catalog_pass.cpp
     src/copy/volume_identity.cpp)
# The hands-free disc loop (keys Eject and AutoNext).
list(APPEND ZV_CORE_SOURCES src/copy/disc_loop_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/copy/eject_disc.cpp src/copy/next_disc_dialog.cpp)
list(APPEND ZV_WIN32_SOURCES src/copy/ask_user.cpp src/copy/destination.cpp
     src/copy/end_of_copy.cpp src/copy/shell_copy.cpp src/copy/shutdown_privilege.cpp
     src/copy/source_ready.cpp)
