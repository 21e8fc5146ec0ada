#!/usr/bin/env bash
# The fight through the menus: a fight in each decor, and one fought to the knock-out, then
# back to the opponent menu with the last opponent still selected. The sound of it all is
# recorded: the menus' notes, a bell at each start, a swish from the side of each glove thrown,
# a thud for each point, three bells and the crowd's cheer at the knock-out, each where the
# recording's steps put it. The recording plays the keys (recordings/fight.replay); the window
# is hidden and shown, and the game left, for real.
source "$(dirname "$0")/game_driver.sh"
record_sound

name_strip() { crop "$1" 300x26+170+446 "$SCRATCH/$2.png" >/dev/null; }
# Yellow pixels where the knock-out view writes "KO".
ko_letters() { count_colour "$1" 160x70+240+205 255 255 0; }

# The recording's landmarks: the fight in Amical, its swish and leaving it, Radov Eze Black
# chosen, the fight in Coupe Tavelin, its first punch (from afar), the knock-out and the
# Escape back to the opponent menu.
AMICAL=300 SWISH=434 LEFT_AMICAL=520 CHOSEN=655 CUP=914 PUNCHES=2248 KO=2948 BACK=3228
start_replay fight

# "Amical": black behind the club room, which has no ceiling.
fight=$(shoot_at $AMICAL fight_friendly)
expect_grey "$fight" 400 40 0 "fight in Amical"
[ "$(ko_letters "$fight")" -lt 20 ] || fail "the fight already shows KO"
expect_grey "$(shoot_at $LEFT_AMICAL opponent_after_friendly)" 5 240 128 "opponent menu after Amical"

# "Coupe Tavelin" against Radov Eze Black, to the knock-out.
name_strip "$(shoot_at $CHOSEN opponent_chosen)" chosen
fight=$(shoot_at $CUP fight_cup)
expect_grey "$fight" 320 15 0 "fight in Coupe Tavelin"
[ "$(ko_letters "$fight")" -lt 20 ] || fail "the fight already shows KO"

# The murmur alone past its second start (the first is under the bell), so that a start is
# heard before anything could set it back.
wait_step $((CUP + 240))
# The menu opening and closing over the window makes it "visible" each time, and a hide and
# show go on where they stopped: the crowd's loop starts over only by looping.
for _ in 1 2 3; do toggle_view_menu; done
hide_game
show_game
# The murmur alone for two loops and more after the show, so that its starts are heard clear
# of the punches whether the hide paused it (X) or not (Wine); the recording waits long enough
# for any machine but one too slow to play it.
shown=$(awk '$2 == "check" || $2 == "shown" { step = $1 } END { print step + 0 }' "$LIVE_REPLAY")
((shown + 420 <= PUNCHES)) || fail "shown again at step $shown, too late for the murmur alone"

# Punches from the start distance make no point and no thud; three steps in reach 1.25, the
# only distance that scores, a fourth changes nothing. Each press then scores once, the last
# one falling in the knock-out, where nothing punches any more.
ko=$(shoot_at $((KO + 15)) knockout)
[ "$(ko_letters "$ko")" -gt 200 ] || fail "no KO after 42 punches at the closest distance"
ko_later=$(shoot_at $((KO + 120)) knockout_later)
[ "$(pixels_differing "$ko" "$ko_later")" -gt 2000 ] || fail "the knock-out view does not turn"

back=$(shoot_at $BACK opponent_after_knockout)
expect_grey "$back" 5 240 128 "opponent menu after the knock-out"
name_strip "$back" after
[ "$(pixels_differing "$SCRATCH/chosen.png" "$SCRATCH/after.png")" = 0 ] ||
    fail "the opponent menu forgot Radov Eze Black"

# The recording goes back to the title, where the player's Escape ends the game.
wait_handover
expect_visibility_lines "$VISIBLE$VISIBLE$VISIBLE$VISIBLE$VISIBLE$VISIBLE$HIDDEN$VISIBLE" \
    "the fight prints only the changes of visibility"
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title after the fight: status $GAME_STATUS"

# The menus' notes and the starts' bells are counted: each change of screen can cost a slot,
# more on a busy machine, so they fall a little later than their steps give.
expect_sounds "menu confirmations (Enter)" 6 $CONFIRM_BAND
expect_sounds "menu ticks (Right)" 2 $TICK_BAND
expect_sounds "bell strokes (two starts, the knock-out)" 5 $BELL_BAND
# Within the fight each press that scores is heard where its step gives it, and the
# knock-out's bells start with its last thud.
thuds=$(sounds_heard $THUD_BAND)
expect_spacings "thuds" "$thuds" "$(key_steps 'x|w' $PUNCHES $KO | cut -d' ' -f 5-)"
expect_spacings "the last thud and the knock-out's first bell" \
    "$(echo "$thuds" | tail -n 1; sounds_heard $BELL_BAND | sed -n 3p)" "$KO $KO"
expect_sounds "crowd cheer (the knock-out)" 1 $CHEER_BAND
swishes=$(sides_heard $SWISH_BAND | tr -d C)
[[ $swishes == R* && $swishes == *RLRLRL* ]] ||
    fail "swishes heard from the sides $swishes, not the right then both by turns"
# Where the loop's start is heard (in seconds of sound, the hidden stretch left out) while
# the murmur plays alone, it is a whole number of 3.0 s loops after the last. Under X the hide
# pauses the mix, and starts are heard on both sides of that silence: a loop set back by the
# menu, the show or the resume would be heard out of step after it. The punches, the bells
# and the cheer that come later can each hide a start or move where it is heard.
loops=$("$SOUND_ONSETS" "$RECORDING" \
    --loop "$RUKO_SOURCE/Data/sounds/crowd_murmur.wav")
echo "$loops" | awk -v paused=$([ "${RUKO_UNDER_WINE:-}" = 1 ] && echo 0 || echo 1) '
    $2 == "silence" { if (starts) hidden = 1; next }
    (paused && after == 2) || (!paused && starts == 3) { next }
    starts { n = int(($1 - last) / 3 + 0.5); off = $1 - last - 3 * n }
    starts && (n < 1 || off > 0.03 || off < -0.03) { bad = 1 }
    { last = $1; starts++; if (hidden) after++ }
    END { exit bad || starts < 3 || (paused && after < 2) }' ||
    fail "the crowd's loop starts over; heard at (s, match): $(echo $loops)"
echo "PASS"
