# The Windows program zolvane.exe and the test programs that run under Wine.
enable_language(RC)
enable_language(C)

# Japanese literals stay UTF-8 in the sources; the program holds them as
# code page 932, the system code page it runs under.
set(ZV_WIN32_DEFS WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 STRICT
    NOMINMAX WIN32_LEAN_AND_MEAN)
set(ZV_CXX_FLAGS -Os -Wall -Wextra -fexec-charset=CP932)
# The program's code is optimised for size across its files at the link
# (fat objects: the test programs link the same libraries without it).
set(ZV_PROGRAM_FLAGS ${ZV_CXX_FLAGS} -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -flto -ffat-lto-objects)
set(ZV_LINK_FLAGS -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,4,--minor-subsystem-version,0)
set(ZV_SYSTEM_LIBS comctl32 comdlg32 shell32 ole32 uuid gdi32 user32 advapi32 kernel32)

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_library(zolvane_core STATIC ${ZV_CORE_SOURCES})
add_library(zolvane_glue STATIC ${ZV_WIN32_SOURCES})
foreach(lib zolvane_core zolvane_glue)
  target_compile_options(${lib} PRIVATE ${ZV_PROGRAM_FLAGS})
  target_compile_definitions(${lib} PRIVATE ${ZV_WIN32_DEFS})
endforeach()

add_executable(zolvane WIN32 src/app/main.cpp ${ZV_RESOURCES})
target_compile_options(zolvane PRIVATE ${ZV_PROGRAM_FLAGS})
target_compile_definitions(zolvane PRIVATE ${ZV_WIN32_DEFS})
target_link_libraries(zolvane PRIVATE zolvane_glue zolvane_core ${ZV_SYSTEM_LIBS})
target_link_options(zolvane PRIVATE ${ZV_LINK_FLAGS} -Os -flto -s -Wl,--gc-sections)

# GoogleTest for Windows, from Debian's googletest sources.
set(GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest_win32 STATIC ${GTEST_SRC}/src/gtest-all.cc ${GTEST_SRC}/src/gtest_main.cc)
target_include_directories(gtest_win32 PUBLIC ${GTEST_SRC}/include PRIVATE ${GTEST_SRC})
target_compile_options(gtest_win32 PRIVATE -O1 -w)

if(ZV_WINE_TESTS)
  add_executable(wine_tests ${ZV_WINE_TESTS})
  target_compile_options(wine_tests PRIVATE ${ZV_CXX_FLAGS} -O1)
  target_compile_definitions(wine_tests PRIVATE ${ZV_WIN32_DEFS})
  target_link_libraries(wine_tests PRIVATE gtest_win32 zolvane_glue zolvane_core
                        ${ZV_SYSTEM_LIBS} psapi)
  target_link_options(wine_tests PRIVATE ${ZV_LINK_FLAGS})
  add_dependencies(wine_tests zolvane)
  # One CTest entry: the GoogleTest program reports every case itself.
  add_test(NAME wine_tests COMMAND wine_tests)
  # The simulated disc's file system, which the tests mount over D:.
  configure_file(tests/wine/simulated_disc.py ${CMAKE_BINARY_DIR}/simulated_disc.py COPYONLY)
  # Programs that the copy-run tests start: a recorder of its own command
  # line, and a window that logs the end of the session.
  foreach(helper record_args end_session_watch)
    add_executable(${helper} WIN32 tests/wine/${helper}.cpp)
    target_compile_options(${helper} PRIVATE ${ZV_CXX_FLAGS})
    target_compile_definitions(${helper} PRIVATE ${ZV_WIN32_DEFS})
    target_link_options(${helper} PRIVATE ${ZV_LINK_FLAGS} -s)
    add_dependencies(wine_tests ${helper})
  endforeach()
endif()

# Baseline for the start-up benchmark: an empty program built the same way.
add_executable(do_nothing WIN32 tests/bench/do_nothing.cpp)
target_compile_options(do_nothing PRIVATE ${ZV_PROGRAM_FLAGS})
target_link_options(do_nothing PRIVATE ${ZV_LINK_FLAGS} -s)

if(ZV_WINE_TESTS)
  # The version block is read through the system's reader as well.
  target_link_libraries(wine_tests PRIVATE version)
  # A dialog template of zolvane.exe on its own, for screenshots.
  add_executable(show_template WIN32 tests/wine/show_template.cpp)
  target_compile_options(show_template PRIVATE ${ZV_CXX_FLAGS})
  target_compile_definitions(show_template PRIVATE ${ZV_WIN32_DEFS})
  target_link_libraries(show_template PRIVATE comctl32 gdi32 user32 kernel32)
  target_link_options(show_template PRIVATE ${ZV_LINK_FLAGS})
  add_dependencies(show_template zolvane)

  # Selects a tab of the running sheet, for screenshots of its pages.
  add_executable(sheet_tab tests/wine/sheet_tab.cpp)
  target_compile_options(sheet_tab PRIVATE ${ZV_CXX_FLAGS})
  target_compile_definitions(sheet_tab PRIVATE ${ZV_WIN32_DEFS})
  target_link_libraries(sheet_tab PRIVATE user32 kernel32)
  target_link_options(sheet_tab PRIVATE ${ZV_LINK_FLAGS})
endif()
# For the copy benchmark: the folder-name search timed over real folders, the
# catalogue's lookup, and the bare shell copy that a copy run is measured
# against.
foreach(bench free_name_bench catalog_bench bare_copy)
  add_executable(${bench} tests/bench/${bench}.cpp)
  target_compile_options(${bench} PRIVATE ${ZV_PROGRAM_FLAGS})
  target_compile_definitions(${bench} PRIVATE ${ZV_WIN32_DEFS})
  target_link_libraries(${bench} PRIVATE zolvane_glue zolvane_core ${ZV_SYSTEM_LIBS})
  target_link_options(${bench} PRIVATE ${ZV_LINK_FLAGS} -s)
endforeach()
target_sources(bare_copy PRIVATE tests/bench/bare_copy.rc)

if(ZV_WINE_TESTS)
  # Loaded into zolvane.exe by the About box's tests, to read its fonts inside
  # the program (a font handle cannot be read from another process).
  add_library(font_probe MODULE tests/wine/font_probe.cpp)
  set_target_properties(font_probe PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_compile_options(font_probe PRIVATE ${ZV_CXX_FLAGS})
  target_compile_definitions(font_probe PRIVATE ${ZV_WIN32_DEFS})
  target_link_libraries(font_probe PRIVATE gdi32 user32 kernel32)
  # Exports keep their plain names (no @n of the 32-bit stdcall decoration),
  # so that the tests find them by name.
  target_link_options(font_probe PRIVATE ${ZV_LINK_FLAGS} -Wl,--kill-at)
  add_dependencies(wine_tests font_probe)
endif()
