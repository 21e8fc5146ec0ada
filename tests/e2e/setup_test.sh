#!/usr/bin/env bash
# ruko --setup: every setting chosen in the window reaches the game PLAY starts: English, every
# action's key (é among them, on a French keyboard; a key already taken refused) saved, each
# value changed in place; full screen, the text's size 1 and the volume 0 where the file cannot
# be written, which PLAY says before it starts. Leaving with changed settings asks (save, leave,
# stay), with none it does not; the rumble with no pad and the text sizes too large for the
# screen say so. Killed as it renames the new file over the old, the old stays whole; the pad's
# buttons lit while held and its rumble; no display.
source "$(dirname "$0")/game_driver.sh"
record_sound

export XDG_CONFIG_HOME="$SCRATCH/config"
export XDG_STATE_HOME="$SCRATCH/state" HOME="$SCRATCH/home"
mkdir -p "$HOME"
conf="$XDG_CONFIG_HOME/ruko/ruko.conf"
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$(dirname "$conf")"

status=0
env -u DISPLAY "$RUKO_BINARY" --setup 2>"$SCRATCH/no_display.err" || status=$?
[[ $status == 2 && $(wc -l <"$SCRATCH/no_display.err") == 1 ]] ||
    fail "no display: status $status, told: $(cat "$SCRATCH/no_display.err")"

# As Notepad saves it: a byte-order mark, CR LF, a comment, an unknown section, spaces; the
# keys as they are but the left punch's.
keys_before='turn = t   \r\nright_punch = x\r\nstep_in = up\r\nstep_back = down\r\ncircle_left = left\r\ncircle_right = right\r\neye_up = i\r\neye_down = k\r\nside_left = l\r\nside_right = m\r\n'
keys_after='turn = o   \r\nright_punch = s\r\nstep_in = e\r\nstep_back = d\r\ncircle_left = r\r\ncircle_right = f\r\neye_up = y\r\neye_down = h\r\nside_left = u\r\nside_right = j\r\nleft_punch = \xc3\xa9\r\n'
printf '\xef\xbb\xbf# mine\r\n[keys]\r\n'"$keys_before"'\r\n; below, not the game'"'"'s\r\n[colours]\r\nglove = red\r\n[display]\r\nlanguage  =  fr  \r\n# end\r\n' >"$conf"
printf '\xef\xbb\xbf# mine\r\n[keys]\r\n'"$keys_after"'\r\n; below, not the game'"'"'s\r\n[colours]\r\nglove = red\r\n[display]\r\nlanguage  =  en  \r\n# end\r\n' >"$SCRATCH/expected.conf"

status_line() { crop "$(shoot "$1")" 640x24+0+452 "$SCRATCH/$1_status.png" >/dev/null; }
# The window is gone once the game ends, and its picture could not be taken.
still_running() {
    sleep 0.3
    kill -0 "$GAME_PID" 2>/dev/null || fail "$1"
}
lines_differ() { (($(pixels_differing "$SCRATCH/$1_status.png" "$SCRATCH/$2_status.png") > 100)); }

# English, the volume as it is, and every action a new key, the left punch on a French
# keyboard's own é; PLAY starts the game with them all, saved.
# The display's own layout comes back at the end, whatever else is done then.
layout=$(setxkbmap -query | awk '$1 == "layout:" { print $2 }')
eval "on_exit=$(trap -p EXIT | sed 's/^trap -- //; s/ EXIT$//')"
trap "$on_exit"'; setxkbmap -layout "$layout"' EXIT
setxkbmap -layout fr
start_game --setup --record "$SCRATCH/chosen.replay"
# Language (the first row) to English, then the left punch's key (below the challenge's row): x
# is the right punch's.
press_keys Right Down Down Down Down Down Return x
status_line taken
press_keys Escape
status_line cancelled
lines_differ taken cancelled || fail "x, the right punch's key, was not refused with a word"
press_keys Return eacute
status_line eacute
lines_differ eacute cancelled && fail "é refused as a key"
for key in s e d r f y h u j o; do
    press_keys Down Return "$key"
