#!/usr/bin/env bash
# Recordings: a session played with real keys is recorded as it goes and checks against the
# game step by step; played back in the window it walks the same way and hands the game over;
# the title's demo checks too; a file that is not a recording plays nothing, nor one that could
# never be played; full screen is the window's, not the recording's; two games at once each
# keep a whole recording; a session with the challenge checks whatever the checker's settings.
source "$(dirname "$0")/game_driver.sh"
RECORDING_FILE="$SCRATCH/session.replay"
# Where the game keeps the last session's recording.
if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then
    LAST_REPLAY=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local)/ruko/last.replay
else
    LAST_REPLAY="$SCRATCH/state/ruko/last.replay"
fi
rm -f "$LAST_REPLAY"
export XDG_STATE_HOME="$SCRATCH/state"

# Not a recording, or one with a bad line: named with its line, status 2, no window needed.
# Nor one made under the challenge's first rules, its line without their version.
printf 'ruko-replay 1 ruko 1.0\n12 key x\n5 key w\n' >"$SCRATCH/backwards.replay"
printf 'ruko-replay 1 ruko 1.0\n0 challenge 7\n5 key x\n' >"$SCRATCH/rules_1.replay"
for bad in "$RUKO_SOURCE/Data/ring1.bmp:1: not a recording" \
    "$SCRATCH/backwards.replay:3: step 5 after step 12" \
    "$SCRATCH/rules_1.replay:2: this recording was made under the challenge's rules 1; this game"; do
    status=0
    DISPLAY=${RUKO_UNDER_WINE:+$DISPLAY} "${GAME_RUNNER[@]}" "$RUKO_BINARY" --check "$(game_path "${bad%%:*}")" \
        2>"$SCRATCH/bad_stderr" || status=$?
    [ "$status" = 2 ] && grep -qF ":${bad#*:}" "$SCRATCH/bad_stderr" ||
        fail "a bad recording: status $status, said: $(cat "$SCRATCH/bad_stderr")"
done

# The session: menus, the punch bag to its 20 hits, a hide and show, the white light off and
# on through the right-button menu, back to the title and out.
start_game --record "$(game_path "$RECORDING_FILE")"
press_keys Return Down Return Return
press_repeatedly 20 150 x
hide_game
show_game
view_menu 1
view_menu 1
press_keys Escape Escape Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the recorded session ended with status $GAME_STATUS"
cp "$GAME_STDOUT" "$SCRATCH/session_stdout"
[ ! -e "$LAST_REPLAY" ] || fail "--record wrote last.replay too"
# Wine, with no window manager here, turns no hide into a Windows event.
grep -q ' check screen=training ' "$RECORDING_FILE" && grep -q ' menu 1$' "$RECORDING_FILE" &&
    { [ "${RUKO_UNDER_WINE:-}" = 1 ] || grep -q ' hidden$' "$RECORDING_FILE"; } &&
    tail -n 1 "$RECORDING_FILE" | grep -q ' quit$' ||
    fail "the recording misses what was played: $(cat "$RECORDING_FILE")"
# The game ended by the last Escape on the title, at the step it fell before.
[ "$(tail -n 2 "$RECORDING_FILE" | cut -d ' ' -f 1 | uniq | wc -l)" = 1 ] &&
    tail -n 2 "$RECORDING_FILE" | head -n 1 | grep -q ' key escape$' ||
    fail "the recording does not end where the game did: $(tail -n 2 "$RECORDING_FILE")"
for recording in "$RECORDING_FILE" "$RUKO_SOURCE/Data/demo.replay"; do
    (cd "$RUKO_SOURCE" && "${GAME_RUNNER[@]}" "$RUKO_BINARY" --check "$(game_path "$recording")") \
        >"$SCRATCH/check" 2>&1 ||
        fail "$recording does not check: $(cat "$SCRATCH/check")"
    # Said in one line, with what was compared.
    checkpoints=$(grep -c ' check ' "$recording")
    [ "$(grep -c '^ruko: ' "$SCRATCH/check")" = 1 ] &&
        grep -Eq "^ruko: .*$(basename "$recording") checks: [0-9]+ steps run, $checkpoints checkpoints agree" \
            "$SCRATCH/check" || fail "--check of $recording said: $(cat "$SCRATCH/check")"
done
# A checkpoint edited by hand: status 1, its line named.
line=$(grep -n ' check ' "$RECORDING_FILE" | sed -n 2p | cut -d : -f 1)
sed "${line}s/ view=./ view=x/" "$RECORDING_FILE" >"$SCRATCH/edited.replay"
status=0
(cd "$RUKO_SOURCE" && "${GAME_RUNNER[@]}" "$RUKO_BINARY" --check "$(game_path "$SCRATCH/edited.replay")") \
    >"$SCRATCH/check" 2>&1 || status=$?
