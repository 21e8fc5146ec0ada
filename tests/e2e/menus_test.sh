#!/usr/bin/env bash
# From the title into each menu and back with Escape, each screen's clear colour, the
# opponent choice wrapping both ways, and every selection kept on return. Entering a screen
# prints nothing: only a change of visibility does. The recording (recordings/menus.replay)
# walks the menus; the player's Escape ends the game on the title.
source "$(dirname "$0")/game_driver.sh"

# The opponent's name under the turntable, compared as a picture.
name_strip() { crop "$1" 300x26+170+446 "$SCRATCH/$2.png" >/dev/null; }
same_picture() { [ "$(pixels_differing "$SCRATCH/$1.png" "$SCRATCH/$2.png")" = 0 ]; }

start_replay menus
expect_grey "$(shoot_at 60 title)" 5 240 153 "title"
expect_grey "$(shoot_at 144 mode)" 5 240 128 "mode menu" # Enter
expect_grey "$(shoot_at 243 title_again)" 5 240 153 "title after Escape"

# Fight branch: ModeMenu, OpponentMenu, DecorMenu, and back one at a time.
name_strip "$(shoot_at 440 opponent1)" name1 # Enter, Enter
expect_grey "$SCRATCH/opponent1.png" 5 240 128 "opponent menu"
name_strip "$(shoot_at 538 opponent2)" name2 # Right
name_strip "$(shoot_at 636 opponent3)" name3 # Right
name_strip "$(shoot_at 735 opponent_wrapped)" wrapped_right # Right
same_picture name1 wrapped_right || fail "Right from Dida Vud does not come back to Radov Eze"
name_strip "$(shoot_at 833 opponent_wrapped_left)" wrapped_left # Left
same_picture name3 wrapped_left || fail "Left from Radov Eze does not show Dida Vud"
same_picture name1 name2 && fail "the names of opponents 1 and 2 look alike"
same_picture name2 name3 && fail "the names of opponents 2 and 3 look alike"

# Left: Radov Eze Black; Enter.
expect_grey "$(shoot_at 1031 decor)" 20 200 153 "decor menu"
shoot_at 1129 decor2 >/dev/null # Right
[ "$(pixels_differing "$SCRATCH/decor.png" "$SCRATCH/decor2.png")" -gt 1000 ] ||
    fail "the decor menu's arrows changed no ring"
name_strip "$(shoot_at 1228 opponent_back)" back # Escape
same_picture name2 back || fail "the opponent menu forgot Radov Eze Black"
crop "$(shoot_at 1327 decor_back)" 300x26+170+446 "$SCRATCH/decor_back_name.png" >/dev/null # Enter
crop "$SCRATCH/decor2.png" 300x26+170+446 "$SCRATCH/decor2_name.png" >/dev/null
same_picture decor2_name decor_back_name || fail "the decor menu forgot Coupe Tavelin"
expect_grey "$(shoot_at 1523 mode_back)" 5 240 128 "mode menu from the opponent menu" # Escape, Escape

# Training branch: the arrow moves down to ENTRAINEMENT and stays there on return.
shoot_at 1622 mode_training >/dev/null # Down
[ "$(pixels_differing "$SCRATCH/mode_back.png" "$SCRATCH/mode_training.png")" -gt 1000 ] ||
    fail "Down did not move the mode menu's arrow"
expect_grey "$(shoot_at 1720 training_menu)" 5 240 128 "training menu" # Enter
crop "$(shoot_at 1819 training_menu_ball)" 300x26+170+446 "$SCRATCH/ball_name.png" >/dev/null # Left
crop "$SCRATCH/training_menu.png" 300x26+170+446 "$SCRATCH/bag_name.png" >/dev/null
same_picture bag_name ball_name && fail "Left did not change the training"
expect_grey "$(shoot_at 1917 mode_after_training)" 5 240 128 "mode menu from the training menu" # Escape
crop "$(shoot_at 2016 training_menu_back)" 300x26+170+446 "$SCRATCH/ball_name_back.png" >/dev/null # Enter
same_picture ball_name ball_name_back || fail "the training menu forgot the punching ball"
wait_handover # Escape, Escape: the title, where the recording's last Escape ended the game
expect_grey "$(shoot title_last)" 5 240 153 "title at the end"

expect_stdout "" "screen changes print nothing"
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title did not end with status 0"
echo "PASS"
