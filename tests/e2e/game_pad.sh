# Sourced by game_driver.sh: the game started with the virtual pad, and what it did there.

# The virtual pad (tests/support/virtual_pad.cpp): start_pad_game [OPTIONS] starts the game
# with it preloaded; `pad COMMAND` plays one command on it and returns once it is done. With
# RUKO_PAD_FAIL=1 SDL's start fails and there is no pad to play.
start_pad_game() {
    PAD_FIFO="$SCRATCH/pad.fifo"
    PAD_LOG="$SCRATCH/pad.log"
    rm -f "$PAD_FIFO" "$PAD_LOG"
    mkfifo "$PAD_FIFO"
    # Under ASan the preloaded pad comes before the sanitizer's runtime; it is not checked.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        LD_PRELOAD="$(dirname "$RUKO_BINARY")/libvirtual_pad.so" RUKO_PAD_SCRIPT="$PAD_FIFO" \
        RUKO_PAD_LOG="$PAD_LOG" start_game "$@"
    # Read and write: opening it to write alone would wait for a game that may never read it.
    [ -n "${RUKO_PAD_FAIL:-}" ] || exec 3<>"$PAD_FIFO"
}

pad() {
    local done_before
    done_before=$(grep -c '^done' "$PAD_LOG" 2>/dev/null || true)
    echo "$*" >&3
    for _ in $(seq 1 600); do
        (($(grep -c '^done' "$PAD_LOG" 2>/dev/null || true) > done_before)) && return 0
        expect_game_running "before the virtual pad carried out: $*"
        sleep 0.05
    done
    fail "the virtual pad did not carry out: $*"
}

# How many rumbles of that strength the game asked for (LOW HIGH).
rumbles() {
    grep -cx "rumble $1 $2" "$PAD_LOG" || true
}