[ "$status" = 1 ] && grep -q "edited.replay:$line: step [0-9]*: the state of the view differs" "$SCRATCH/check" &&
    ! grep -q ' checks: ' "$SCRATCH/check" ||
    fail "an edited checkpoint: status $status, said: $(cat "$SCRATCH/check")"
# A recording made under Wine checks natively too (the native game is named then).
if [ -n "${RUKO_NATIVE_BINARY:-}" ]; then
    (cd "$RUKO_SOURCE" && "$RUKO_NATIVE_BINARY" --check "$RECORDING_FILE") >"$SCRATCH/check" 2>&1 ||
        fail "the recording made under Wine does not check natively: $(cat "$SCRATCH/check")"
fi

# A press of a recording taken out or made another: the check fails (status 1), however the
# game goes on from there. Every press of the menus' walk, and every punch on the bag (the
# bag's arrows step and come back before a checkpoint sees them; no checkpoint follows a
# recording's last presses, and the press that ended the recorded game is never played).
if [ "${RUKO_UNDER_WINE:-}" != 1 ]; then
    for presses in "menus:(key|menu|click|pad)( |$)" "training_bag:key x$"; do
        recording=${presses%%:*}
        recorded="$RUKO_SOURCE/tests/e2e/recordings/$recording.replay"
        last_check=$(grep -n ' check ' "$recorded" | tail -n 1 | cut -d : -f 1)
        while IFS=: read -r line event; do
            step=${event%% *}
            ((line < last_check)) || continue
            # Enter and Escape swapped; any other press made one that does nothing there (the
            # opposite arrow may lead to the same choice in a menu of two).
            case ${event#* } in
            "key return") other="key escape" ;; "key escape") other="key return" ;;
            *) other="key a" ;;
            esac
            for edit in "${line}d" "${line}s/.*/$step $other/"; do
                sed "$edit" "$recorded" >"$SCRATCH/edited.replay"
                status=0
                (cd "$RUKO_SOURCE" && timeout 20 "$RUKO_BINARY" --check "$SCRATCH/edited.replay") \
                    >"$SCRATCH/check" 2>&1 || status=$?
                [ "$status" = 1 ] ||
                    fail "$recording.replay, '$event' edited by $edit: status $status: $(cat "$SCRATCH/check")"
            done
        done < <(grep -nE "^[0-9]+ ${presses#*:}" "$recorded")
    done
fi

# Played back: the same walk, then the game is the player's (the recording's last Escape,
# which ended the game, is not played).
start_game --replay "$(game_path "$RECORDING_FILE")"
for _ in $(seq 1 300); do
    grep -q 'played to its end' "$SCRATCH/stderr" && break
    sleep 0.1
done
grep -q 'played to its end; the game is yours' "$SCRATCH/stderr" ||
    fail "the playback did not end: $(cat "$SCRATCH/stderr")"
cmp -s "$GAME_STDOUT" "$SCRATCH/session_stdout" || fail "the playback printed otherwise"
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title after the playback: status $GAME_STATUS"
head -n 1 "$LAST_REPLAY" | grep -q '^ruko-replay 1 ruko ' ||
    fail "no last.replay of the playback's session"

# Recordings no game could make: named with their line, status 2, at once and in little memory.
if [ "${RUKO_UNDER_WINE:-}" != 1 ]; then
    header='ruko-replay 1 ruko 1.0'
    printf '%s\n60 hidden\n60 check screen=title menus=0 fight=0 training=0 view=0\n' "$header" \
        >"$SCRATCH/hidden_forever.replay"
    printf '%s\n999999999999 key x\n' "$header" >"$SCRATCH/far.replay"
    awk -v header="$header" 'BEGIN { print header; for (i = 0; i < 11010048; ++i) print "0 pad" }' \
        >"$SCRATCH/pads.replay" # 63 MiB
    printf '%s\n' "$header" >"$SCRATCH/empty.replay"
    # Peak memory in KiB of `ruko --check FILE`, with its status and stderr; within 10 s.
    check_peak() {
        status=0
        (cd "$RUKO_SOURCE" && /usr/bin/time -f %M -o "$SCRATCH/peak" timeout 10 "$RUKO_BINARY" \
            --check "$SCRATCH/$1") 2>"$SCRATCH/check_stderr" || status=$?
        peak=$(tail -n 1 "$SCRATCH/peak")
    }
    check_peak empty.replay
    [ "$status" = 0 ] || fail "a recording of nothing: status $status"
    baseline=$peak # the game with its window, as the sanitizers or not make it
    for hostile in "hidden_forever.replay:3: step 60: the recording goes on with the window hidden" \
        "far.replay:2: step 999999999999 is past the end" "pads.replay: larger than 16 MiB"; do
        check_peak "${hostile%%:*}"
        [ "$status" = 2 ] && grep -qF "${hostile#*:}" "$SCRATCH/check_stderr" ||
            fail "${hostile%%:*}: status $status, said: $(cat "$SCRATCH/check_stderr")"
        ((peak < baseline + 16 * 1024)) || fail "${hostile%%:*}: $peak KiB, $baseline KiB for nothing"
    done
