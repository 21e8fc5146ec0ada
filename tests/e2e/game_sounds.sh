# Sourced by game_driver.sh: the game's mix recorded through OpenAL Soft's wave writer, and
# the sounds found in it.

# From here on OpenAL Soft writes the game's mix to $SCRATCH/mix.wav instead of a device, in
# real time; the file is complete once the game has ended by itself (wait_game_exit). It mixes
# at the sounds' own rate, so the recording compares with them sample for sample (OpenAL Soft
# 1.24, in the Windows build, would mix at 48 kHz).
record_sound() {
    RECORDING="$SCRATCH/mix.wav"
    rm -f "$RECORDING"
    printf '[general]\ndrivers=wave\nfrequency=44100\n[wave]\nfile=%s\n' \
        "$(game_path "$RECORDING")" >"$SCRATCH/alsoft.conf"
    ALSOFT_CONF=$(game_path "$SCRATCH/alsoft.conf")
    export ALSOFT_CONF
}

# The bands in which each sound stands alone, and the level it reaches there: the thud below
# 120 Hz, a partial of the bell, the menus' two notes (HZ Q FLOOR_DB); the bell, the cheer and
# the swish by how long they last there too (MIN_SECONDS), the bell against the 10 ms click of
# a voice cut short.
THUD_BAND="120 0 -30"
BELL_BAND="3345 20 -35 0.03"
CONFIRM_BAND="1568 20 -30"
TICK_BAND="2637 20 -36"
CHEER_BAND="2200 4 -38 1"
SWISH_BAND="1200 3 -36 0.1"

# expect_sounds WHAT COUNT BAND: the recording holds that many starts of a sound in the band.
expect_sounds() {
    local what=$1 count=$2 onsets
    shift 2
    onsets=$("$SOUND_ONSETS" "$RECORDING" $@)
    [ "$(echo -n "$onsets" | grep -c .)" = "$count" ] ||
        fail "$count $what expected in the recording, heard at (s, dB): $(echo $onsets)"
}

# The times at which a sound starts in the band, in seconds of the recording, one a line.
sounds_heard() {
    "$SOUND_ONSETS" "$RECORDING" "$@" | awk '{ print $1 }'
}

# expect_spacings WHAT TIMES STEPS: sounds heard at these times (seconds), one for each of the
# recording's steps, as far apart as the steps or more. The mix does not start at the game's
# step 0 and keeps real time, while a busy machine holds the game back (beside two busy loops:
# 55 to 57 steps a second, a step up to 0.5 s late), and the steps it then catches up come
# sooner: a sound may come later than its step puts it after the first, never sooner. So each
# is at least its steps after the first (less 50 ms: the mix starts a sound at its next
# update), and each gap at most its steps' and a stall of 0.7 s.
expect_spacings() {
    echo "$2" | awk -v steps="$3" '
        BEGIN { n = split(steps, step, " ") }
        NF { time[++heard] = $1 }
        END {
            if (heard != n) exit 1
            for (i = 2; i <= n; i++) {
                due = (step[i] - step[i - 1]) / 60
                if (time[i] - time[1] < (step[i] - step[1]) / 60 - 0.05 ||
                    time[i] - time[i - 1] > due + 0.7) exit 1
            }
        }' || fail "$1 heard at $(echo $2) (s), not spaced as the steps $3"
}

# sides_heard BAND: the side of each sound started in the band, in order: L, R, or C within
# 3 dB of the middle.
sides_heard() {
    "$SOUND_ONSETS" "$RECORDING" "$@" |
        awk '{ printf "%s", ($3 > 3 ? "L" : ($3 < -3 ? "R" : "C")) }'
}

[ -n "${DISPLAY:-}" ] || fail "no X display (make test runs the tests under xvfb-run)"
