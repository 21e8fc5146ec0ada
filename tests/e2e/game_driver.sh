# Sourced by the e2e scripts and the screenshot tool: starts the real game under X, sends it
# real key events (XTEST through xdotool), reads its window back as images.
# The scripts get: the ruko binary, the source folder (the game's working directory, where
# Data/ is) and a scratch folder.
# With RUKO_UNDER_WINE=1 the binary is a ruko.exe that Wine starts (tests/windows/ sets up the
# rest); paths handed to the game are then Windows ones, on the drive Z: where Wine shows /.

set -euo pipefail
export LC_ALL=C

RUKO_BINARY=$(readlink -f "$1")
RUKO_SOURCE=$(readlink -f "$2")
SCRATCH=$3
mkdir -p "$SCRATCH"
SCRATCH=$(readlink -f "$SCRATCH")
# The tests run under tests/support/own_home.sh: a script started by hand gets empty home,
# settings and state folders of its own here, never the player's.
if [ "${RUKO_OWN_HOME:-}/home" != "${HOME:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/../support/own_home.sh" "$SCRATCH/own_home"
fi

if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then
    GAME_RUNNER=(wine)
    game_path() { local path=$1; printf 'Z:%s' "${path//\//\\}"; }
else
    GAME_RUNNER=()
    game_path() { printf '%s' "$1"; }
fi
# Reads the recordings: a tool of the Linux build, found beside the game or named.
SOUND_ONSETS=${RUKO_SOUND_ONSETS:-$(dirname "$RUKO_BINARY")/tests/sound_onsets}

GAME_PID=""
GAME_WINDOW=""
GAME_STDOUT="$SCRATCH/stdout"

# The game paces itself at 60 steps a second; waits below are in real time.
STEP_SECONDS=0.0167

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# fail, also from a subshell (as in "$(shoot title)"), where it ends the test itself.
trap 'exit 1' USR1
fail_test() {
    echo "FAIL: $*" >&2
    [ "$BASHPID" = "$$" ] || kill -USR1 "$$"
    exit 1
}

# Fails at once when the game that a wait is for has ended.
expect_game_running() {
    [ -z "$GAME_PID" ] || kill -0 "$GAME_PID" 2>/dev/null ||
        fail_test "the game ended $1: $(tail -n 5 "$SCRATCH/stderr" 2>/dev/null)"
}

# A process and those it started, by their ids.
process_tree() {
    local child
    echo "$1"
    for child in $(pgrep -P "$1"); do process_tree "$child"; done
}

# Ends the game and what runs under it (the game under strace, Wine's programs): asked first,
# killed after five seconds.
stop_game() {
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        local pids
        pids=$(process_tree "$GAME_PID")
        kill $pids 2>/dev/null || true
        for _ in $(seq 1 50); do
            kill -0 "$GAME_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL $pids 2>/dev/null || true
        wait "$GAME_PID" 2>/dev/null || true
    fi
    GAME_PID=""
}

# What a test starts besides the game (a second game, a window that takes the focus), ended
# with it.
OTHER_PIDS=()

# Nothing is left standing, however the test ends: under Wine, whatever still runs in the
# test's own prefix (a message box, a program that cmd started) ends with its server.
end_test() {
    stop_game
    local pid
    for pid in "${OTHER_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then wineserver -k 2>/dev/null || true; fi
}
trap end_test EXIT

# The game's window, once it shows (20 s at most, failing at once if the game ends), looked for
# every half second as xdotool's --sync does. The window carries no process id: the game must
# be the only RUKO on this display.
find_game_window() {
    local window
    for _ in $(seq 1 40); do
        window=$(xdotool search --onlyvisible --name '^RUKO$' 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && echo "$window" && return 0
        expect_game_running "before its window showed"
        sleep 0.5
    done
    fail_test "no RUKO window"
}

# Starts the game (with the given options) with its standard output captured, waits for its
# window and focuses it.
start_game() {
    (cd "$RUKO_SOURCE" && exec "${GAME_RUNNER[@]}" "$RUKO_BINARY" "$@") >"$GAME_STDOUT" \
        2>"$SCRATCH/stderr" &
    GAME_PID=$!
    GAME_WINDOW=$(find_game_window)
    [ "$(xdotool search --onlyvisible --name '^RUKO$' | wc -l)" = 1 ] ||
        fail "another RUKO window is open on this display"
    focus_game
    # The window stays black until the first frame is drawn, later on a busy machine.
    for _ in $(seq 1 50); do
        [ "$(convert "$(shoot first_frame)" -format '%[max]' info:)" != 0 ] && break
        sleep 0.2
    done
    # Let the first frames draw.
    sleep 0.5
}

focus_game() {
    timeout 5 xdotool windowfocus --sync "$GAME_WINDOW" || fail "cannot focus the game's window"
    # Wine gives the keys to the window it made active, which a click does, the focus not.
    # The game does nothing with the left button.
    if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then
        xdotool mousemove --window "$GAME_WINDOW" 320 240 click 1
    fi
}

# Real key events to the focused window: press_keys Return Up x ...
press_keys() {
    xdotool key --clearmodifiers --delay 80 "$@"
    sleep 0.15
}

# The same key many times, a given number of milliseconds apart.
press_repeatedly() {
    local times=$1 delay=$2
    shift 2
    local keys=()
    for ((i = 0; i < times; i++)); do keys+=("$@"); done
    xdotool key --delay "$delay" "${keys[@]}"
    sleep 0.15
}

# Waits up to 10 s until no freeglut menu shows (after a pick, or a click beside the menu),
# else fails saying after what.
wait_menu_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name '^freeglut menu$' >/dev/null || return 0
        sleep 0.1
    done
    fail "a menu window still shows $1"
}

# Opens the right-button menu at 100,100 of the window and sets MENU_X, MENU_Y, MENU_HEIGHT.
# freeglut measures the button's release from the window's corner but the menu from the
# screen's: let go where it went down, the button lands as far into the menu as the window
# lies up and left of the screen (the full screen from -geometry, at -40,-30) and picks that
# entry, the menu's window then mapped after the pick and left standing, or shown for a frame
# alone. So the button is held until the menu shows and let go 10 pixels up and left of it as
# freeglut reckons, which keeps it open.
open_view_menu() {
    local menu WINDOW X Y WIDTH HEIGHT SCREEN
    wait_menu_gone "before the right button"
    xdotool mousemove --window "$GAME_WINDOW" 100 100 mousedown 3
    menu=$(timeout 10 xdotool search --sync --onlyvisible --name '^freeglut menu$' | head -n 1) || {
        xdotool mouseup 3
        fail "the right button opened no menu"
    }
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    MENU_X=$X MENU_Y=$Y MENU_HEIGHT=$HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
    xdotool mousemove $((X + MENU_X - 10)) $((Y + MENU_Y - 10)) mouseup 3
}

# Chooses entry N (1 to 5, top to bottom) of the right-button menu, opened over the window.
view_menu() {
    open_view_menu
    xdotool mousemove $((MENU_X + 40)) $((MENU_Y + MENU_HEIGHT * (2 * $1 - 1) / 10)) click 1
    wait_menu_gone "after its entry $1 was picked"
}

# Opens the right-button menu over the window and closes it with a click beside it.
toggle_view_menu() {
    open_view_menu
    xdotool mousemove --window "$GAME_WINDOW" 600 450 click 1
    wait_menu_gone "after a click beside it"
}

# Plays recordings/NAME.replay, beside the scripts (the game's folder under Wine is the
# unzipped one), in the window, recording the session as it goes into $LIVE_REPLAY: its lines,
# each event as it is played and a checkpoint every 60 steps, tell how far the game has got.
RECORDINGS=$(readlink -f "$(dirname "${BASH_SOURCE[0]}")/recordings")
start_replay() {
    REPLAY_FILE="$RECORDINGS/$1.replay"
    LIVE_REPLAY="$SCRATCH/live.replay"
    rm -f "$LIVE_REPLAY"
    start_game --replay "$(game_path "$REPLAY_FILE")" --record "$(game_path "$LIVE_REPLAY")"
}

# Waits until the game has run step N of the recording and the next, so that the step's frame
# is drawn: a line at step N + 2 or later in the live recording.
wait_step() {
    for _ in $(seq 1 1200); do
        awk -v n=$(($1 + 2)) '$1 + 0 >= n { found = 1 } END { exit !found }' "$LIVE_REPLAY" &&
            return 0
        expect_game_running "before step $1 of the recording"
        sleep 0.05
    done
    fail "the playback did not reach step $1: $(cat "$SCRATCH/stderr")"
}

# shoot_at STEP NAME: the window's picture once STEP is drawn, before the recording's next key
# plays (else the machine was too slow for the recording's pause); prints its path.
shoot_at() {
    wait_step "$1"
    shoot "$2"
    before_next_key "$1" "$2"
}

# before_next_key STEP WHAT: fails unless the recording's keys played so far are those up to
# STEP.
before_next_key() {
    [ "$(grep -c '^[0-9]* key ' "$LIVE_REPLAY")" = "$(awk -v n="$1" '$2 == "key" && $1 <= n' \
        "$REPLAY_FILE" | grep -c .)" ] || fail "$2 came after the key that follows step $1"
}

# shoot_grey NAME X Y LEVEL WHAT: the window's picture once the pixel is that grey (a screen's
# clear colour), after the player's keys; prints its path.
shoot_grey() {
    for _ in $(seq 1 50); do
        shoot "$1" >/dev/null
        (expect_grey "$SCRATCH/$1.png" "$2" "$3" "$4" "$5") 2>/dev/null && break
    done
    expect_grey "$SCRATCH/$1.png" "$2" "$3" "$4" "$5"
    echo "$SCRATCH/$1.png"
}

# The steps of the recording's keys that match the pattern (x|w), from step FROM to TO.
key_steps() {
    awk -v key="^($1)\$" -v from="${2:-0}" -v to="${3:-1e18}" \
        '$2 == "key" && $3 ~ key && $1 >= from && $1 <= to { printf "%s ", $1 }' "$REPLAY_FILE"
}

# Waits for the playback to end by itself, the game handed over to the player's keys.
wait_handover() {
    for _ in $(seq 1 1200); do
        grep -q 'played to its end; the game is yours' "$SCRATCH/stderr" && return 0
        expect_game_running "before the playback's end"
        sleep 0.05
    done
    fail "the playback did not end: $(cat "$SCRATCH/stderr")"
}

# Waits for the game to end by itself and sets GAME_STATUS to its exit status. Not to be
# called in a subshell: only this shell can wait for the game.
wait_game_exit() {
    for _ in $(seq 1 100); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "the game is still running"
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

# Saves the window's picture as $SCRATCH/NAME.png and prints the path. import waits for a
# click to choose a window when the one named is gone: the game must be there, and import is
# given seconds.
shoot() {
    local path="$SCRATCH/$1.png"
    expect_game_running "before the picture $1"
    rm -f "$path"
    timeout 10 import -window "$GAME_WINDOW" "$path" 2>"$SCRATCH/import.err" && [ -s "$path" ] ||
        fail_test "no picture $1 of the game's window: $(cat "$SCRATCH/import.err")"
    echo "$path"
}

# The colour of one pixel (x, y from the top-left corner) as "R G B", 0 to 255.
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

# Asserts a pixel is the grey of the given level (0 to 255) within one step of rounding.
expect_grey() {
    local image=$1 x=$2 y=$3 level=$4 what=$5
    local r g b
    read -r r g b <<<"$(pixel "$image" "$x" "$y")"
    for c in "$r" "$g" "$b"; do
        if ((c < level - 1 || c > level + 1)); then
            fail "$what: pixel ($x, $y) is ($r, $g, $b), not grey $level"
        fi
    done
}

# How many pixels of a region (WxH+X+Y) are close to the colour "R G B".
count_colour() {
    local image=$1 region=$2 r=$3 g=$4 b=$5
    convert "$image" -crop "$region" +repage -fuzz 12% -fill black +opaque "rgb($r,$g,$b)" \
        -fill white -opaque "rgb($r,$g,$b)" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# How many pixels differ between two images, or two crops of the same region.
pixels_differing() {
    compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 || true
}

crop() {
    convert "$1" -crop "$2" +repage "$3"
    echo "$3"
}

# Hides and shows the window as a window manager would when minimising it.
hide_game() {
    timeout 5 xdotool windowunmap --sync "$GAME_WINDOW" || fail "cannot hide the window"
    sleep 0.3
}

show_game() {
    timeout 5 xdotool windowmap --sync "$GAME_WINDOW" || fail "cannot show the window"
    sleep 0.3
    focus_game
}

# Asserts the game printed exactly these lines so far (ISO 8859-1 bytes; printf escapes).
expect_stdout() {
    local expected="$SCRATCH/expected_stdout"
    printf "$1" >"$expected"
    # Windows ends lines with CR LF.
    if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then sed -i 's/$/\r/' "$expected"; fi
    if ! cmp -s "$expected" "$GAME_STDOUT"; then
        echo "expected:" >&2
        od -c "$expected" >&2
        echo "got:" >&2
        od -c "$GAME_STDOUT" >&2
        fail "${2:-standard output}"
    fi
}

VISIBLE='Fen\xeatre graphique visible\n'
HIDDEN='Fen\xeatre graphique invisible\n'

# Asserts the lines that changes of visibility printed. Under Wine there are none: Windows'
# freeglut reports a window minimised and restored, not one hidden by a menu, and Wine, with
# no window manager here, turns no hide or show into either.
expect_visibility_lines() {
    if [ "${RUKO_UNDER_WINE:-}" = 1 ]; then
        expect_stdout "" "$2"
    else
        expect_stdout "$1" "$2"
    fi
}

# How busy the game's idle work is over the given seconds: its paced steps sleep between
# calls, so each step costs the process at least one voluntary context switch; with no idle
# installed it waits for events and makes none.
idle_activity() {
    local field=voluntary_ctxt_switches before after
    before=$(awk -v f="$field:" '$1 == f {print $2}' "/proc/$GAME_PID/status")
    sleep "$1"
    after=$(awk -v f="$field:" '$1 == f {print $2}' "/proc/$GAME_PID/status")
    echo $((after - before))
}

# The sound recorded and heard, and the virtual pad.
source "$(dirname "${BASH_SOURCE[0]}")/game_sounds.sh"
source "$(dirname "${BASH_SOURCE[0]}")/game_pad.sh"
