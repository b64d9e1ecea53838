#!/usr/bin/env bash
# Runs every libFuzzer program of a tree for a number of seconds each, with its seed folder and
# its dictionary fuzz/NAME.dict when there is one; new inputs go to TREE/corpus/NAME.
# usage: scripts/run-fuzzers.sh TREE SECONDS
set -euo pipefail
tree=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
found=0
for fuzzer in "$tree"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  found=1
  name=$(basename "$fuzzer")
  mkdir -p "$tree/corpus/$name"
  echo "== $name ($seconds s)"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  dict=()
  [ -f "$root/fuzz/$name.dict" ] && dict=("-dict=$root/fuzz/$name.dict")
  if ! LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp" "$fuzzer" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 "${dict[@]}" \
        "$tree/corpus/$name" "${seeds[@]}" > "$tree/$name.log" 2>&1; then
    tail -n 40 "$tree/$name.log"
    exit 1
  fi
  tail -n 3 "$tree/$name.log"
done
if [ "$found" = 0 ]; then
  echo "run-fuzzers: no fuzz programs in $tree/fuzz" >&2
  exit 1
fi
