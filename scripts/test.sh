#!/usr/bin/env bash
# Runs every test: the portable core natively under the sanitizers, briefly
# its fuzz targets, then the Windows program under Wine, driven by the test
# program wine_tests.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== no addresses in the project's files"
# Package sources come from the machine's apt: only the fixtures of that
# reading hold URIs. (The pattern is split so that this line does not match.)
if git grep -n -F ':''//' -- ':!tests/setup/debian_archive_test.py'; then
  echo "test: the files above hold addresses" >&2
  exit 1
fi
scripts/setup.sh
scripts/build.sh

echo "== portable core, native, AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build-native && ctest --output-on-failure)

echo "== portable core, fuzz targets, 10 seconds each"
scripts/fuzz.sh 10

echo "== Windows program under wine32 (32-bit programs: $(scripts/wine-mode.sh))"
scripts/wine-session.sh bash -c "cd build && ctest --output-on-failure --timeout 1500"
