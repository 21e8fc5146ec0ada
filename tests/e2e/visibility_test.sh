#!/usr/bin/env bash
# Hiding and showing the window on every screen: the messages of each screen as exact bytes
# in order, in the locale's encoding, and the animation stopped while hidden and resumed after.
source "$(dirname "$0")/game_driver.sh"

# One second hidden runs no step at all; one second shown again runs them at the game's
# pace.
hide_and_show() {
    hide_game
    local hidden shown
    hidden=$(idle_activity 1)
    show_game
    shown=$(idle_activity 1)
    echo "$1: $hidden context switches hidden, $shown shown"
    [ "$hidden" -le 3 ] || fail "$1: the animation went on while hidden"
    [ "$shown" -ge 20 ] || fail "$1: the animation did not resume"
}

start_game
hide_and_show title # says only that it is hidden
expect_stdout "$HIDDEN" "title"

press_keys Return
hide_and_show "mode menu"
expect_stdout "$HIDDEN$HIDDEN$VISIBLE" "mode menu"

# The turntable turns again from where it stopped.
press_keys Return
hide_and_show "opponent menu"
after=$(shoot turntable_after)
sleep 1
later=$(shoot turntable_later)
[ "$(pixels_differing "$after" "$later")" -gt 2000 ] || fail "the turntable does not turn"
expect_stdout "$HIDDEN$HIDDEN$VISIBLE$HIDDEN$VISIBLE" "opponent menu"

press_keys Return
hide_and_show "decor menu"
press_keys Return
hide_and_show fight
expect_stdout "$HIDDEN$HIDDEN$VISIBLE$HIDDEN$VISIBLE$HIDDEN$VISIBLE$HIDDEN$VISIBLE" "fight"

press_keys Escape Escape Down Return
hide_and_show "training menu"
press_keys Return
hide_and_show training # silent
expect_stdout "$HIDDEN$HIDDEN$VISIBLE$HIDDEN$VISIBLE$HIDDEN$VISIBLE$HIDDEN$VISIBLE$HIDDEN$VISIBLE" \
    "training menu and training"
expect_grey "$(shoot training)" 5 240 153 "training after being shown again"

# In a UTF-8 locale, the same lines in UTF-8: the C locale's above are ISO 8859-1.
stop_game
LC_ALL=C.UTF-8 start_game
press_keys Return
hide_game
show_game
expect_stdout 'Fen\xc3\xaatre graphique invisible\nFen\xc3\xaatre graphique visible\n' "in C.UTF-8"
echo "PASS"
