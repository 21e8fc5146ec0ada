#!/usr/bin/env bash
# A player's first steps from a clone: `make run` where there is no dpkg or apt (not Debian),
# every library there, builds and plays with ARGS handed to the game; `ruko --pads` names the
# virtual pad, and with none says so and what to look at. Without a display the game and
# --check say so with status 2; started from a folder with some other Data/, build/ruko plays
# with the clone's.
# Args: ruko binary, source dir, scratch dir.
set -euo pipefail
binary=$(realpath "$1")
source_dir=$(realpath "$2")
scratch=$(realpath -m "$3")
rm -rf "$scratch" && mkdir -p "$scratch/bin"
fail() {
    echo "FAIL: $*"
    exit 1
}

# Every command of the PATH but Debian's package tools.
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
    for command in "$folder"/*; do
        name=${command##*/}
        if [[ -x $command && $name != dpkg* && $name != apt* && ! -e $scratch/bin/$name ]]; then
            ln -s "$command" "$scratch/bin/$name"
        fi
    done
done
PATH=$scratch/bin make -C "$source_dir" run BUILD="$(dirname "$binary")" ARGS=--version \
    >"$scratch/make.out" 2>&1 || fail "make run without dpkg: $(tail -n 5 "$scratch/make.out")"
version=$(sed -n 's/^project(ruko VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
grep -qx "ruko $version" "$scratch/make.out" || fail "make run played: $(tail -n 5 "$scratch/make.out")"

# Under ASan the preloaded pad comes before the sanitizer's runtime; it is not checked.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    LD_PRELOAD="$(dirname "$binary")/libvirtual_pad.so" RUKO_PAD_SCRIPT=/dev/null "$binary" --pads \
    >"$scratch/pads.out" || fail "--pads: status $?"
[ "$(cat "$scratch/pads.out")" = "RUKO test pad: mapped, plays" ] || fail "$(cat "$scratch/pads.out")"
"$binary" --pads >"$scratch/pads.out" || fail "--pads without a pad: status $?"
grep -qx "no pad found. If one is plugged in:" "$scratch/pads.out" || fail "$(cat "$scratch/pads.out")"
grep -q "/dev/input/event" "$scratch/pads.out" || fail "no word on permissions"
grep -q "SDL_GAMECONTROLLERCONFIG" "$scratch/pads.out" || fail "no word on mappings"

# No display, or one that is not there: said in one line, status 2 (--check's 1 would say the
# recording differs).
expect_no_display() {
    local name=$1 status=0
    shift
    "$@" 2>"$scratch/no_display.err" || status=$?
    [[ $status == 2 && $(cat "$scratch/no_display.err") == "ruko: no display: cannot open display '$name'; the game, --setup and --check need one" ]] ||
        fail "$* without a display: status $status, said: $(cat "$scratch/no_display.err")"
}
recording=$source_dir/tests/e2e/recordings/menus.replay
expect_no_display "" env -u DISPLAY "$binary" --check "$recording"
expect_no_display "" env -u DISPLAY "$binary" --mute
expect_no_display :4095 "$binary" -display :4095 --check "$recording"

# Started from a folder that holds another program's Data/ (an empty one here), build/ruko
# plays with the clone's: the title's credit line drawn with the font, the textures loaded
# (a missing one ends the game), nothing said missing.
mkdir -p "$scratch/home/Data"
source "$(dirname "$0")/game_driver.sh" "$binary" "$scratch/home" "$scratch/game"
start_game --mute
yellow=$(count_colour "$(shoot title)" 240x60+390+170 255 255 0)
((yellow > 50)) || fail "beside another Data/: the title's credit line is not drawn ($yellow yellow pixels)"
press_keys Escape
wait_game_exit
[[ $GAME_STATUS == 0 && ! -s $GAME_STDOUT && ! -s $SCRATCH/stderr ]] ||
    fail "beside another Data/: status $GAME_STATUS, said: $(cat "$GAME_STDOUT" "$SCRATCH/stderr")"
echo "PASS"
