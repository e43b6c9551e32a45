# The content check (key Verify): every copied file compared with the disc,
# and a checksum file beside the numbered folder.
list(APPEND ZV_CORE_SOURCES src/verify/check_text.cpp)
list(APPEND ZV_WIN32_SOURCES src/verify/md5_hash.cpp src/verify/file_compare.cpp
     src/verify/check_progress.cpp src/verify/check_pass.cpp)
