#!/usr/bin/env bash
# The settings file: a QWERTY one (punches on z and x, volume 0) plays a fight to the knock-out
# in silence, its bad lines told on stderr with their numbers; `--settings` prints what is in
# effect, which read back gives the same; an unreadable file is told once, and so are UTF-16,
# a FIFO, /dev/zero, a file too large, in the terminal's encoding; ~/.config is the place when
# XDG_CONFIG_HOME is unset.
# `--write-settings` makes the file and its folders where there is none, and never over one.
source "$(dirname "$0")/game_driver.sh"
record_sound

ko_letters() { count_colour "$1" 160x70+240+205 255 255 0; }

export XDG_CONFIG_HOME="$SCRATCH/config"
conf="$XDG_CONFIG_HOME/ruko/ruko.conf"
rm -rf "$XDG_CONFIG_HOME" "$SCRATCH/home"
mkdir -p "$(dirname "$conf")"
cat >"$conf" <<'CONF'
# QWERTY
[keys]
left_punch = z
right_punch = x
eye_up = z
[sound]
volume = loud
volume = 0
CONF
expected_problems="ruko: $conf:5: key 'z' is already left_punch's: ignored
ruko: $conf:7: volume 'loud' is not a number from 0 to 100: ignored"

start_game
press_keys Return
press_keys Return
press_keys Return
press_keys Return
press_keys Up Up Up
press_repeatedly 21 250 z x
sleep 0.5
[ "$(ko_letters "$(shoot qwerty_knockout)")" -gt 200 ] || fail "no KO after 42 punches on z and x"
press_keys Escape Escape Escape Escape
wait_game_exit
[ "$(cat "$SCRATCH/stderr")" = "$expected_problems" ] || fail "stderr: $(cat "$SCRATCH/stderr")"
expect_sounds "thuds at volume 0" 0 $THUD_BAND

cd "$RUKO_SOURCE"
"$RUKO_BINARY" --settings >"$SCRATCH/printed.conf" 2>"$SCRATCH/printed.err"
[ "$(cat "$SCRATCH/printed.err")" = "$expected_problems" ] || fail "--settings told: $(cat "$SCRATCH/printed.err")"
grep -qx "left_punch = z" "$SCRATCH/printed.conf" || fail "--settings printed: $(cat "$SCRATCH/printed.conf")"
grep -qx "volume = 0" "$SCRATCH/printed.conf" || fail "--settings printed: $(cat "$SCRATCH/printed.conf")"
cp "$SCRATCH/printed.conf" "$conf"
"$RUKO_BINARY" --settings >"$SCRATCH/reprinted.conf" 2>"$SCRATCH/reprinted.err"
[ ! -s "$SCRATCH/reprinted.err" ] && cmp -s "$SCRATCH/printed.conf" "$SCRATCH/reprinted.conf" ||
    fail "--settings read back differs"

rm "$conf"
mkdir "$conf"
"$RUKO_BINARY" --settings >"$SCRATCH/unreadable.conf" 2>"$SCRATCH/unreadable.err"
[ "$(cat "$SCRATCH/unreadable.err")" = "ruko: cannot read $conf: Is a directory" ] ||
    fail "an unreadable file told: $(cat "$SCRATCH/unreadable.err")"
grep -qx "left_punch = w" "$SCRATCH/unreadable.conf" || fail "not the usual keys without a file"

# Files as editors save them, and files that are none: told at once, in one line each.
settings_told() {
    timeout 20 "$RUKO_BINARY" --settings >"$SCRATCH/told.conf" 2>"$SCRATCH/told.err" || fail "$?"
    [ "$(cat "$SCRATCH/told.err")" = "$1" ] || fail "told: $(cat -v "$SCRATCH/told.err")"
}
rmdir "$conf" && printf '\xff\xfe[\0k\0]\0\n\0x\0' >"$conf"
settings_told "ruko: $conf: UTF-16 text, save it as UTF-8: ignored"
printf '[keys]\nturn = \033[2J\n' >"$conf" && settings_told "ruko: $conf:2: '\\x1b[2J' is not a key: ignored"
printf '[display]\nlanguage = en\ntext_scale = 5\n' >"$conf" &&
    settings_told "ruko: $conf:3: text_scale '5' is not auto or 1 to 4: ignored"
grep -qx "language = en" "$SCRATCH/told.conf" || fail "--settings printed: $(cat "$SCRATCH/told.conf")"
# A key of ISO 8859-1 (French keyboards have é), named in the terminal's encoding: UTF-8, or
# its one byte in the C locale; the file has it in UTF-8.
printf '[keys]\nturn = \xc3\xa9 # accent\nleft_punch = \xc3\xa9\n' >"$conf"
clash="ruko: $conf:3: key 'é' is already turn's: ignored"
LC_ALL=C.UTF-8 "$RUKO_BINARY" --settings 2>"$SCRATCH/utf8.err" >/dev/null
[ "$(cat "$SCRATCH/utf8.err")" = "$clash" ] || fail "in UTF-8: $(cat -v "$SCRATCH/utf8.err")"
settings_told "$(printf '%s' "$clash" | iconv -f UTF-8 -t ISO-8859-1)"
grep -qx "turn = é" "$SCRATCH/told.conf" || fail "--settings printed: $(cat -v "$SCRATCH/told.conf")"
head -c 65537 /dev/zero >"$conf" && settings_told "ruko: cannot read $conf: larger than 64 KiB"
rm "$conf" && ln -s /dev/zero "$conf" && settings_told "ruko: cannot read $conf: not a regular file"
rm "$conf" && mkfifo "$conf"
start_game
press_keys Escape
wait_game_exit
[ "$(cat "$SCRATCH/stderr")" = "ruko: cannot read $conf: not a regular file" ] ||
    fail "a FIFO told: $(cat "$SCRATCH/stderr")"

mkdir -p "$SCRATCH/home/.config/ruko"
printf '[keys]\nturn = space\n' >"$SCRATCH/home/.config/ruko/ruko.conf"
env -u XDG_CONFIG_HOME HOME="$SCRATCH/home" "$RUKO_BINARY" --settings | grep -qx "turn = space" ||
    fail "~/.config/ruko/ruko.conf not read"

rm -rf "$XDG_CONFIG_HOME"
"$RUKO_BINARY" --write-settings >"$SCRATCH/write.out" || fail "--write-settings: status $?"
grep -qF "$conf" "$SCRATCH/write.out" || fail "not said where: $(cat "$SCRATCH/write.out")"
"$RUKO_BINARY" --settings 2>&1 | cmp -s - "$conf" || fail "the file written is not the usual settings"
for kept in '[keys]\nturn = space\n' '# mine\n'; do
    printf "$kept" >"$conf"
    "$RUKO_BINARY" --write-settings 2>"$SCRATCH/write.err" && fail "--write-settings over a file"
    [ "$(cat "$conf")" = "$(printf "$kept")" ] || fail "the file was changed: $(cat "$conf")"
done
[ "$(cat "$SCRATCH/write.err")" = "ruko: $conf is there already: left as it is" ] ||
    fail "a file kept told: $(cat "$SCRATCH/write.err")"
echo "PASS"
