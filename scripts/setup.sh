#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's packages.
# Does nothing when all of it is already there.
set -euo pipefail

# wine64 and the x86-64 compilers serve machines that cannot run 32-bit
# programs: the tests then run the 64-bit build of the same sources.
packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32 xvfb
          xdotool imagemagick fonts-ipafont-gothic locales cmake g++ make
          googletest libgtest-dev python3
          wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)

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
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${packages[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
