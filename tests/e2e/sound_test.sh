#!/usr/bin/env bash
# The game muted, on OpenAL Soft's silent device, with no device at all and with sound files
# missing or unreadable: each time it plays the same session to its end with status 0 and
# nothing more on stdout, and a missing device or file is told in one line on stderr.
source "$(dirname "$0")/game_driver.sh"

# The menus, two punches on the bag, back to the title and out.
play_session() {
    start_game "$@"
    press_keys Return Down Return Return x w
    press_keys Escape Escape Escape Escape
    wait_game_exit
    [ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
    expect_stdout "" "standard output"
}

# expect_stderr LINE_COUNT [TEXT]
expect_stderr() {
    [ "$(wc -l <"$SCRATCH/stderr")" = "$1" ] && { [ $# = 1 ] || grep -q -e "$2" "$SCRATCH/stderr"; } ||
        fail "stderr is not $1 line(s) saying '${2:-}': $(cat "$SCRATCH/stderr")"
}

record_sound
play_session --mute
[ ! -e "$RECORDING" ] || fail "--mute opened the audio device"
expect_stderr 0
RUKO_MUTE=1 play_session
[ ! -e "$RECORDING" ] || fail "RUKO_MUTE=1 opened the audio device"
unset ALSOFT_CONF

ALSOFT_DRIVERS=null play_session
expect_stderr 0
# ALSA with a device it does not know: it and OpenAL Soft complain, the game alone says it.
printf '[alsa]\ndevice=nosuch\n' >"$SCRATCH/alsoft.conf"
ALSOFT_CONF="$SCRATCH/alsoft.conf" ALSOFT_DRIVERS=alsa play_session
expect_stderr 1 "^ruko: no sound: no audio device could be opened$"

rm -rf "$SCRATCH/run" && mkdir -p "$SCRATCH/run" && cp -r "$RUKO_SOURCE/Data" "$SCRATCH/run/"
rm "$SCRATCH/run/Data/sounds/punch_"*.wav
echo "not a sound" >"$SCRATCH/run/Data/sounds/bell.wav"
# A copy of the binary beside them: the clone's own would find the clone's Data/ first.
cp "$RUKO_BINARY" "$SCRATCH/run/ruko"
RUKO_BINARY="$SCRATCH/run/ruko" RUKO_SOURCE="$SCRATCH/run" ALSOFT_DRIVERS=null play_session
# Files failing alike are named together, each group followed by its own problem.
expect_stderr 1 "^ruko: no sound: Data/sounds/punch_swish.wav, Data/sounds/punch_thud.wav \
([^)]*No such file[^)]*), Data/sounds/bell.wav ([^)]*)$"
echo "PASS"
