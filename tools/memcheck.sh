#!/usr/bin/env bash
# make memcheck: the real game under valgrind's memcheck, played through every screen by
# xdotool on the current X display and by a virtual pad (SDL's, preloaded from tests/support),
# then ended with Escape on the title screen. Fails on any memory error and on any block
# definitely lost that the suppressions (tools/memcheck.supp: the GL driver's, GLUT's and
# SDL's own) do not cover.
#
#   tools/memcheck.sh GAME SWAP_PROBE_LIBRARY VIRTUAL_PAD_LIBRARY LOG
# Run from the project root (the game reads Data/). Under memcheck the game draws a few frames
# a second, so every key waits for frames drawn, counted by the preloaded swap probe, rather
# than for time.
set -uo pipefail

game=$1
probe=$(readlink -f "$2")
virtual_pad=$(readlink -f "$3")
log=$4
here=$(cd "$(dirname "$0")" && pwd)
count=$(mktemp /tmp/ruko_memcheck_swaps.XXXXXX)
pad_dir=$(mktemp -d /tmp/ruko_memcheck_pad.XXXXXX)
mkfifo "$pad_dir/script"
# Sound goes to OpenAL Soft's silent device, which mixes as a real one does (CI has no other),
# in long periods: under valgrind every wake of its thread holds the game up.
alsoft=$(mktemp /tmp/ruko_memcheck_alsoft.XXXXXX)
printf '[general]\ndrivers=null\nperiod_size=8192\n' >"$alsoft"
game_pid=
trap 'rm -rf "$count" "$alsoft" "$pad_dir"; [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null' EXIT
# Empty home, settings and state folders: never the player's.
source "$here/../tests/support/own_home.sh" "$pad_dir/home"

fail() {
    echo "memcheck: $*" >&2
    exit 1
}

swaps() {
    local n
    n=$(cat "$count" 2>/dev/null)
    echo "${n:-0}"
}

# wait_frames N: until the game has drawn N more frames (two minutes at most).
wait_frames() {
    local target=$(($(swaps) + $1)) i
    for ((i = 0; i < 2400; i++)); do
        (($(swaps) >= target)) && return 0
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended early (see $log)"
        sleep 0.05
    done
    fail "the game drew no frame for two minutes"
}

# wait_still: until the game has drawn nothing for three seconds, what a finished training
# does (two minutes at most).
wait_still() {
    local last=-1 now i
    for ((i = 0; i < 40; i++)); do
        now=$(swaps)
        ((now == last)) && return 0
        last=$now
        sleep 3
    done
    fail "the finished training goes on drawing"
}

# send KEY...: key events to the game's window (xdotool's complaint about the focus of a
# display without a window manager is of no interest).
send() {
    xdotool key --window "$window" "$@" 2>/dev/null
}

# press KEY...: each key, then two frames so that GLUT has handled it before the next.
press() {
    local key
    for key in "$@"; do
        send "$key"
        wait_frames 2
    done
}

# punches PAIRS: right and left together, then the five frames both punches take.
punches() {
    local i
    for ((i = 0; i < $1; i++)); do
        send x w
        wait_frames 5
    done
}

# pad COMMAND: one command of the virtual pad (tests/support/virtual_pad.cpp), then two frames.
pad() {
    local before i
    before=$(grep -c '^done' "$pad_dir/log" 2>/dev/null)
    echo "$*" >&3
    for ((i = 0; i < 2400; i++)); do
        (($(grep -c '^done' "$pad_dir/log" 2>/dev/null) > before)) && break
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended early (see $log)"
        sleep 0.05
    done
    wait_frames 2
}

# view_menu ENTRY: chooses entry 1 to 4 of the right-button menu.
view_menu() {
    local entry=$1 menu X Y WIDTH HEIGHT SCREEN
    xdotool mousemove --window "$window" 100 100 click 3
    menu=$(timeout 60 xdotool search --sync --onlyvisible --name '^freeglut menu$' | head -n 1)
    [[ -n $menu ]] || fail "the right-button menu did not open"
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    xdotool mousemove $((X + 20)) $((Y + HEIGHT * (2 * entry - 1) / 10))
    wait_frames 2
    xdotool click 1
    wait_frames 3
}

# Mesa's rasteriser threads only add thread switches under valgrind, which runs one at a time.
# SDL's D-Bus start may fork a child that only tries to exec dbus-launch (see memcheck.supp):
# its report would be the game's heap copied, so it is kept quiet.
LP_NUM_THREADS=0 ALSOFT_CONF="$alsoft" LD_PRELOAD="$probe:$virtual_pad" RUKO_PROBE_COUNT="$count" \
    RUKO_PAD_SCRIPT="$pad_dir/script" RUKO_PAD_LOG="$pad_dir/log" \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --child-silent-after-fork=yes \
    --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 \
    --suppressions="$here/memcheck.supp" --gen-suppressions=all --log-file="$log" \
    "$game" >/dev/null &
game_pid=$!
exec 3>"$pad_dir/script"
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^RUKO$' | head -n 1)
[[ -n $window ]] || fail "no window titled RUKO"
wait_frames 3
started=$SECONDS

# Title and the view menu: light off and on, wireframe, filled.
view_menu 1
view_menu 1
view_menu 3
press Return # mode menu, in wireframe
view_menu 4
press Down Up Return # opponent menu
press Right Right Right Left Return # decor menu for Radov Eze Black
press Right Left Return # a fight in Amical
press Up Up Up Left Right i k l m t t Down Up
# The pad where a press that repeats (frames are slow here) changes nothing that follows.
pad axis righty -30000
pad axis righty 0
pad axis rightx 30000
pad axis rightx 0
pad tap y
pad tap y
pad tap x
pad tap a
pad unplug
punches 2
pad plug
press Escape Right Return Right Return # Dida Vud in Coupe Tavelin
press Up Up Up
punches 21 # 42 points at the closest distance: knocked out
wait_frames 10
# The yellow letters "KO" in the middle of the window.
shot="$(dirname "$log")/knockout.png"
timeout 60 import -window "$window" "$shot" || fail "no picture of the knock-out"
yellow=$(convert "$shot" -crop 160x70+240+205 +repage -fuzz 12% -fill black +opaque "rgb(255,255,0)" \
    -fill white -opaque "rgb(255,255,0)" -format '%[fx:int(mean*w*h+0.5)]' info:)
((yellow > 200)) || fail "no knock-out after 42 punches at the closest distance ($shot)"
press Escape Escape Down Return Return # the punch bag
punches 9
send x w # hits 19 and 20: the run ends with its results and stops drawing
wait_still
press Escape Right Return # the punching ball
punches 3
pad tap rightshoulder
pad tap b
press Escape Escape # back to the title
view_menu 2 # full screen, last: it makes every frame four times larger
send Escape

for ((i = 0; i < 1200; i++)); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "Escape on the title did not end the game"
wait "$game_pid"
status=$?
game_pid=
echo "memcheck: session of $((SECONDS - started)) s, $(swaps) frames"
grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:|suppressed:" "$log" | sed 's/^==[0-9]*== /  /'
case $status in
0) echo "memcheck: no error, nothing definitely lost outside the suppressions" ;;
99) fail "errors or definite losses (see $log)" ;;
*) fail "the game ended with status $status (see $log)" ;;
esac
