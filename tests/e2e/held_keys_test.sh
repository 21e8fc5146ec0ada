#!/usr/bin/env bash
# With the challenge on, x held 2 s in the fight is one press in the recording, at full speed
# and at 5 frames a second, and so is the pad's A (its x there); the recordings check. Without
# it the held key repeats (Xvfb repeats a key held through XTEST as a keyboard does: after
# 660 ms, 25 a second).
source "$(dirname "$0")/game_driver.sh"
SLOW_SWAP="$(dirname "$RUKO_BINARY")/tests/libslow_swap.so"
SWAPS="$SCRATCH/swaps"
: >"$SWAPS"

# hold_x NAME [game options]: PRESSES of x recorded, FRAMES drawn while it was held (by HOLD,
# in the game started by START).
START=start_game HOLD='xdotool keydown x sleep 2 keyup x'
hold_x() {
    local name=$1 recording="$SCRATCH/$1.replay" before
    shift
    "$START" --record "$(game_path "$recording")" "$@"
    press_keys Return Return Return Return
    for _ in $(seq 1 200); do
        grep -q ' check screen=fight ' "$recording" && break
        expect_game_running "before the fight"
        sleep 0.1
    done
    before=$(wc -l <"$SWAPS")
    eval "$HOLD"
    FRAMES=$(($(wc -l <"$SWAPS") - before))
    sleep 0.5
    press_keys Escape Escape Escape Escape
    wait_game_exit
    PRESSES=$(grep -c '^[0-9]* key x$' "$recording" || true)
    echo "$name: $PRESSES presses of x, $FRAMES frames while it was held"
    (cd "$RUKO_SOURCE" && "$RUKO_BINARY" --check "$recording") >"$SCRATCH/check" 2>&1 ||
        fail "$name does not check: $(cat "$SCRATCH/check")"
}

hold_x repeating
((PRESSES >= 10)) || fail "without the challenge a held x repeated $PRESSES times"
hold_x challenge --challenge
[ "$PRESSES" = 1 ] || fail "with the challenge a held x made $PRESSES presses"
START=start_pad_game HOLD='pad press a; sleep 2; pad release a' hold_x pad --challenge
[ "$PRESSES" = 1 ] || fail "with the challenge the pad's A held made $PRESSES presses"
# Under ASan the preloaded library comes before the sanitizer's runtime; it is not checked.
GAME_RUNNER=(env "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
    "LD_PRELOAD=$SLOW_SWAP" RUKO_SLOW_SWAP_MS=200 "RUKO_SLOW_SWAP_LOG=$SWAPS")
hold_x slow_challenge --challenge
((FRAMES > 0 && FRAMES <= 12)) || fail "$FRAMES frames in 2 s: not slowed, this proves nothing"
[ "$PRESSES" = 1 ] || fail "with the challenge a held x made $PRESSES presses at 5 frames a second"
echo "PASS"
