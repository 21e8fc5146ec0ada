#!/usr/bin/env bash
# make bench-windows: a fight's unpaced frame rate drawn by the native Linux build and by the
# Windows build under Wine, in turns in the same X display, so both use the same renderer
# (Wine's OpenGL goes through GLX to the same Mesa driver). Prints a Markdown table.
#   wine_bench.sh LINUX_FIGHT_FRAMES WINDOWS_FIGHT_FRAMES_EXE ZIP SCRATCH [TURNS, default 5]
set -euo pipefail
linux=$(readlink -f "$1")
windows=$(readlink -f "$2")
zip=$(readlink -f "$3")
scratch=$(mkdir -p "$4" && readlink -f "$4")
rounds=${5:-5}
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

: >"$scratch/linux" && : >"$scratch/wine"
for ((round = 1; round <= rounds; round++)); do
    # The last line is the program's; the game may say first that its window is visible.
    (cd "$folder" && "$linux") | tail -n 1 >>"$scratch/linux"
    (cd "$folder" && wine_run wine "$folder/$(basename "$windows")" 2>/dev/null) | tr -d '\r' |
        tail -n 1 >>"$scratch/wine"
done
# Median, lowest and highest frames/s of a build's turns.
figures() { cut -f 1 "$1" | sort -n | awk '{v[NR] = $1} END {
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.0f %.0f %.0f", m, v[1], v[NR]}'; }
read -r native native_low native_high <<<"$(figures "$scratch/linux")"
read -r wine wine_low wine_high <<<"$(figures "$scratch/wine")"
echo "| build | renderer | fight, Radov Eze, Amical: frames/s (median of $rounds) | lowest to highest | against native |"
echo "|---|---|---:|---:|---:|"
printf '| Linux, native | %s | %s | %s to %s | 1.00 |\n' "$(cut -f 2 "$scratch/linux" | head -n 1)" \
    "$native" "$native_low" "$native_high"
printf '| Windows, under Wine | %s | %s | %s to %s | %.2f |\n' "$(cut -f 2 "$scratch/wine" | head -n 1)" \
    "$wine" "$wine_low" "$wine_high" "$(awk -v w="$wine" -v n="$native" 'BEGIN {print w / n}')"
