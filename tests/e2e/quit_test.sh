#!/usr/bin/env bash
# The two ways out: Escape on the title and the right-button menu's "Quitter", both with
# status 0.
source "$(dirname "$0")/game_driver.sh"

start_game
press_keys space a
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title did not end with status 0"
expect_stdout "" "Escape on the title"

# "Quitter" is the last of the five entries, from the middle of a menu.
start_game
press_keys Return Return
xdotool mousemove --window "$GAME_WINDOW" 100 100 click 3
menu=$(timeout 10 xdotool search --sync --onlyvisible --name '^freeglut menu$' | head -n 1) ||
    fail "the right button opened no menu"
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 40)) $((Y + HEIGHT * 9 / 10))
sleep 0.2
xdotool click 1
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Quitter did not end with status 0"
# The menu's window covers part of the game's, which GLUT reports as a change of
# visibility: the menu screen says it is visible, never that it is hidden.
if grep -qv -a -x "$(printf 'Fen\xeatre graphique visible')" "$GAME_STDOUT"; then
    fail "Quitter: unexpected output $(od -c "$GAME_STDOUT")"
fi
echo "PASS"
