#!/usr/bin/env bash
# Builds the program (build/zolvane.exe, 32-bit Windows) with the Windows
# test programs beside it, and the native core with its unit tests
# (build-native/).
set -euo pipefail
cd "$(dirname "$0")/.."

configure() {  # folder, cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
configure build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
configure build-native
