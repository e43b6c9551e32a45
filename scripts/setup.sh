#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's packages,
# and, where the kernel cannot start 32-bit programs, an emulator that lets
# wine32 run. Does nothing when all of it is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# wine64 brings the native wineserver, which wine32 uses too; python3-fusepy
# and fuse3 serve the tests' simulated disc.
packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32 wine64 xvfb
          xdotool imagemagick fonts-ipafont-gothic locales cmake g++ make
          googletest libgtest-dev python3 clang libclang-rt-14-dev fonts-wine
          python3-fusepy fuse3)

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
  # A mirror caught mid-sync fails an index or an i386 package now and then:
  # retry, and go on with what was fetched when the packages can be had.
  for attempt in 1 2 3; do
    $sudo apt-get update -q && break
    echo "setup: package index incomplete (attempt $attempt)"; sleep 10
  done
  for attempt in 1 2 3; do
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${packages[@]}" && break
    [ "$attempt" = 3 ] && exit 1
    echo "setup: packages not installable yet (attempt $attempt)"; sleep 30
    $sudo apt-get update -q || true
  done
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

"$here/setup-i386-emulator.sh"