fi

# Full screen picked on the title changes the window alone: the session checks.
start_game --record "$(game_path "$SCRATCH/full_screen.replay")"
sleep 1
view_menu 2
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape after full screen: status $GAME_STATUS"
(cd "$RUKO_SOURCE" && "${GAME_RUNNER[@]}" "$RUKO_BINARY" --check \
    "$(game_path "$SCRATCH/full_screen.replay")") >"$SCRATCH/check" 2>&1 ||
    fail "full screen on the title: the session does not check: $(cat "$SCRATCH/check")"

# The challenge for one session: the recording carries it and its seed, and checks whatever the
# checker's settings say; without its line, the same presses go otherwise.
start_game --challenge --record "$(game_path "$SCRATCH/challenge.replay")"
press_keys Return Return Return Return Up Up Up x c w
sleep 1.5
press_keys Escape Escape Escape Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "the challenge's session ended with status $GAME_STATUS"
sed -n 3p "$SCRATCH/challenge.replay" | grep -Eq '^0 challenge [0-9]+ [0-9]+$' &&
    grep -q ' check screen=fight ' "$SCRATCH/challenge.replay" ||
    fail "the challenge's recording: $(head -n 5 "$SCRATCH/challenge.replay")"
if [ "${RUKO_UNDER_WINE:-}" != 1 ]; then
    mkdir -p "$SCRATCH/checker/ruko"
    printf '[game]\nchallenge = no\n' >"$SCRATCH/checker/ruko/ruko.conf"
    (cd "$RUKO_SOURCE" && XDG_CONFIG_HOME="$SCRATCH/checker" "$RUKO_BINARY" --check \
        "$SCRATCH/challenge.replay") >"$SCRATCH/check" 2>&1 ||
        fail "the challenge's recording does not check: $(cat "$SCRATCH/check")"
    sed 3d "$SCRATCH/challenge.replay" >"$SCRATCH/no_challenge.replay"
    status=0
    (cd "$RUKO_SOURCE" && "$RUKO_BINARY" --check "$SCRATCH/no_challenge.replay") \
        >"$SCRATCH/check" 2>&1 || status=$?
    [ "$status" = 1 ] || fail "the challenge's line left out: status $status: $(cat "$SCRATCH/check")"
fi

# Two games at once: the second records beside the first's last.replay, and each checks.
if [ "${RUKO_UNDER_WINE:-}" != 1 ]; then
    rm -f "$LAST_REPLAY"
    start_game
    press_keys Return Down
    (cd "$RUKO_SOURCE" && exec "$RUKO_BINARY" --mute) >/dev/null 2>"$SCRATCH/second_stderr" &
    second=$!
    OTHER_PIDS+=("$second")
    for _ in $(seq 1 100); do
        grep -q 'this one records into' "$SCRATCH/second_stderr" && break
        sleep 0.1
    done
    sleep 2
    kill "$second"
    wait "$second" || true
    focus_game
    # A second of play in view at least, whatever the second game's window hid: the
    # recording then holds a checkpoint to check.
    sleep 1.5
    press_keys Up Escape Escape
    wait_game_exit
    grep -qF "another game is recording $LAST_REPLAY; this one records into ${LAST_REPLAY%.replay}-2.replay" \
        "$SCRATCH/second_stderr" || fail "the second game did not say where it records: $(cat "$SCRATCH/second_stderr")"
    for recording in "$LAST_REPLAY" "${LAST_REPLAY%.replay}-2.replay"; do
        grep -q ' check ' "$recording" && (cd "$RUKO_SOURCE" && "$RUKO_BINARY" --check "$recording") \
            >"$SCRATCH/check" 2>&1 || fail "two games: $recording does not check: $(cat "$SCRATCH/check")"
    done
fi
echo "PASS"
