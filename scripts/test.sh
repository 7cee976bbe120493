#!/usr/bin/env bash
# Sets up, builds and runs every test: the developer build with its benchmarks, then the
# AddressSanitizer/UndefinedBehaviorSanitizer build, then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen

cmake --preset dev
cmake --build --preset dev
ctest --preset dev

# The install tree and the Debian package, as a user or a packager makes them.
rm -rf build/dev/install-tree
cmake --install build/dev --prefix build/dev/install-tree
for f in bin/halvane lib/halvane/games/libklondike.so share/halvane/solitaire.ini \
         share/halvane/cards/Standard.bmp share/applications/halvane.desktop; do
  [ -e "build/dev/install-tree/$f" ] || { echo "install tree lacks $f"; exit 1; }
done
(cd build/dev && cpack -G DEB)

# Benchmarks print each measurement beside its memcpy baseline, as a ratio.
for b in build/dev/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.05
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# Every fuzz target for about 30 seconds; any finding fails the run.
scripts/fuzz.sh
