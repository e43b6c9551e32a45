list(APPEND ZV_CORE_SOURCES src/ui/page_values.cpp)
list(APPEND ZV_WIN32_SOURCES src/ui/settings_sheet.cpp src/ui/folder_page.cpp
     src/ui/options_page.cpp src/ui/page_controls.cpp src/ui/drive_list.cpp
     src/ui/program_picker.cpp src/ui/shortcut_page.cpp)
list(APPEND ZV_WIN32_SOURCES src/ui/about_box.cpp)
list(APPEND ZV_CORE_SOURCES src/ui/shortcut_path_text.cpp)
