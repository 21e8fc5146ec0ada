#!/usr/bin/env bash
# Frames slower than the steps (each 40 ms longer, about 25 a second): the game keeps its clock,
# 60 steps a second of wall time as its recording's checkpoints tell them, keys still land, and
# the recording made so checks step for step. Below 10 frames a second (each 250 ms longer, 4 a
# second) it slows down with them, six steps a frame: a frame is never taken for a stall.
source "$(dirname "$0")/game_driver.sh"
rm -rf "$SCRATCH/state" "$SCRATCH/config" "$SCRATCH/home"
mkdir -p "$SCRATCH/state" "$SCRATCH/config" "$SCRATCH/home"
export XDG_STATE_HOME="$SCRATCH/state" XDG_CONFIG_HOME="$SCRATCH/config" HOME="$SCRATCH/home"
RECORDING_FILE="$SCRATCH/state/ruko/last.replay"
SWAPS="$SCRATCH/swaps"
SAMPLES="$SCRATCH/samples"
SLOW_SWAP="$(dirname "$RUKO_BINARY")/tests/libslow_swap.so"
[ -f "$SLOW_SWAP" ] || fail "no $SLOW_SWAP: it is built with the tests"

# slowed_fight MS SECONDS: the game started with every frame MS ms longer, into a fight, for
# SECONDS punching now and then; sets steps_per_second and frames_per_second.
slowed_fight() {
    rm -f "$SWAPS" "$SAMPLES"
    # Under ASan the preloaded library comes before the sanitizer's runtime; it is not checked.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" LD_PRELOAD="$SLOW_SWAP" \
        RUKO_SLOW_SWAP_MS="$1" RUKO_SLOW_SWAP_LOG="$SWAPS" start_game
    press_keys Return Return Return Return
    # Each sample is the wall clock, the last checkpoint's step and the frames swapped so far.
    for i in $(seq 1 $(($2 * 20))); do
        echo "$(date +%s.%N) $(awk '$2 == "check" { s = $1 } END { print s + 0 }' \
            "$RECORDING_FILE") $(wc -l <"$SWAPS")" >>"$SAMPLES"
        ((i % 15 == 0)) && xdotool key --clearmodifiers x w
        sleep 0.05
    done
    grep -q ' check screen=fight ' "$RECORDING_FILE" ||
        fail "no fight recorded: $(cat "$RECORDING_FILE")"
    # From the first checkpoint seen in the fight to the last: steps and frames a second. Each
    # checkpoint is seen up to a sample late, at either end.
    read -r steps_per_second frames_per_second <<<"$(awk '
        NR == 1 { step = $2; next }
        $2 != step { step = $2; if (!first) { first = $1; firstStep = $2; firstSwaps = $3 }
                     last = $1; lastStep = $2; lastSwaps = $3 }
        END { t = last - first; if (t < 3) { print 0, 0; exit }
              printf "%.1f %.1f\n", (lastStep - firstStep) / t, (lastSwaps - firstSwaps) / t }' \
        "$SAMPLES")"
    echo "frames $1 ms longer: $steps_per_second steps and $frames_per_second frames a second"
    press_keys Escape Escape Escape Escape
    wait_game_exit
    [ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
}

# Four frames a second: six steps each, about 24 steps a second (at most 6 a frame, so no more).
slowed_fight 250 12
awk -v f="$frames_per_second" 'BEGIN { exit !(f > 0 && f <= 5) }' ||
    fail "the frames were not slowed to 4 a second ($frames_per_second): the test proves nothing"
awk -v s="$steps_per_second" -v f="$frames_per_second" \
    'BEGIN { exit !(s >= 5.4 * f && s <= 6.6 * f) }' ||
    fail "$steps_per_second steps a second with $frames_per_second frames, not six a frame"

# About 21 frames a second: 60 steps a second of wall time, and the recording checks.
slowed_fight 40 6
awk -v f="$frames_per_second" 'BEGIN { exit !(f > 0 && f <= 30) }' ||
    fail "the frames were not slowed ($frames_per_second a second): the test proves nothing"
awk -v s="$steps_per_second" 'BEGIN { exit !(s >= 55 && s <= 62) }' ||
    fail "$steps_per_second steps a second of wall time with $frames_per_second frames, not 60"
grep -q '^[0-9]* key x$' "$RECORDING_FILE" || fail "the punches were not recorded"
(cd "$RUKO_SOURCE" && "$RUKO_BINARY" --check "$RECORDING_FILE") >"$SCRATCH/check" 2>&1 ||
    fail "the recording made with slow frames does not check: $(cat "$SCRATCH/check")"
