#!/usr/bin/env bash
# The circuit through the real game: a recording made of fights that challenge_win_recording
# plays (a loss by forfeit first, then Radov Eze, Radov Eze Black and Dida Vud beaten in turn)
# shows the ladder move after each fight, the champion's screen after the title fight and the
# champion's mark on the title; it checks, and neither it nor --check touch the player's
# progress. The player's own progress: read from the state folder at start (the title shows a
# champion), and a forfeit of the player's own saved at once.
source "$(dirname "$0")/game_driver.sh"
PROGRESS="$XDG_STATE_HOME/ruko/circuit.txt"
WIN_TOOL=${RUKO_CHALLENGE_WIN_RECORDING:-$(dirname "$RUKO_BINARY")/tools/challenge_win_recording}
differ() { (($(pixels_differing "$1" "$2") > $3)); }
same() { (($(pixels_differing "$1" "$2") <= $3)); }
header() {
    printf 'ruko-replay 1 ruko 1.0\n0 keys w x up down left right i k l m t c\n'
    printf '0 challenge 1 2\n%b0 size 640 480\n0 shown\n' "$1"
}
check_quietly() {
    (cd "$RUKO_SOURCE" && timeout 120 "$RUKO_BINARY" --check "$(game_path "$1")") >"$2" 2>&1
}

# The recording: the title, the mode menu's third entry, the ladder; a fight left at once (a
# loss); then each opponent in turn, each fight as the tool plays it from its own seed, left
# with Escape a second after its end; Enter on the champion's screen.
CIRCUIT="$SCRATCH/circuit.replay"
SHOTS=()
{
    header '0 circuit 0 0 0 0 0 0 0 0\n'
    printf '150 key return\n190 key down\n210 key down\n250 key return\n'
    printf '450 key return\n500 key escape\n'
    SHOTS+=(300:ladder_fresh 560:ladder_lost)
    start=700
    for opponent in 1 2 3; do
        "$WIN_TOOL" $((opponent * 1000 + 7)) "$start" "$opponent" >"$SCRATCH/fight_$opponent" \
            2>"$SCRATCH/fight_end_$opponent" || fail "no win foreseen against $opponent"
        # Off and on again: the tool's fight starts as a challenge turned on does.
        printf '%s challenge off\n' "$start"
        sed -n "1s/^0 /$start /p" "$SCRATCH/fight_$opponent"
        printf '%s key return\n' "$start"
        sed 1d "$SCRATCH/fight_$opponent"
        last=$(tail -n 1 "$SCRATCH/fight_$opponent" | cut -d' ' -f1)
        printf '%s key escape\n' $((last + 60))
        start=$((last + 260))
    done
    printf '%s key return\n' $((start + 150))
} >"$CIRCUIT"
# The pictures: the ladder after each fight, the champion's screen, then the title.
mapfile -t escapes < <(awk '$2 == "key" && $3 == "escape" { print $1 }' "$CIRCUIT")
SHOTS+=("$((escapes[1] + 50)):ladder_1" "$((escapes[2] + 50)):ladder_2"
    "$((escapes[3] + 50)):champion")

(cd "$RUKO_SOURCE" && timeout 120 "$RUKO_BINARY" --check "$CIRCUIT") >"$SCRATCH/check" 2>&1 ||
    fail "the circuit's recording does not check: $(cat -v "$SCRATCH/check")"
for line in $'D\xe9faite contre Radov Eze par abandon' 'Victoire contre Radov Eze par KO' \
    'Victoire contre Radov Eze Black par KO' 'Victoire contre Dida Vud par KO'; do
    [ "$(grep -caF "$line" "$SCRATCH/check")" = 1 ] ||
        fail "checked, not once '$line': $(cat -v "$SCRATCH/check")"
done

