# The libFuzzer targets over the portable core (scripts/fuzz.sh): built with
# clang, -DZV_FUZZ=ON, in a folder of their own. Each tests/fuzz/<rule>_fuzz.cpp
# is one target, linked with the same core sources as the program.
set(ZV_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(-O1 -g -Wall -Wextra ${ZV_FUZZ_FLAGS})

add_library(zolvane_core_fuzz STATIC ${ZV_CORE_SOURCES})
target_compile_options(zolvane_core_fuzz PRIVATE -fsanitize=fuzzer-no-link -fno-exceptions
                       -fno-rtti)

file(GLOB ZV_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${ZV_FUZZ_TARGETS})
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE zolvane_core_fuzz)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer ${ZV_FUZZ_FLAGS})
endforeach()