done
# Down past the guard's and the pause's keys, the rumble and SAVE to PLAY.
press_keys Down Down Down Down Down Return
sleep 0.5
cmp "$conf" "$SCRATCH/expected.conf" || fail "the file saved: $(od -c "$conf")"

press_keys Return
heading=$(crop "$(shoot mode_menu)" 640x40+0+0 "$SCRATCH/heading.png")
crop "$RUKO_SOURCE/docs/en/mode_menu.png" 640x40+0+0 "$SCRATCH/english_heading.png" >/dev/null
(($(pixels_differing "$heading" "$SCRATCH/english_heading.png") < 50)) ||
    fail "the mode menu is not in English after PLAY"
press_keys Return Return Return
sleep 1 # past the fight's bell
for key in eacute eacute eacute w w s; do
    press_keys "$key"
    sleep 0.3
done
press_keys Escape Escape Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the game ended with $GAME_STATUS: $(cat "$SCRATCH/stderr")"
# The fight's bell sounds in the swish's band too, from the middle.
[ "$(sides_heard $SWISH_BAND | tr -d C)" = LLLR ] ||
    fail "three left punches on é, none on w and a right one on s expected, heard: $(sides_heard $SWISH_BAND)"
[ "$(grep -m1 ' keys ' "$SCRATCH/chosen.replay")" = "0 keys \\xe9 s e d r f y h u j o" ] ||
    fail "the game's keys: $(grep -m1 ' keys ' "$SCRATCH/chosen.replay")"
setxkbmap -layout "$layout"
trap "$on_exit" EXIT

# Full screen, the text's size 1 and the volume 0, chosen where no file can be written: PLAY
# says so and starts the game with them all the same.
XDG_CONFIG_HOME="$SCRATCH/not_a_folder"
touch "$XDG_CONFIG_HOME"
start_game --setup
# Each row's step ticks, and the last steps of the volume, then silent, are thuds.
press_keys Down Right Down Right Down Left Left Left Left Left Left Left Left Left Left
status_line before_play
press_keys Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down Return
sleep 0.3
status_line not_saved
lines_differ not_saved before_play || fail "PLAY did not say the settings were not saved"
sleep 2.5
grep -q "not_a_folder" "$SCRATCH/stderr" || fail "stderr did not say where it failed: $(cat "$SCRATCH/stderr")"
eval "$(xdotool getdisplaygeometry --shell)"
screen_size="${WIDTH}x$HEIGHT"
eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
[ "${WIDTH}x$HEIGHT" = "$screen_size" ] || fail "not full screen: ${WIDTH}x$HEIGHT on $screen_size"
yellow_height() {
    convert "$1" -crop 640x60+0+0 +repage -fuzz 12% -fill black +opaque "rgb(255,255,0)" -trim \
        -format %h info:
}
press_keys Return Down Up
[ "$(yellow_height "$(shoot size_one)")" = "$(yellow_height "$RUKO_SOURCE/docs/mode_menu.png")" ] ||
    fail "the mode menu's heading is not at the text's size 1"
press_keys Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the game ended with $GAME_STATUS: $(cat "$SCRATCH/stderr")"
# No Enter note from the game; of the ticks, the setup's five before the volume went to 0
# alone (two of them may sound as one on a busy machine), none from the game's menu.
expect_sounds "Enter notes" 0 $CONFIRM_BAND
ticks=$(sounds_heard $TICK_BAND | grep -c .) || true
((ticks >= 1 && ticks <= 5)) || fail "the setup's five ticks expected alone, heard $ticks"
XDG_CONFIG_HOME="$SCRATCH/config"

# Killed at the rename: the old file whole, the new one whole beside it. Mesa's shader cache,
# empty in the test's own cache folder, would rename its new files first.
cp "$conf" "$SCRATCH/before.conf"
GAME_RUNNER=(env MESA_SHADER_CACHE_DISABLE=true strace -f -o /dev/null -e trace=rename,renameat,renameat2
    -e inject=rename,renameat,renameat2:signal=KILL)
