#!/usr/bin/env bash
# make bench-windows: a fight's unpaced frame rate drawn by the native Linux build and by the
# Windows build under Wine, in turns in the same X display, so both use the same renderer
# (Wine's OpenGL goes through GLX to the same Mesa driver). Prints a Markdown table.
#   wine_bench.sh LINUX_FIGHT_FRAMES WINDOWS_FIGHT_FRAMES_EXE ZIP SCRATCH [ROUNDS]
set -euo pipefail
linux=$(readlink -f "$1")
windows=$(readlink -f "$2")
zip=$(readlink -f "$3")
scratch=$(mkdir -p "$4" && readlink -f "$4")
rounds=${5:-3}
here=$(dirname "$(readlink -f "$0")")

# The Windows program runs from the unpacked zip, beside the game's DLLs and Data/.
rm -rf "$scratch/unzipped" && mkdir -p "$scratch/unzipped"
(cd "$scratch/unzipped" && cmake -E tar xf "$zip")
folder=$(echo "$scratch"/unzipped/ruko-*)
cp "$windows" "$folder/"
wine_run() {
    bash "$here/../tests/windows/under_wine.sh" "$scratch/prefix" "$@"
}
wine_run wineboot -i
trap 'wine_run wineserver -k 2>/dev/null || true' EXIT

median() { sort -n | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
: >"$scratch/linux" && : >"$scratch/wine"
for ((round = 1; round <= rounds; round++)); do
    (cd "$folder" && "$linux") >>"$scratch/linux"
    (cd "$folder" && wine_run wine "$folder/$(basename "$windows")") | tr -d '\r' >>"$scratch/wine"
done
native=$(cut -f 1 "$scratch/linux" | median)
wine=$(cut -f 1 "$scratch/wine" | median)
echo "| build | renderer | fight, Radov Eze, Amical: frames/s (median of $rounds) | against native |"
echo "|---|---|---:|---:|"
printf '| Linux, native | %s | %.0f | 1.00 |\n' "$(cut -f 2 "$scratch/linux" | head -n 1)" "$native"
printf '| Windows, under Wine | %s | %.0f | %.2f |\n' "$(cut -f 2 "$scratch/wine" | head -n 1)" \
    "$wine" "$(awk -v w="$wine" -v n="$native" 'BEGIN {print w / n}')"
