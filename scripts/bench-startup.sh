#!/usr/bin/env bash
# Prints the program's size (against its limit of 68 KiB) and imports, and
# how long a second start (which finds the running instance and exits 0)
# takes against an empty program built the same way, as the median ratio
# over several runs, both 32-bit under wine32.
#   scripts/bench-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
scripts/build.sh >/dev/null
dir=$(pwd)/build

echo "build/zolvane.exe: $(stat -c %s build/zolvane.exe) bytes (limit 69632)"
echo "empty program: $(stat -c %s build/do_nothing.exe) bytes"
echo "imports: $(i686-w64-mingw32-objdump -p build/zolvane.exe | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')"
echo "subsystem version: $(i686-w64-mingw32-objdump -p build/zolvane.exe | awk '/MajorSubsystemVersion/{a=$2} /MinorSubsystemVersion/{b=$2} END{print a"."b}')"

echo "32-bit programs: $(scripts/wine-mode.sh)"

export ZV_RUNS=$runs ZV_DIR=$dir
scripts/wine-session.sh bash -c '
  set -euo pipefail
  work=$(winepath -u "C:\\zvbench" 2>/dev/null || echo "$WINEPREFIX/drive_c/zvbench")
  mkdir -p "$work"
  cp "$ZV_DIR/zolvane.exe" "$ZV_DIR/do_nothing.exe" "$work/"
  wine "C:\\zvbench\\zolvane.exe" &          # the first instance: its sheet stays open
  sleep 3
  times() {  # program -> one elapsed time in ms per line
    for _ in $(seq "$ZV_RUNS"); do
      s=$(date +%s%N); wine "C:\\zvbench\\$1" >/dev/null 2>&1 || true; e=$(date +%s%N)
      echo $(( (e - s) / 1000000 ))
    done | sort -n
  }
  median() { awk "{a[NR]=\$1} END{print a[int((NR+1)/2)]}"; }
  z=$(times zolvane.exe | median); d=$(times do_nothing.exe | median)
  echo "second start: median ${z} ms; empty program: median ${d} ms; ratio $(awk -v z=$z -v d=$d "BEGIN{printf \"%.2f\", z/d}") over $ZV_RUNS runs"
'
