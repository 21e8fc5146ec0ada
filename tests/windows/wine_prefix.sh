#!/usr/bin/env bash
# Makes the Wine prefix of the run and unpacks the zip as a player would:
# wine_prefix.sh ZIP FOLDER (run through under_wine.sh).
set -euo pipefail
rm -rf "$WINEPREFIX" "$2"
wineboot -i
wineserver -w
mkdir -p "$2"
cd "$2" && cmake -E tar xf "$1"
echo "PASS"
