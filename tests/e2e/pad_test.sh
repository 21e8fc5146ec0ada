#!/usr/bin/env bash
# A whole game with the virtual pad alone: the title to a fight, 41 scoring punches to the
# knock-out (a short rumble for each point, a long one at the knock-out), B back; the punch bag
# to its end with buttons held down. Then a pad unplugged while it holds a punch, the keyboard
# playing on, a pad plugged in again. And with SDL's controllers refusing to start: one line on
# stderr, the keyboard as ever. Also: A behind another window or hidden, a hide in a rumble.
source "$(dirname "$0")/game_driver.sh"

ko_letters() { count_colour "$1" 160x70+240+205 255 255 0; }
rating_letters() { count_colour "$1" 560x40+40+265 0 255 0; }

start_pad_game --mute
# A pressed while another window has the focus, then while hidden: nothing, then or later.
xmessage -geometry +700+0 elsewhere & MESSAGE_PID=$!
OTHER_PIDS+=("$MESSAGE_PID")
timeout 5 xdotool windowfocus --sync "$(timeout 10 xdotool search --sync --onlyvisible \
    --name '^xmessage$' | head -n 1)" || fail "cannot focus xmessage"
pad tap a
expect_grey "$(shoot pad_title_behind)" 5 240 153 "title after A pressed behind another window"
hide_game
pad press a
show_game
pad polls 2
pad release a
pad polls 2
expect_grey "$(shoot pad_title_shown)" 5 240 153 "title after A pressed while hidden"
pad tap a # title
pad tap start # mode menu: COMBAT
pad tap a # opponent menu: Radov Eze
pad tap a # decor menu: Amical
expect_grey "$(shoot pad_fight)" 400 40 0 "fight in Amical"
# Two steps in by the D-pad, the third by the left stick: 1.25, the scoring distance.
pad tap dpup
pad tap dpup
pad axis lefty -30000
pad polls 2
pad axis lefty 0
pad polls 2
for _ in $(seq 1 21); do
    pad tap x
    pad wait 150
    pad tap rightshoulder
    [ "$(rumbles 65535 65535)" = 0 ] || break # hidden within the knock-out's rumble: it stops
    pad wait 150
done
hide_game
stopped() { awk '/^rumble 65535 65535$/{k=1} k&&/^rumble 0 0$/{s=1} END{exit !s}' "$PAD_LOG"; }
for _ in $(seq 1 14); do stopped && break || sleep 0.05; done
stopped || fail "the knock-out's rumble went on while hidden"
show_game
[ "$(ko_letters "$(shoot pad_knockout)")" -gt 200 ] || fail "no KO after the pad punches"
[ "$(rumbles 20480 36864)" = 40 ] || fail "$(rumbles 20480 36864) short rumbles for 40 points"
[ "$(rumbles 65535 65535)" = 1 ] || fail "$(rumbles 65535 65535) long rumbles at the knock-out"
pad tap b
expect_grey "$(shoot pad_opponent_menu)" 5 240 128 "opponent menu after the knock-out"

# The punch bag, both punches held: they punch again and again until the twentieth hit.
pad tap back # mode menu
pad tap dpdown
pad tap a # training menu
pad tap a
pad press a
pad press leftshoulder
pad wait 5000
pad release a
pad release leftshoulder
[ "$(rating_letters "$(shoot pad_bag_finished)")" -gt 200 ] || fail "held punches did not end the training"
pad unplug # on the results, then back (a wireless pad waking up): B still leaves them
pad polls 1
pad plug
pad tap b
expect_grey "$(shoot pad_training_menu)" 5 240 128 "training menu after the bag"

# Unplugged while holding a punch, then the keyboard in the fight; a pad plugged in again.
pad tap back
pad tap dpup
pad tap a
pad tap a
pad tap a
pad press x
pad unplug
press_keys Up Up Up x w
fight=$(shoot fight_keys)
expect_grey "$fight" 400 40 0 "fight played on the keyboard"
press_keys Escape
pad plug
pad tap b # opponent menu to mode menu
pad tap back # mode menu to title
sleep 0.3
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS"
expect_stdout "$HIDDEN$HIDDEN$VISIBLE" "the pads print nothing; the hides their lines"
[ ! -s "$SCRATCH/stderr" ] || fail "stderr with a pad: $(cat "$SCRATCH/stderr")"

RUKO_PAD_FAIL=1 start_pad_game --mute
press_keys Return Escape Escape
wait_game_exit
[ "$(grep -c . "$SCRATCH/stderr")" = 1 ] || fail "stderr without controllers: $(cat "$SCRATCH/stderr")"
grep -q "^ruko: playing without gamepads: " "$SCRATCH/stderr" || fail "stderr: $(cat "$SCRATCH/stderr")"
echo "PASS"
