#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, on a scratch copy of its
# checked-in seed corpus so that the corpus does not grow. Exits non-zero on any finding
# (crash, sanitizer report, leak, timeout, out of memory) and prints the reproducer.
#
# HALVANE_FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${HALVANE_FUZZ_SECONDS:-30}
targets=(settings descriptions bmp png engine variant)

cmake --preset fuzz
# Build exactly the targets run below, so that a new target cannot be run unbuilt.
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0

# The settings target writes a file for every input: a memory file system keeps it fast.
fast_tmp=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  fast_tmp=/dev/shm
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings=$PWD/build/fuzz/findings
status=0
for target in "${targets[@]}"; do
  corpus=$scratch/corpus-$target
  mkdir -p "$corpus" "$findings/$target"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  log=$scratch/$target.log
  echo "== fuzz_$target (${seconds} s)"
  if TMPDIR=$fast_tmp build/fuzz/bin/fuzz_"$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
       -artifact_prefix="$findings/$target/" -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" || true
  else
    status=1
    tail -n 40 "$log"
    reproducer=$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)
    echo "fuzz_$target found a fault; reproducer: ${reproducer:-none written}"
    echo "run it again with: build/fuzz/bin/fuzz_$target ${reproducer:-<file>}"
  fi
done
exit "$status"