start_game --setup
# With the mouse: the language's row, then SAVE's.
xdotool mousemove --window "$GAME_WINDOW" 100 59 click 1 sleep 0.3 mousemove --window \
    "$GAME_WINDOW" 100 413 click 1
wait_game_exit
GAME_RUNNER=()
[ "$GAME_STATUS" = 137 ] || fail "not killed at the rename: status $GAME_STATUS"
cmp "$conf" "$SCRATCH/before.conf" || fail "the file changed before its rename"
sed 's/=  en  /=  fr  /' "$SCRATCH/before.conf" >"$SCRATCH/french.conf"
cmp "$(dirname "$conf")"/ruko.conf.*.new "$SCRATCH/french.conf" || fail "the new file not whole"

# The rumble tried with no pad says so; the text's sizes too large for the screen are marked.
printf '[display]\nlanguage = fr\n' >"$conf"
cp "$conf" "$SCRATCH/unchanged.conf"
start_game --setup
status_line help
# Up from the first row wraps round to QUIT, the last; TRY THE RUMBLE is four rows up.
press_keys Up Up Up Up Return
status_line no_pad
lines_differ no_pad help || fail "trying the rumble with no pad said nothing"
# Down to the text's size (the third row), then each size from 1 to 4: its value in red.
press_keys Down Down Down Down Down Down
declare -A value_red
for size in 1 2 3 4; do
    press_keys Right
    value_red[$size]=$(count_colour "$(shoot "size_$size")" 280x20+360+82 255 0 0)
done
eval "$(xdotool getdisplaygeometry --shell)"
for size in 2 3 4; do
    fits=$((640 * size <= WIDTH && 480 * size <= HEIGHT))
    marked=$((value_red[$size] > 3 * value_red[1]))
    ((fits != marked)) || fail "text size $size on a ${WIDTH}x$HEIGHT screen: ${value_red[$size]}" \
        "red pixels against ${value_red[1]} for size 1 (marked $marked)"
done
# Back to auto: nothing changed yet. The language changed, leaving asks first: Escape stays.
press_keys Right Up Up Right
status_line changed
press_keys Escape
still_running "Escape left changed settings without a question"
status_line question
lines_differ question changed || fail "Escape with changed settings asked nothing"
press_keys Escape
still_running "Escape answered the question by leaving"
status_line stayed
lines_differ stayed question || fail "Escape did not answer the question by staying"
# QUIT asks too; its answer "leave without saving", the second, leaves the file as it was.
press_keys Up Return Right Return
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "leaving without saving ended with $GAME_STATUS"
cmp "$conf" "$SCRATCH/unchanged.conf" || fail "leaving without saving changed the file"
# The answer "save", clicked: "SAVE   LEAVE WITHOUT SAVING   STAY" centred in the status line.
# The challenge (the fifth row) turned on, past easy to normal, goes into the file's new [game]
# section; the level, normal, is the usual one and stays unwritten.
start_game --setup
press_keys Right Down Down Down Down Right Right Escape
xdotool mousemove --window "$GAME_WINDOW" 140 462 click 1
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "leaving after saving ended with $GAME_STATUS"
grep -qx 'language = en' "$conf" || fail "the answer SAVE did not save: $(cat "$conf")"
[ "$(tail -n 3 "$conf")" = $'\n[game]\nchallenge = yes' ] ||
    fail "the challenge not saved under a new [game]: $(cat "$conf")"

start_pad_game --setup
pad_line() { count_colour "$(shoot "$1")" 640x16+0+371 255 255 0; }
lit_before=$(pad_line unlit)
pad press x
pad polls 4
lit=$(pad_line lit)
pad release x
pad polls 4
((lit > lit_before + 10 && $(pad_line released) == lit_before)) ||
    fail "the pad's X not lit while held alone: $lit_before, $lit"
pad tap dpup
pad tap dpup
pad tap dpup
pad tap dpup
pad tap a
[ "$(rumbles 65535 65535)" = 1 ] || fail "no rumble tried: $(cat "$PAD_LOG")"
# Nothing changed: Escape leaves at once.
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape ended the setup with $GAME_STATUS"
