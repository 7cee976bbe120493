#!/usr/bin/env bash
# Builds the example game (examples/acesup) out of tree against an installed table, as a
# game author does, and starts that installed table on it through the table's own
# plug-in lookup: the plug-in and its description file in the user's games folder, the
# settings file naming it as the current game. Fails when the example does not build, or
# the table does not start it, deal it and show it without a word of complaint.
#
#   scripts/example.sh <install prefix> <scratch folder>
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath "$1")
scratch=$(realpath -m "$2")
rm -rf "$scratch"
mkdir -p "$scratch"

# Nothing of this tree but the example's own folder: the package gives the rest.
cmake -S examples/acesup -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_PREFIX_PATH="$prefix"
cmake --build "$scratch/build"

export HALVANE_HOME=$scratch/home QT_QPA_PLATFORM=offscreen HALVANE_QUIT_AFTER_SHOW=1
# Starts the installed table once; it ends by itself once the table is shown. A failure
# is printed as "halvane: ..." (and shown in a box, which would wait: hence the timeout).
start_table() {
    local status=0
    timeout -k 5 60 "$prefix/bin/halvane" 2> "$scratch/said.txt" || status=$?
    if [ "$status" -ne 0 ] || grep -q '^halvane:' "$scratch/said.txt"; then
        echo "example: the installed table failed ($1, status $status):"
        cat "$scratch/said.txt"
        exit 1
    fi
}

# The first start fills the table folder from the installed template.
start_table "first start on Klondike"
cp "$scratch/build/libacesup.so" "examples/acesup/Aces Up.gme" "$HALVANE_HOME/games/"
# What the game chooser's Add and OK would write: the game listed and chosen.
printf '%s\r\n' '[Decks]' 'Standard=Standard.bmp' '-' '[Games]' 'Klondike=Klondike' \
       'Aces Up=AcesUp' '-' '[Current Deck]' 'Standard.bmp' '[Current Game]' 'Aces Up=AcesUp' \
       '[WebSite]' 'halvane.example' '[Card Back]' ' 1 ' '' > "$HALVANE_HOME/solitaire.ini"
start_table "starting Aces Up"
echo "example: Aces Up built against $prefix and started by its table"
