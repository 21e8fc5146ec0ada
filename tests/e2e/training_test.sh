#!/usr/bin/env bash
# Both trainings through the menus: the arrows change nothing, twenty counted hits end the
# run with its rating, and a finished run no longer ticks, even once shown again. In the
# recorded sound: a thud for each hit on the bag, where its step gives it (the ball's are
# lighter slaps), a bell at each end. Recordings play up to each run's end
# (recordings/training_bag.replay, training_ball.replay); the player's keys take over there.
source "$(dirname "$0")/game_driver.sh"

name_strip() { crop "$1" 300x26+170+446 "$SCRATCH/$2.png" >/dev/null; }
# Green rating letters: the whole row, and the part only the long poor rating reaches.
rating_letters() { count_colour "$1" 560x40+40+265 0 255 0; }
poor_rating_letters() { count_colour "$1" 140x40+45+265 0 255 0; }
# The finished run, once its rating shows and it has settled.
finished() {
    wait_handover
    for _ in $(seq 1 50); do
        (($(rating_letters "$(shoot "$1")") > 200)) && break
    done
    [ "$(idle_activity 1)" -le 3 ] || fail "the finished training still ticks"
    shoot "$1"
}

# The punch bag: every punch counts. Title, mode menu: ENTRAINEMENT, the bag.
record_sound
start_replay training_bag
name_strip "$(shoot_at 221 training_menu)" bag_name
bag=$(shoot_at 324 bag)
expect_grey "$bag" 5 240 153 "bag training"
[ "$(count_colour "$bag" 100x100+270+120 125 0 0)" -gt 5000 ] || fail "no dark red bag in the middle"
[ "$(pixels_differing "$bag" "$(shoot_at 443 bag_after_arrows)")" = 0 ] ||
    fail "an arrow changed the bag training"
[ "$(rating_letters "$bag")" -lt 20 ] || fail "a rating before any punch"
[ "$(rating_letters "$(shoot_at 711 bag_19)")" -lt 20 ] || fail "19 hits ended the training"
bag_done=$(finished bag_finished)
[ "$(rating_letters "$bag_done")" -gt 200 ] || fail "no rating after 20 punches on the bag"
[ "$(poor_rating_letters "$bag_done")" -lt 10 ] || fail "20 punches out of 20 rated poorly"
hide_game
show_game
[ "$(idle_activity 1)" -le 3 ] || fail "the finished training ticks again once shown"
press_keys x w
for _ in $(seq 1 50); do grep -q ' key w' "$LIVE_REPLAY" && break; sleep 0.05; done
[ "$(pixels_differing "$bag_done" "$(shoot bag_keys_after_end)")" = 0 ] ||
    fail "punches moved the gloves after the end"
press_keys Escape
name_strip "$(shoot_grey training_menu_back 5 240 128 "training menu after the bag")" bag_name_back
[ "$(pixels_differing "$SCRATCH/bag_name.png" "$SCRATCH/bag_name_back.png")" = 0 ] ||
    fail "the training menu forgot the bag"
expect_stdout "" "the bag training prints nothing"
press_keys Escape Escape Escape # mode menu, title, end
wait_game_exit
thuds=$(sounds_heard $THUD_BAND)
expect_spacings "thuds on the bag" "$thuds" "$(key_steps x)"
expect_spacings "the last thud and the bell at the end" \
    "$(echo "$thuds" | tail -n 1; sounds_heard $BELL_BAND)" "820 820"

# The punching ball: a punch counts only while the ball is at the player's end of its
# swing, 4 steps in 22, so punching steadily gives a poor rating.
record_sound
start_replay training_ball
ball=$(shoot_at 449 ball)
expect_grey "$ball" 5 240 153 "ball training"
# The swing repeats every 22 steps (0.37 s): pictures taken one after the other, each taking
# its own time, cannot all land on the same point of the swing.
for _ in $(seq 1 20); do
    [ "$(pixels_differing "$ball" "$(shoot ball_swinging)")" -gt 100 ] && break
done
before_next_key 449 "the ball's swing"
[ "$(pixels_differing "$ball" "$SCRATCH/ball_swinging.png")" -gt 100 ] || fail "the ball does not swing"
ball_done=$(finished ball_finished)
[ "$(poor_rating_letters "$ball_done")" -gt 100 ] || fail "steady punching on the ball was not rated poorly"
press_keys Escape
name_strip "$(shoot_grey training_menu_ball 5 240 128 "training menu after the ball")" ball_name_back
[ "$(pixels_differing "$SCRATCH/bag_name.png" "$SCRATCH/ball_name_back.png")" -gt 0 ] ||
    fail "the training menu forgot the punching ball"
expect_stdout "" "the ball training prints nothing"
press_keys Escape Escape Escape # mode menu, title, end
wait_game_exit
expect_sounds "thuds on the ball" 0 $THUD_BAND
expect_sounds "bell (the end)" 1 $BELL_BAND
echo "PASS"