REPLAY_FILE=$CIRCUIT LIVE_REPLAY="$SCRATCH/live.replay"
start_game --replay "$(game_path "$CIRCUIT")" --record "$(game_path "$LIVE_REPLAY")"
declare -A shot
for entry in "${SHOTS[@]}"; do
    shot[${entry#*:}]=$(shoot_at "${entry%%:*}" "${entry#*:}")
done
stop_game
# The session that played it, recorded as it went, checks too.
check_quietly "$LIVE_REPLAY" "$SCRATCH/check_live" ||
    fail "the session that played the circuit does not check: $(cat -v "$SCRATCH/check_live")"
# The ladder's words, clear of the turning model: the marks under the names, the climb's line.
marks() { crop "${shot[$1]}" 640x24+0+332 "$SCRATCH/marks_$1.png"; }
climb() { crop "${shot[$1]}" 640x22+0+390 "$SCRATCH/climb_$1.png"; }
differ "$(climb ladder_fresh)" "$(climb ladder_lost)" 20 || fail "the ladder does not count the loss"
same "$(marks ladder_fresh)" "$(marks ladder_lost)" 10 || fail "a loss moved the ladder"
differ "$(marks ladder_lost)" "$(marks ladder_1)" 50 || fail "the ladder did not move after a win"
differ "$(marks ladder_1)" "$(marks ladder_2)" 50 || fail "the ladder did not move after the second win"
yellow=$(count_colour "${shot[champion]}" 640x120+0+0 255 255 0)
((yellow > 200)) || fail "no champion's heading after the title fight ($yellow yellow pixels)"
differ "${shot[ladder_2]}" "${shot[champion]}" 20000 || fail "the title fight did not end on the champion's screen"
[ ! -e "$PROGRESS" ] || fail "a recording changed the player's progress: $(cat "$PROGRESS")"

# The title shows a champion: from the player's file at start, or from a recording's circuit.
title_at() {
    header "$2" >"$SCRATCH/title.replay"
    printf '300 key c\n' >>"$SCRATCH/title.replay"
    REPLAY_FILE="$SCRATCH/title.replay" LIVE_REPLAY="$SCRATCH/live_title.replay"
    rm -f "$LIVE_REPLAY"
    start_game --replay "$(game_path "$REPLAY_FILE")" --record "$(game_path "$LIVE_REPLAY")"
    shoot_at 200 "title_$1" >/dev/null
    stop_game
    echo "$SCRATCH/title_$1.png"
}
plain=$(title_at plain '')
mkdir -p "$(dirname "$PROGRESS")"
printf 'ruko-circuit 1\nbeaten 0\nwins 0\nlosses 0\nclimb_steps 0\ntitles 1\nbest_title_steps 9000\nlast_title_steps 9000\nlast_title_fights 3\n' >"$PROGRESS"
cp "$PROGRESS" "$SCRATCH/progress_kept"
from_file=$(title_at file '')
rm "$PROGRESS"
from_recording=$(title_at recording '0 circuit 0 0 0 0 1 9000 9000 3\n')
# The champion's mark under the turning ring, but for its middle, where the ring's nearest
# corner comes down.
band() {
    convert "$1" \( -clone 0 -crop 110x16+160+403 +repage \) \
        \( -clone 0 -crop 110x16+370+403 +repage \) -delete 0 +append "${1%.png}_band.png"
    echo "${1%.png}_band.png"
}
differ "$(band "$plain")" "$(band "$from_file")" 50 ||
    fail "the title does not show the champion of the player's file"
same "$(band "$from_file")" "$(band "$from_recording")" 10 ||
    fail "the recording's champion is not the file's"

# The player's own: into the circuit, a fight left at once, kept as a loss against Radov Eze.
cp "$SCRATCH/progress_kept" "$PROGRESS"
start_game --challenge
press_keys Return
sleep 0.5
press_keys Down Down Return
sleep 0.5
press_keys Return
sleep 1
press_keys Escape
sleep 0.5
grep -qx 'losses 1' "$PROGRESS" && grep -qx 'titles 1' "$PROGRESS" ||
    fail "the player's forfeit is not in the progress: $(cat "$PROGRESS")"
press_keys Escape Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
echo "PASS"
