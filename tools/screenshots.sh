#!/usr/bin/env bash
# Plays the real game under X and saves a picture of every screen under docs/, in French, then
# in English under docs/en/.
# Usage: tools/screenshots.sh [ruko-binary [folder [picture...]]]: the pictures named, or all,
# into the folder (docs/ by default) and its en/; run from anywhere, it needs Data/ in the
# source tree.
# Each picture is the game at a fixed step, so a commit always gives the same pictures: the game
# plays a recording of keys stamped with steps (ruko --replay) that ends by hiding the window,
# which stops the steps; the window keeps that step's frame.
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BINARY=$(realpath "${1:-$SOURCE/build/ruko}")
OUT=$(realpath -m "${2:-$SOURCE/docs}")
WANTED=("${@:3}")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$BINARY" "$OUT" "${WANTED[@]}"
fi
SHOTS=$(mktemp -d)
trap 'rm -rf "$SHOTS"' EXIT
mkdir -p "$OUT"

# The recording so far: STEP is the step of the last key; the usual keys whatever the settings.
start_over() {
    STEP=0
    EVENTS="0 keys w x up down left right i k l m t"$'\n'
}

# keys [-GAP] NAME...: keys GAP steps apart (8 by default), after the last one.
keys() {
    local gap=8
    [[ $1 == -* ]] && gap=${1#-} && shift
    for name in "$@"; do
        STEP=$((STEP + gap))
        EVENTS+="$STEP key $name"$'\n'
    done
}

# repeat TIMES GAP NAME...: the keys TIMES times over, each GAP steps after the one before.
repeat() {
    local times=$1 gap=$2
    shift 2
    for ((i = 0; i < times; i++)); do keys "-$gap" "$@"; done
}

# How many times the game slept over half a second: it sleeps between its steps, and while a
# recording plays; a game at a standstill does not.
sleeps() {
    local before
    before=$(awk '$1 == "voluntary_ctxt_switches:" {print $2}' "/proc/$1/status")
    sleep 0.5
    echo $(($(awk '$1 == "voluntary_ctxt_switches:" {print $2}' "/proc/$1/status") - before))
}

# picture NAME [STEPS]: the game as it is STEPS (12) steps after the last key; with STEPS "end",
# as it stops by itself (a finished training). Taken once the recording has played and the game
# stands still.
picture() {
    local name=$1 at=${2:-12} pid window
    if [ ${#WANTED[@]} -gt 0 ] && [[ " ${WANTED[*]} " != *" $name "* ]]; then return; fi
    { echo "ruko-replay 1 ruko 1.0" && echo -n "$EVENTS"; } >"$SHOTS/$name.replay"
    [ "$at" = end ] || echo "$((STEP + at)) hidden" >>"$SHOTS/$name.replay"
    (cd "$SOURCE" && exec "$BINARY" --mute --record "$SHOTS/played.replay" \
        --replay "$SHOTS/$name.replay") >/dev/null 2>"$SHOTS/$name.stderr" &
    pid=$!
    until grep -q "played to its end" "$SHOTS/$name.stderr" 2>/dev/null &&
        [ "$(sleeps "$pid")" = 0 ]; do
        kill -0 "$pid" 2>/dev/null || { cat "$SHOTS/$name.stderr" >&2; exit 1; }
        sleep 0.1
    done
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^RUKO$' | head -n 1)
    # import waits for a click on a window when the one named is gone.
    timeout 20 import -window "$window" "$SHOTS/$name.png"
    kill "$pid" && wait "$pid" || true
    # No dates in the file.
    convert "$SHOTS/$name.png" -strip "$OUT/$name.png"
    echo "$OUT/$name.png"
}

every_screen() {
    start_over
    picture title 115
    keys return
    picture mode_menu
    keys return
    picture opponent_menu_radov_eze
    keys right
    picture opponent_menu_radov_eze_black
    keys right
    picture opponent_menu_dida_vud
    keys left left return
    picture decor_menu_amical
    keys right
    picture decor_menu_coupe_tavelin
    keys left return
    picture fight_amical 20

    start_over
    keys -60 return
    keys return right return right return left left
    picture fight_coupe_tavelin 20
    keys up up up
    repeat 21 17 x w
    picture knockout 90

    start_over
    keys -60 return
    keys down return
    picture training_menu_punch_bag
    keys right
    picture training_menu_punching_ball
    keys left return x
    picture training_punch_bag 4
    keys escape right return
    picture training_punching_ball
    repeat 20 6 x
    picture training_in_progress 20
    keys escape left return
    repeat 20 9 x
    picture training_finished end
}

# The player's own settings and recordings left out; then English.
source "$SOURCE/tests/support/own_home.sh" "$SHOTS/home"
every_screen
mkdir -p "$XDG_CONFIG_HOME/ruko"
printf '[display]\nlanguage = en\n' >"$XDG_CONFIG_HOME/ruko/ruko.conf"
OUT="$OUT/en"
mkdir -p "$OUT"
every_screen
