list(APPEND ZV_UNIT_TESTS tests/unit/bounded_text_test.cpp tests/unit/path_text_test.cpp
     tests/unit/run_mode_test.cpp tests/unit/settings_text_test.cpp tests/unit/fuzz_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/harness.cpp tests/wine/settings_file_test.cpp
     tests/wine/startup_test.cpp)
list(APPEND ZV_UNIT_TESTS tests/unit/centre_window_test.cpp tests/unit/shortcut_path_text_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/shortcut_support.cpp tests/wine/shortcut_writer_test.cpp
     tests/wine/shortcut_page_test.cpp tests/wine/about_box_test.cpp)
# Loaded into the program by the About box's tests to read its fonts there.
if(WIN32)
  add_library(font_probe MODULE tests/wine/font_probe.cpp)
  set_target_properties(font_probe PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(font_probe PRIVATE -static-libgcc -static-libstdc++)
  target_link_libraries(font_probe PRIVATE user32 gdi32)
endif()
