#!/usr/bin/env bash
# Coverage-guided fuzzing of the portable core's text rules: builds one
# libFuzzer target per rule with clang (build-fuzz/, from tests/fuzz/) and
# runs each for the given seconds on a working copy of its seed corpus
# (tests/fuzz/corpus/<target>/). Prints per target the inputs executed, the
# coverage (libFuzzer's cov and ft) and any finding, whose input and log stay
# in build-fuzz/findings/. Exits non-zero when a target found anything.
#   scripts/fuzz.sh [seconds per target, default 120]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
command -v clang++ >/dev/null || { echo "fuzz: no clang++; run scripts/setup.sh" >&2; exit 1; }

[ -f build-fuzz/CMakeCache.txt ] ||
  cmake -S . -B build-fuzz -DZV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
rm -rf build-fuzz/findings && mkdir -p build-fuzz/findings build-fuzz/logs

printf '%-26s %12s %6s %6s  %s\n' target executions cov ft result
total=0
found=0
for source in tests/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  corpus=build-fuzz/corpus/$target
  log=build-fuzz/logs/$target.log
  rm -rf "$corpus" && mkdir -p "$corpus"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  result="no finding"
  if ! build-fuzz/"$target" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"- "$corpus" \
      >"$log" 2>&1; then
    result="FINDING (build-fuzz/findings/)"
    found=1
    cp "$log" build-fuzz/findings/
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+.* cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  printf '%-26s %12s %6s %6s  %s\n' "$target" "${executions:-?}" "${cov:-?}" "${ft:-?}" "$result"
  if [ "$result" != "no finding" ]; then
    grep -E 'property does not hold|runtime error|ERROR: |SUMMARY: |Test unit written' "$log" |
      sed 's/^/    /' || true
  fi
  total=$((total + ${executions:-0}))
done
printf '%-26s %12s\n' "all targets" "$total"
exit $found
