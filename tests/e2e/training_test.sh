#!/usr/bin/env bash
# Both trainings through the menus: the arrows change nothing, twenty counted hits end the
# run with its rating, and a finished run no longer ticks, even once shown again. In the
# recorded sound: a thud for each hit on the bag (the ball's are lighter slaps), a bell at
# each end.
source "$(dirname "$0")/game_driver.sh"
record_sound

name_strip() { crop "$1" 300x26+170+446 "$SCRATCH/$2.png" >/dev/null; }
# Green rating letters: the whole row, and the part only the long poor rating reaches.
rating_letters() { count_colour "$1" 560x40+40+265 0 255 0; }
poor_rating_letters() { count_colour "$1" 140x40+45+265 0 255 0; }

start_game
press_keys Return Down Return # title, mode menu: ENTRAINEMENT
name_strip "$(shoot training_menu)" bag_name

# The punch bag: every punch counts.
press_keys Return
bag=$(shoot bag)
expect_grey "$bag" 5 240 153 "bag training"
[ "$(count_colour "$bag" 100x100+270+120 125 0 0)" -gt 5000 ] || fail "no dark red bag in the middle"
press_keys Left Right Up Down
[ "$(pixels_differing "$bag" "$(shoot bag_after_arrows)")" = 0 ] || fail "an arrow changed the bag training"
[ "$(rating_letters "$bag")" -lt 20 ] || fail "a rating before any punch"
press_repeatedly 19 150 x
[ "$(rating_letters "$(shoot bag_19)")" -lt 20 ] || fail "19 hits ended the training"
press_keys x
sleep 0.3
bag_done=$(shoot bag_finished)
[ "$(rating_letters "$bag_done")" -gt 200 ] || fail "no rating after 20 punches on the bag"
[ "$(poor_rating_letters "$bag_done")" -lt 10 ] || fail "20 punches out of 20 rated poorly"
[ "$(idle_activity 1)" -le 3 ] || fail "the finished training still ticks"
hide_game
show_game
[ "$(idle_activity 1)" -le 3 ] || fail "the finished training ticks again once shown"
press_keys x w
[ "$(pixels_differing "$bag_done" "$(shoot bag_keys_after_end)")" = 0 ] ||
    fail "punches moved the gloves after the end"

press_keys Escape
menu=$(shoot training_menu_back)
expect_grey "$menu" 5 240 128 "training menu after the bag"
name_strip "$menu" bag_name_back
[ "$(pixels_differing "$SCRATCH/bag_name.png" "$SCRATCH/bag_name_back.png")" = 0 ] ||
    fail "the training menu forgot the bag"

# The punching ball: a punch counts only while the ball is at the player's end of its
# swing, 4 steps in 22, so punching steadily gives a poor rating.
press_keys Right Return
ball=$(shoot ball)
expect_grey "$ball" 5 240 153 "ball training"
# The swing repeats every 22 steps (0.37 s at 60 steps a second): looks taken at uneven
# intervals cannot all land on the same point of the swing.
swings=0
for pause in 0.11 0.17 0.23 0.29 0.41 0.53; do
    sleep "$pause"
    if [ "$(pixels_differing "$ball" "$(shoot ball_swinging)")" -gt 100 ]; then
        swings=1
        break
    fi
done
[ "$swings" = 1 ] || fail "the ball does not swing"
for _ in $(seq 1 8); do
    press_repeatedly 20 50 x w
    [ "$(rating_letters "$(shoot ball_progress)")" -gt 200 ] && break
done
ball_done=$(shoot ball_finished)
[ "$(poor_rating_letters "$ball_done")" -gt 100 ] || fail "steady punching on the ball was not rated poorly"
[ "$(idle_activity 1)" -le 3 ] || fail "the finished ball training still ticks"
press_keys Escape
name_strip "$(shoot training_menu_ball)" ball_name_back
[ "$(pixels_differing "$SCRATCH/bag_name.png" "$SCRATCH/ball_name_back.png")" -gt 0 ] ||
    fail "the training menu forgot the punching ball"

expect_stdout "" "the training prints nothing"

press_keys Escape Escape Escape # mode menu, title, end
wait_game_exit
expect_sounds "thuds on the bag" 20 $THUD_BAND
expect_sounds "bells (two ends)" 2 $BELL_BAND
echo "PASS"
