#!/usr/bin/env bash
# The committed Data/ files, the English pictures of Data/en/ too, are exactly what our
# generators make (run `make assets` after changing a generator). The generators are built next
# to the game, under tools/. And `make screenshots` takes the same pictures every time (two of
# them, animated, twice).
# Args: ruko binary, source dir, scratch dir.
set -euo pipefail
tools=$(dirname "$(realpath "$1")")/tools
source_dir=$2
scratch=$3
rm -rf "$scratch" && mkdir -p "$scratch"

"$tools/make_font" "$scratch"
"$tools/make_textures" "$scratch"
mkdir -p "$scratch/sounds"
"$tools/make_sounds" "$scratch/sounds"
failures=0
sounds=$(cd "$source_dir/Data" && ls sounds/*.wav)
# The arenas' pictures, in French and in English.
arenas="ring1.bmp affiche.bmp affiche2.bmp club.bmp ring2.bmp public2.bmp"
for file in fontGray.tga $arenas $(printf "en/%s " $arenas) $sounds; do
    if cmp -s "$scratch/$file" "$source_dir/Data/$file"; then
        echo "ok   $file"
    else
        echo "FAIL $file differs from what the generators make"
        failures=$((failures + 1))
    fi
done

pictures="title training_punching_ball"
for run in 1 2; do
    "$source_dir/tools/screenshots.sh" "$1" "$scratch/shots$run" $pictures >/dev/null
done
for picture in $pictures; do
    if cmp -s "$scratch/shots1/$picture.png" "$scratch/shots2/$picture.png"; then
        echo "ok   $picture.png taken twice"
    else
        echo "FAIL $picture.png differs between two runs of the screenshot tool"
        failures=$((failures + 1))
    fi
done
[[ $failures -eq 0 ]]
