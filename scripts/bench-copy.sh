#!/usr/bin/env bash
# Prints figures of the copy run under Wine (no pass/fail):
#  - the time to find the next free numbered folder with 0, 1,000 and 10,000
#    numbered folders present (the program's own search over real folders);
#  - a copy run of a tree of about 200 MB in a few thousand files, started
#    with "/c", against `cp -r` of the same tree, as the median ratio.
#   scripts/bench-copy.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
scripts/build.sh >/dev/null
export ZV_RUNS=$runs ZV_DIR=$(pwd)/build

scripts/wine-session.sh bash -c '
  set -euo pipefail
  c="$WINEPREFIX/drive_c"
  wine "$ZV_DIR/free_name_bench.exe" 0 1000 10000

  # The disc: 40 folders of 60 files of 80 KB and 40 files of 1 MB, ~230 MB.
  rm -rf "$ZV_DISC"/*
  for d in $(seq -w 1 40); do
    mkdir -p "$ZV_DISC/dir$d/sub"
    for f in $(seq -w 1 60); do head -c 81920 /dev/urandom > "$ZV_DISC/dir$d/f$f.bin"; done
    head -c 1048576 /dev/urandom > "$ZV_DISC/dir$d/sub/big.bin"
  done
  files=$(find "$ZV_DISC" -type f | wc -l)
  size=$(du -sm "$ZV_DISC" | cut -f1)
  echo "disc: $files files, $size MB"

  mkdir -p "$c/zvbench/app"
  cp "$ZV_DIR/zolvane.exe" "$c/zvbench/app/"
  printf "[General]\r\nTo=C:\\\\zvbench\\\\out\r\nFrom=D:\\\\\r\nNumCount=3\r\n" > "$c/zvbench/app/zolvane.ini"
  cat "$ZV_DISC"/*/*.bin "$ZV_DISC"/*/sub/*.bin > /dev/null   # warm the cache for both

  ms() { echo $(( ($2 - $1) / 1000000 )); }
  median() { sort -n | awk "{a[NR]=\$1} END{print a[int((NR+1)/2)]}"; }
  : > /tmp/zv-bench-run.$$; : > /tmp/zv-bench-cp.$$
  for _ in $(seq "$ZV_RUNS"); do
    rm -rf "$c/zvbench/out" "$c/zvbench/cp"; sync
    s=$(date +%s%N); (cd "$c/zvbench/app" && wine zolvane.exe /c || true); e=$(date +%s%N)
    ms $s $e >> /tmp/zv-bench-run.$$
    [ "$(find "$c/zvbench/out/001" -type f | wc -l)" = "$files" ] || echo "warning: copy incomplete"
    rm -rf "$c/zvbench/out"; sync
    s=$(date +%s%N); cp -r "$ZV_DISC" "$c/zvbench/cp"; e=$(date +%s%N)
    ms $s $e >> /tmp/zv-bench-cp.$$
  done
  r=$(median < /tmp/zv-bench-run.$$); p=$(median < /tmp/zv-bench-cp.$$)
  rm -f /tmp/zv-bench-run.$$ /tmp/zv-bench-cp.$$
  echo "copy run: median $r ms; cp -r: median $p ms; ratio $(awk -v r=$r -v p=$p "BEGIN{printf \"%.2f\", r/p}") over $ZV_RUNS runs"
'
