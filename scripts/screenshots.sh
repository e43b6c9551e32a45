#!/usr/bin/env bash
# Screenshots of Zolvane's windows under Wine, saved as PNG into docs/.
#   scripts/screenshots.sh                 every shot
#   scripts/screenshots.sh template-101    only the shots named
# Runs in a fresh Wine session with a virtual desktop (Wine's own captions),
# a Japanese locale and Japanese fonts (scripts/wine-session.sh). Each shot is
# a function: it starts a program, waits until the screen holds still, saves
# the window cut out of the desktop and ends the program. The icons themselves
# are drawn into docs/icons/ by src/res/icons/make_icons.py.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${ZV_SHOTS_SESSION:-}" ]; then
  scripts/build.sh >/dev/null
  ZV_SHOTS_SESSION=1 ZV_DESKTOP=1 exec scripts/wine-session.sh "$0" "$@"
fi

docs=$root/docs
tests_dir=$root/build
mkdir -p "$docs"

# The screen as a PNG file.
grab() { import -window root "$1"; }

# Size of what differs from the desktop background, "WxH".
content_size() { convert "$1" -trim -format '%wx%h' info: 2>/dev/null; }

# Waits until something is shown and two grabs in a row are the same; up to
# 20 s. Leaves the last grab in $1.
wait_still() {
  local file=$1 previous="$1.prev" size
  for _ in $(seq 40); do
    sleep 0.5
    grab "$file"
    size=$(content_size "$file")
    if [ "$size" != "1x1" ] && [ -f "$previous" ] && cmp -s <(convert "$file" rgb:-) <(convert "$previous" rgb:-); then
      rm -f "$previous"
      return 0
    fi
    cp "$file" "$previous"
  done
  rm -f "$previous"
  echo "screen did not settle for $file" >&2
  return 1
}

# Waits until the desktop is empty again.
wait_clear() {
  local file
  file=$(mktemp /tmp/zolvane-shot.XXXXXX.png)
  for _ in $(seq 40); do
    grab "$file"
    [ "$(content_size "$file")" = "1x1" ] && break
    sleep 0.25
  done
  rm -f "$file"
}

# shoot NAME COMMAND...: runs the Windows command, saves docs/NAME.png with
# the window trimmed out of the desktop, then ends the command.
shoot() {
  local name=$1; shift
  local raw pid
  raw=$(mktemp /tmp/zolvane-shot.XXXXXX.png)
  wait_clear
  "$@" >/dev/null 2>&1 &
  pid=$!
  if wait_still "$raw"; then
    convert "$raw" -trim +repage "$docs/$name.png"
    echo "docs/$name.png $(content_size "$raw")"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$raw"
}

# The build of zolvane.exe that runs on this machine (the 64-bit one where
# 32-bit programs cannot run), installed in a folder of its own with
# settings that show every part of the pages.
program='C:\Zolvane\zolvane.exe'
mkdir -p "$WINEPREFIX/drive_c/Zolvane"
cp "$tests_dir/zolvane.exe" "$WINEPREFIX/drive_c/Zolvane/"
printf '[General]\r\nFrom=D:\\\r\nTo=C:\\アーカイブ\\ディスク\r\nNumCount=3\r\nFlags=3\r\nExitMode=2\r\nExitFlags=4\r\nCommand=""C:\\Program Files\\Player\\play.exe" /list""\r\n' |
  iconv -f UTF-8 -t CP932 > "$WINEPREFIX/drive_c/Zolvane/zolvane.ini"

# The settings sheet opened on the page at tab index $1; with $2, that
# button of the page pressed.
sheet_page() {
  wine "$program" & 
  wine "$tests_dir/sheet_tab.exe" "$@"
  wait
}
# The program keeps running after its shot: end the whole session instead.
shot_page() { shoot "$1" sheet_page "$2"; wineserver -k; sleep 1; }

shot_folder_page() { shot_page folder-page 0; }
shot_options_page() { shot_page options-page 1; }
shot_shortcut_page() { shot_page shortcut-page 2; }
# The About box over the sheet, opened by the page's button.
shot_about_box() { shoot about-box sheet_page 2 1019; wineserver -k; sleep 1; }

# A copy run with AutoNext=1 in repeat mode, waiting for the next disc once
# it has copied a disc of one file.
next_disc_run() {
  local folder=$WINEPREFIX/drive_c/ZolvaneLoop
  mkdir -p "$folder"
  cp "$tests_dir/zolvane.exe" "$folder/"
  printf '[General]\r\nFrom=D:\\\r\nTo=C:\\Archive\r\nNumCount=3\r\nFlags=2\r\nAutoNext=1\r\n' > "$folder/zolvane.ini"
  echo "a disc" > "$ZV_DISC/disc.txt"
  (cd "$folder" && wine zolvane.exe /c)
}
shot_next_disc() { shoot next-disc next_disc_run; wineserver -k; sleep 1; }

# A copy run with Verify=1 while it checks the copy: the disc is the tests'
# simulated disc, whose reads are paced once the copy has landed, so that the
# check's window holds still.
check_progress_run() {
  local folder=$WINEPREFIX/drive_c/ZolvaneCheck faults=$WINEPREFIX/disc-faults.txt
  local copy="$WINEPREFIX/drive_c/Checked/001/写真/2024-夏.jpg"
  mkdir -p "$folder" "$ZV_DISC/写真"
  cp "$tests_dir/zolvane.exe" "$folder/"
  printf '[General]\r\nFrom=D:\\\r\nTo=C:\\Checked\r\nNumCount=3\r\nVerify=1\r\n' > "$folder/zolvane.ini"
  head -c 2000000 /dev/urandom > "$ZV_DISC/写真/2024-夏.jpg"
  : > "$faults"
  /usr/bin/python3 "$tests_dir/simulated_disc.py" "$ZV_DISC" "$faults" || return 0
  (cd "$folder" && wine zolvane.exe /c) &
  until [ "$(stat -c %s "$copy" 2>/dev/null)" = 2000000 ]; do sleep 0.02; done
  echo "rate 20000" > "$faults"
  wait
}
shot_check_progress() {
  shoot check-progress check_progress_run; wineserver -k; sleep 1
  fusermount3 -uz "$ZV_DISC" 2>/dev/null || true
}

# One dialog template of the program with a stand-in procedure.
shot_template() { shoot "template-$1" wine "$tests_dir/show_template.exe" "$1" "$root/build/zolvane.exe"; }

shot_template_101() { shot_template 101; }   # Folder page
shot_template_102() { shot_template 102; }   # Options page
shot_template_115() { shot_template 115; }   # Shortcut page
shot_template_118() { shot_template 118; }   # About box
shot_template_131() { shot_template 131; }   # Verify's progress window

all_shots=(template-101 template-102 template-115 template-118 template-131 folder-page
           options-page shortcut-page about-box next-disc check-progress)

# Start the desktop first, so that its appearance is not taken for a window.
wine cmd /c exit >/dev/null 2>&1 || true
sleep 2

for shot in "${@:-${all_shots[@]}}"; do
  "shot_${shot//-/_}"
done
