#!/usr/bin/env bash
# Builds Zolvane and starts it under Wine: the settings sheet opens.
# With a display (DISPLAY set) it runs there until you close the sheet.
# Without one it runs on a hidden Xvfb display, saves a screenshot of the
# sheet as build/zolvane-run.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export ZV_APP="$(pwd)/build/zolvane.exe" ZV_SHOT="$(pwd)/build/zolvane-run.png"
if [ -n "${DISPLAY:-}" ]; then
  ZV_OWN_DISPLAY=0 ZV_DESKTOP=1 scripts/wine-session.sh bash -c \
    'cp "$ZV_APP" "$WINEPREFIX/drive_c/zolvane.exe" && wine "C:\\zolvane.exe"'
else
  ZV_DESKTOP=1 scripts/wine-session.sh bash -c '
    cp "$ZV_APP" "$WINEPREFIX/drive_c/zolvane.exe"
    wine "C:\\zolvane.exe" &
    sleep 8; import -window root "$ZV_SHOT"; echo "screenshot: $ZV_SHOT"'
fi
