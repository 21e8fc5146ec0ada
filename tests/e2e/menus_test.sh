#!/usr/bin/env bash
# From the title into each menu and back with Escape, each screen's clear colour, the
# opponent choice wrapping both ways, and every selection kept on return. Entering a screen
# prints nothing: only a change of visibility does.
source "$(dirname "$0")/game_driver.sh"

# The opponent's name under the turntable, compared as a picture.
name_strip() { crop "$1" 300x26+170+446 "$SCRATCH/$2.png" >/dev/null; }
same_picture() { [ "$(pixels_differing "$SCRATCH/$1.png" "$SCRATCH/$2.png")" = 0 ]; }

start_game
expect_grey "$(shoot title)" 5 240 153 "title"

press_keys Return
expect_grey "$(shoot mode)" 5 240 128 "mode menu"
press_keys Escape
expect_grey "$(shoot title_again)" 5 240 153 "title after Escape"

# Fight branch: ModeMenu, OpponentMenu, DecorMenu, and back one at a time.
press_keys Return Return
name_strip "$(shoot opponent1)" name1
expect_grey "$SCRATCH/opponent1.png" 5 240 128 "opponent menu"
press_keys Right
name_strip "$(shoot opponent2)" name2
press_keys Right
name_strip "$(shoot opponent3)" name3
press_keys Right
name_strip "$(shoot opponent_wrapped)" wrapped_right
same_picture name1 wrapped_right || fail "Right from Dida Vud does not come back to Radov Eze"
press_keys Left
name_strip "$(shoot opponent_wrapped_left)" wrapped_left
same_picture name3 wrapped_left || fail "Left from Radov Eze does not show Dida Vud"
same_picture name1 name2 && fail "the names of opponents 1 and 2 look alike"
same_picture name2 name3 && fail "the names of opponents 2 and 3 look alike"
press_keys Left # Radov Eze Black

press_keys Return
expect_grey "$(shoot decor)" 20 200 153 "decor menu"
press_keys Right
shoot decor2 >/dev/null
[ "$(pixels_differing "$SCRATCH/decor.png" "$SCRATCH/decor2.png")" -gt 1000 ] ||
    fail "the decor menu's arrows changed no ring"
press_keys Escape
name_strip "$(shoot opponent_back)" back
same_picture name2 back || fail "the opponent menu forgot Radov Eze Black"
press_keys Return
crop "$(shoot decor_back)" 300x26+170+446 "$SCRATCH/decor_back_name.png" >/dev/null
crop "$SCRATCH/decor2.png" 300x26+170+446 "$SCRATCH/decor2_name.png" >/dev/null
same_picture decor2_name decor_back_name || fail "the decor menu forgot Coupe Tavelin"
press_keys Escape Escape
expect_grey "$(shoot mode_back)" 5 240 128 "mode menu from the opponent menu"

# Training branch: the arrow moves down to ENTRAINEMENT and stays there on return.
press_keys Down
shoot mode_training >/dev/null
[ "$(pixels_differing "$SCRATCH/mode_back.png" "$SCRATCH/mode_training.png")" -gt 1000 ] ||
    fail "Down did not move the mode menu's arrow"
press_keys Return
expect_grey "$(shoot training_menu)" 5 240 128 "training menu"
press_keys Left
crop "$(shoot training_menu_ball)" 300x26+170+446 "$SCRATCH/ball_name.png" >/dev/null
crop "$SCRATCH/training_menu.png" 300x26+170+446 "$SCRATCH/bag_name.png" >/dev/null
same_picture bag_name ball_name && fail "Left did not change the training"
press_keys Escape
expect_grey "$(shoot mode_after_training)" 5 240 128 "mode menu from the training menu"
press_keys Return
crop "$(shoot training_menu_back)" 300x26+170+446 "$SCRATCH/ball_name_back.png" >/dev/null
same_picture ball_name ball_name_back || fail "the training menu forgot the punching ball"
press_keys Escape Escape
expect_grey "$(shoot title_last)" 5 240 153 "title at the end"

expect_stdout "" "screen changes print nothing"
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title did not end with status 0"
echo "PASS"
