#!/usr/bin/env bash
# Runs a command inside a fresh Wine prefix with a Japanese locale (ANSI code
# page 932), an Xvfb display, Japanese fonts, and drive D: mapped to a folder
# that the tests fill as the "disc". Everything is removed afterwards.
#   scripts/wine-session.sh wine build/wine_tests.exe --gtest_filter=...
# ZV_KEEP_PREFIX=1 keeps the prefix; ZV_DESKTOP=1 runs inside a virtual desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# The 32-bit Wine loader; a "wine" shim on PATH runs it, so that commands
# given to this script can simply say "wine".
export WINEARCH=win32 ZV_WINE=/usr/lib/wine/wine
shim=$(mktemp -d /tmp/zolvane-shim.XXXXXX)
printf '#!/bin/sh\nexec "%s" "$@"\n' "$ZV_WINE" > "$shim/wine"
chmod +x "$shim/wine"
export PATH="$shim:$PATH"
export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/zolvane-wine.XXXXXX)}
export ZV_DISC=${ZV_DISC:-$WINEPREFIX/disc}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

display=""
xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$shim"
  # A simulated disc still mounted below the prefix or over the disc folder
  # would be emptied through the mount, or hang the removal.
  awk -v p="$WINEPREFIX/" -v d="$ZV_DISC/" '$3 ~ /^fuse/ &&
      (index($2 "/", p) == 1 || index($2 "/", d) == 1) {print $2}' /proc/mounts |
    sort -r | while read -r m; do fusermount3 -uz "$m" || true; done
  [ "${ZV_KEEP_PREFIX:-}" = 1 ] || rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ "${ZV_OWN_DISPLAY:-1}" = 1 ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    display=":$n"
    break
  done
  export DISPLAY=$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
fi

wine wineboot -i >/dev/null 2>&1
wineserver -w
# Drive D: must exist before the next Wine session starts: a drive letter
# added while one runs is not reported by GetLogicalDrives.
mkdir -p "$ZV_DISC"
ln -sfn "$ZV_DISC" "$WINEPREFIX/dosdevices/d:"
# regedit reads a REGEDIT4 file in the ANSI code page, which would garble the
# UTF-8 of the Japanese font names: hand it the file as UTF-16 instead.
{ printf '\xff\xfe'; sed '1s/^REGEDIT4/Windows Registry Editor Version 5.00/' "$here/wine-fonts.reg" |
  iconv -f UTF-8 -t UTF-16LE; } > "$WINEPREFIX/fonts.reg"
wine regedit "$WINEPREFIX/fonts.reg" >/dev/null 2>&1
# Wine draws the caption buttons with its own Marlett font (fonts-wine), but
# reads it only from the prefix's Fonts folder, not from where Debian puts it:
# without it the close box shows the letter "r" instead of a cross.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# A virtual desktop draws Wine's own window captions, for screenshots.
if [ "${ZV_DESKTOP:-}" = 1 ]; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
fi

status=0
"$@" || status=$?
exit $status
