#!/usr/bin/env bash
# Builds the program (build/zolvane.exe, 32-bit Windows), the native core with
# its unit tests (build-native/), and, on machines that cannot run 32-bit
# programs, the 64-bit test build of the same sources (build-win64/).
#   scripts/build.sh             build all that this machine needs
#   scripts/build.sh --test-dir  print the folder whose wine_tests.exe to run
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
mode=$(scripts/wine-mode.sh)
test_dir=build
[ "$mode" = win64 ] && test_dir=build-win64
if [ "${1:-}" = --test-dir ]; then echo "$root/$test_dir"; exit 0; fi

configure() {  # folder, cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
configure build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
configure build-native
[ "$mode" = win64 ] && configure build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
exit 0
