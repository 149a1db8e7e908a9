#!/usr/bin/env bash
# Runs a test program from the test prefix's drive C with the console program
# beside it, as an installed program runs: Wine gives a program started from a
# Unix path outside every drive no path of its own that names its folder.
#   run-from-drive-c.sh TEST-PROGRAM CONSOLE-PROGRAM [ARGUMENT...]
set -eu
folder="$WINEPREFIX/drive_c/dustrel-test-programs"
mkdir -p "$folder"
cp "$1" "$2" "$folder/"
name=$(basename "$1")
shift 2
exec /usr/lib/wine/wine64 "C:\\dustrel-test-programs\\$name" "$@"
