#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's packages.
# Does nothing when all of it is already there.
set -euo pipefail

# wine64 and the x86-64 compilers serve machines that cannot run 32-bit
# programs: the tests then run the 64-bit build of the same sources.
packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32 xvfb
          xdotool imagemagick fonts-ipafont-gothic locales cmake g++ make
          googletest libgtest-dev python3 fonts-wine
          wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)

without_wine32() {
  local p; for p in "${packages[@]}"; do [ "$p" = wine32 ] || echo "$p"; done
}
# A kernel that cannot run 32-bit programs has no use for wine32.
if [ -e /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  mapfile -t packages < <(without_wine32)
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
dpkg --print-foreign-architectures | grep -qx i386 || missing+=(i386-arch)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo dpkg --add-architecture i386
  # A mirror caught mid-sync fails one index now and then: retry, and go on
  # with what was fetched when the packages can still be had.
  for attempt in 1 2 3; do
    $sudo apt-get update -q && break
    echo "setup: package index incomplete (attempt $attempt)"; sleep 10
  done
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${packages[@]}"; then
    # The i386 packages can be out of step with the amd64 ones while a mirror
    # syncs. Without wine32 the tests run the 64-bit build under wine64.
    echo "setup: installing without wine32"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $(without_wine32)
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
