#!/usr/bin/env bash
# ruko --setup: English and a new key chosen in the window, a key already taken refused, then
# PLAY starts the game with them (the mode menu in English, punches on the new key alone); the
# player's file changed in its two values alone; killed as it renames the new file over the
# old, the old stays whole; the pad's buttons lit while held and its rumble; no display.
source "$(dirname "$0")/game_driver.sh"
record_sound

export XDG_CONFIG_HOME="$SCRATCH/config"
conf="$XDG_CONFIG_HOME/ruko/ruko.conf"
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$(dirname "$conf")"

status=0
env -u DISPLAY "$RUKO_BINARY" --setup 2>"$SCRATCH/no_display.err" || status=$?
[[ $status == 2 && $(wc -l <"$SCRATCH/no_display.err") == 1 ]] ||
    fail "no display: status $status, told: $(cat "$SCRATCH/no_display.err")"

# As Notepad saves it: a byte-order mark, CR LF, a comment, an unknown section, spaces.
printf '\xef\xbb\xbf# mine\r\n[keys]\r\nturn = t   \r\n\r\n; below, not the game'"'"'s\r\n[colours]\r\nglove = red\r\n[display]\r\nlanguage  =  fr  \r\n# end\r\n' >"$conf"
printf '\xef\xbb\xbf# mine\r\n[keys]\r\nturn = t   \r\nleft_punch = q\r\n\r\n; below, not the game'"'"'s\r\n[colours]\r\nglove = red\r\n[display]\r\nlanguage  =  en  \r\n# end\r\n' >"$SCRATCH/expected.conf"

status_line() { crop "$(shoot "$1")" 640x24+0+452 "$SCRATCH/$1_status.png" >/dev/null; }

start_game --setup
# Language (the first row) to English, then the left punch's key: x is the right punch's.
press_keys Right Down Down Down Down Return x
status_line taken
press_keys Escape
status_line cancelled
(($(pixels_differing "$SCRATCH/taken_status.png" "$SCRATCH/cancelled_status.png") > 100)) ||
    fail "x, the right punch's key, was not refused with a word"
press_keys Return q
# Up past the first row to PLAY, the last but one.
press_keys Up Up Up Up Up Up Return
sleep 0.5
cmp "$conf" "$SCRATCH/expected.conf" || fail "the file saved: $(od -c "$conf")"

press_keys Return
heading=$(crop "$(shoot mode_menu)" 640x40+0+0 "$SCRATCH/heading.png")
crop "$RUKO_SOURCE/docs/en/mode_menu.png" 640x40+0+0 "$SCRATCH/english_heading.png" >/dev/null
(($(pixels_differing "$heading" "$SCRATCH/english_heading.png") < 50)) ||
    fail "the mode menu is not in English after PLAY"
press_keys Return Return Return
for key in q q q w w; do
    press_keys "$key"
    sleep 0.3
done
press_keys Escape Escape Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the game ended with $GAME_STATUS: $(cat "$SCRATCH/stderr")"
# The fight's bell sounds in the swish's band too, from the middle.
[ "$(sides_heard $SWISH_BAND | tr -d C)" = LLL ] ||
    fail "three left punches on q and none on w expected, heard: $(sides_heard $SWISH_BAND)"

# Killed at the rename: the old file whole, the new one whole beside it.
cp "$conf" "$SCRATCH/before.conf"
GAME_RUNNER=(strace -f -o /dev/null -e trace=rename,renameat,renameat2
    -e inject=rename,renameat,renameat2:signal=KILL)
start_game --setup
# With the mouse: the language's row, then SAVE's.
xdotool mousemove --window "$GAME_WINDOW" 100 59 click 1 sleep 0.3 mousemove --window \
    "$GAME_WINDOW" 100 379 click 1
wait_game_exit
GAME_RUNNER=()
[ "$GAME_STATUS" = 137 ] || fail "not killed at the rename: status $GAME_STATUS"
cmp "$conf" "$SCRATCH/before.conf" || fail "the file changed before its rename"
sed 's/=  en  /=  fr  /' "$SCRATCH/before.conf" >"$SCRATCH/french.conf"
cmp "$(dirname "$conf")"/ruko.conf.*.new "$SCRATCH/french.conf" || fail "the new file not whole"

start_pad_game --setup
pad_line() { count_colour "$(shoot "$1")" 640x16+0+337 255 255 0; }
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
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape ended the setup with $GAME_STATUS"
