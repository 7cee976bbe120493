#!/usr/bin/env bash
# Sets up, builds and runs every test: the developer build with its benchmarks, then the
# AddressSanitizer/UndefinedBehaviorSanitizer build, then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen

cmake --preset dev
cmake --build --preset dev
# The tests share no files, ports or displays, so they run side by side.
ctest --preset dev --parallel "$(nproc)"

# The install tree and the Debian packages, as a user or a packager makes them: the table
# with its private libraries in lib/halvane, and what a game author builds against.
rm -rf build/dev/install-tree
cmake --install build/dev --prefix build/dev/install-tree
for f in bin/halvane lib/halvane/libdorvik.so.0 lib/halvane/libhalvane_com.so \
         lib/halvane/libhalvane_gdi.so lib/halvane/libhalvane_kit.so.0 \
         lib/halvane/games/libklondike.so share/halvane/solitaire.ini \
         share/halvane/cards/Standard.bmp share/applications/halvane.desktop \
         include/halvane/games/kit/game.h lib/cmake/Halvane/HalvaneConfig.cmake \
         lib/cmake/Halvane/HalvaneConfigVersion.cmake lib/cmake/Halvane/HalvaneGame.cmake \
         share/doc/halvane-dev/writing-a-game.md share/doc/halvane-dev/examples/acesup/CMakeLists.txt; do
  [ -e "build/dev/install-tree/$f" ] || { echo "install tree lacks $f"; exit 1; }
done
# Every game the shipped settings list, with its description file.
games=(klondike freecell spider yukon golf pyramid fortythieves bakersdozen canfield)
for game in "${games[@]}"; do
  f=lib/halvane/games/lib$game.so
  [ -e "build/dev/install-tree/$f" ] || { echo "install tree lacks $f"; exit 1; }
done
[ "$(ls build/dev/install-tree/share/halvane/games/*.gme | wc -l)" -eq "${#games[@]}" ] ||
  { echo "install tree lacks a game description file"; exit 1; }
rm -f build/dev/halvane*.deb
(cd build/dev && cpack -G DEB)
# Each file in the package it belongs to: dpkg-deb lists them as ./usr/<file>.
deb_has() {
  grep -q " \./usr/$2\( \|$\)" <<< "$(dpkg-deb -c "build/dev/$1")" || { echo "$1 lacks $2"; exit 1; }
}
deb_lacks() {
  ! grep -q " \./usr/$2" <<< "$(dpkg-deb -c "build/dev/$1")" || { echo "$1 holds $2"; exit 1; }
}
version=$(sed -n 's/^project(Halvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
table=halvane_${version}_$(dpkg --print-architecture).deb
dev=halvane-dev_${version}_$(dpkg --print-architecture).deb
for f in bin/halvane lib/halvane/libdorvik.so.0 lib/halvane/libhalvane_kit.so.0 \
         share/halvane/solitaire.ini; do
  deb_has "$table" "$f"
done
for game in "${games[@]}"; do
  deb_has "$table" "lib/halvane/games/lib$game.so"
done
deb_lacks "$table" include/
for f in include/halvane/games/kit/game.h include/halvane/engine/class1.h \
         lib/cmake/Halvane/HalvaneConfig.cmake lib/cmake/Halvane/HalvaneGame.cmake \
         share/doc/halvane-dev/writing-a-game.md; do
  deb_has "$dev" "$f"
done
deb_lacks "$dev" bin/
dpkg-deb -f "build/dev/$dev" Depends | grep -q "halvane (= $version)" ||
  { echo "$dev does not depend on halvane $version"; exit 1; }

# A game built out of tree against the install tree, and started by the installed table.
scripts/example.sh build/dev/install-tree build/dev/example

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
ctest --preset asan --parallel "$(nproc)"

# Every fuzz target for about 30 seconds; any finding fails the run.
scripts/fuzz.sh
