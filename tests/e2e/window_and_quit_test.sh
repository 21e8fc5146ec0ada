#!/usr/bin/env bash
# The real game opens its 640x480 window titled RUKO and ends with status 0 on "Quitter".
set -uo pipefail
binary=$1 source_dir=$2 scratch=$3
source "$source_dir/tests/e2e/lib.sh"
mkdir -p "$scratch"

start_game "$binary" "$source_dir" "$scratch/stdout"
eval "$(xdotool getwindowgeometry --shell "$game_window")"
[[ "$WIDTH" == 640 && "$HEIGHT" == 480 ]] || fail "window is ${WIDTH}x${HEIGHT}"
sleep 0.5
kill -0 "$game_pid" || fail "the game ended by itself"

menu_select 5
wait_exit 10
[[ "$game_status" == 0 ]] || fail "Quitter ended with status $game_status"
echo "window and Quitter: ok"
