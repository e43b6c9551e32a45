# The portable core built natively, unit-tested under AddressSanitizer and
# UndefinedBehaviorSanitizer.
find_package(GTest REQUIRED)
include(GoogleTest)

set(ZV_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(-O1 -g -Wall -Wextra ${ZV_SANITIZE} -finput-charset=UTF-8
                    -fexec-charset=CP932)
add_link_options(${ZV_SANITIZE})

add_library(zolvane_core STATIC ${ZV_CORE_SOURCES})
target_compile_options(zolvane_core PRIVATE -fno-exceptions -fno-rtti)

add_executable(unit_tests ${ZV_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE zolvane_core GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

# The committed icons are what their generator draws.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  add_test(NAME icons_match_generator
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/src/res/icons/make_icons.py --check)
  # The release zip of scripts/package.sh, built from the Windows program.
  add_test(NAME release_package
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/package/package_test.py)
  # The Debian archive that set-up reads from apt's sources.
  add_test(NAME debian_archive
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/setup/debian_archive_test.py)
endif()
