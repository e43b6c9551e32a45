list(APPEND ZV_WIN32_SOURCES src/ui/settings_sheet.cpp)
