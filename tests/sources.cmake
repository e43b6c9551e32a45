list(APPEND ZV_UNIT_TESTS tests/unit/bounded_text_test.cpp tests/unit/path_text_test.cpp
     tests/unit/run_mode_test.cpp tests/unit/settings_text_test.cpp tests/unit/fuzz_test.cpp)
list(APPEND ZV_UNIT_TESTS tests/unit/page_values_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/harness.cpp tests/wine/settings_file_test.cpp
     tests/wine/startup_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/sheet_support.cpp tests/wine/settings_sheet_test.cpp
     tests/wine/folder_page_test.cpp tests/wine/options_page_test.cpp
     tests/wine/sheet_result_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/resource_reader.cpp tests/wine/resources_test.cpp)
list(APPEND ZV_UNIT_TESTS tests/unit/copy_text_test.cpp tests/unit/command_text_test.cpp
     tests/unit/copy_fuzz_test.cpp tests/unit/catalog_text_test.cpp tests/unit/check_text_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/copy_support.cpp tests/wine/copy_run_test.cpp
     tests/wine/catalog_test.cpp tests/wine/disc_loop_test.cpp tests/wine/verify_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/copy_switch_test.cpp tests/wine/end_of_copy_test.cpp)
list(APPEND ZV_UNIT_TESTS tests/unit/centre_window_test.cpp tests/unit/shortcut_path_text_test.cpp)
list(APPEND ZV_WINE_TESTS tests/wine/shortcut_support.cpp tests/wine/shortcut_writer_test.cpp
     tests/wine/shortcut_page_test.cpp tests/wine/about_box_test.cpp)
