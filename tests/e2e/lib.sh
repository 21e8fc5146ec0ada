# Shared steps of the end-to-end tests: the real game under the test's X display, driven
# with xdotool. Source it; every function fails the test with a message. freeglut does not
# publish its pid, so the game's window is found by its title: the GL test programs running
# beside it retitle theirs, and the e2e tests run one at a time.

fail() {
    echo "FAIL: $*" >&2
    [[ -n "${game_pid:-}" ]] && kill "$game_pid" 2>/dev/null
    exit 1
}

# start_game BINARY DIR OUT: starts the game in DIR with its stdout in OUT; sets game_pid
# and game_window.
start_game() {
    local binary=$1 dir=$2 out=$3
    (cd "$dir" && exec "$binary" >"$out") &
    game_pid=$!
    game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^RUKO$' | head -n 1)
    [[ -n "$game_window" ]] || fail "no window titled RUKO"
}

# key NAME...: sends keys to the game's window, with a pause for the paced game to see them.
key() {
    local name
    for name in "$@"; do
        xdotool key --window "$game_window" "$name"
        sleep 0.15
    done
}

# menu_select ENTRY: opens the right-button menu and chooses entry 1 to 5.
menu_select() {
    local entry=$1 menu X Y WIDTH HEIGHT SCREEN
    xdotool mousemove --window "$game_window" 100 100 click 3
    menu=$(timeout 10 xdotool search --sync --onlyvisible --name '^freeglut menu$' | head -n 1)
    [[ -n "$menu" ]] || fail "the right-button menu did not open"
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    xdotool mousemove $((X + 20)) $((Y + HEIGHT * (2 * entry - 1) / 10))
    sleep 0.2
    xdotool click 1
}

# wait_exit SECONDS: waits for the game to end; sets game_status.
wait_exit() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game is still running after $1 s"
    wait "$game_pid"
    game_status=$?
    game_pid=
}

# screenshot FILE: the game's window as a PNG.
screenshot() {
    import -window "$game_window" "$1" || fail "no screenshot"
}

# pixel FILE X Y: the colour of one pixel of a screenshot as "R,G,B" (0-255, from the top left).
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}
