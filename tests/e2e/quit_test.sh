#!/usr/bin/env bash
# The 640x480 window, full screen and back through the right-button menu's "Plein ecran", and
# the two ways out: Escape on the title and the menu's "Quitter", both with status 0. The
# window that -geometry asks for, and full screen from the start by the settings.
source "$(dirname "$0")/game_driver.sh"

# The window's real place and size on the X screen: "X,Y WxH".
window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x "," y " " w "x" h}'
}

# Waits up to 5 s for the window to stand at "X,Y WxH", a pattern (the X server's answer to a
# change of size comes when it comes), else fails saying where it is.
expect_geometry() {
    local want=$1 what=$2 geometry
    for _ in $(seq 1 50); do
        geometry=$(window_geometry "$GAME_WINDOW")
        # shellcheck disable=SC2053 # a pattern
        [[ $geometry == $want ]] && return 0
        sleep 0.1
    done
    fail "$what: the window is at $geometry"
}

# The title drawn over the whole window: its grey at the four corners, the ring in the middle
# (a viewport left at the old size would leave the middle bare or the corners undrawn).
expect_title_filling() {
    local image=$1 width=$2 height=$3 what=$4
    local x y
    for x in 2 $((width - 3)); do
        for y in 2 $((height - 3)); do
            expect_grey "$image" "$x" "$y" 153 "$what"
        done
    done
    local w=$((width / 3)) h=$((height * 3 / 10))
    local grey
    grey=$(count_colour "$image" "${w}x${h}+${w}+$((height * 45 / 100))" 153 153 153)
    ((grey < w * h * 3 / 4)) || fail "$what: no ring in the middle of the window ($image)"
}

start_game
eval "$(xdotool getwindowgeometry --shell "$GAME_WINDOW")"
[ "$WIDTH" = 640 ] && [ "$HEIGHT" = 480 ] || fail "the window is ${WIDTH}x${HEIGHT}, not 640x480"
press_keys space a
press_keys Escape
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title did not end with status 0"
expect_stdout "" "Escape on the title"

read -r screen_width screen_height <<<"$(xwininfo -root | awk '/Width:/ {w = $NF} /Height:/ {h = $NF}
    END {print w, h}')"

# -geometry: that size at that place, and back to it from full screen.
start_game -geometry 1280x960+40+30
expect_geometry "40,30 1280x960" "-geometry 1280x960+40+30"
view_menu 2
# With no window manager, freeglut takes the place -geometry gave for a frame's offset and
# puts the full screen that far up and left: only its size is asked here.
expect_geometry "*,* ${screen_width}x$screen_height" "full screen from -geometry"
view_menu 2
expect_geometry "40,30 1280x960" "-geometry 1280x960+40+30 after full screen"
press_keys Escape
wait_game_exit
# A place alone keeps the usual size; -X-Y count from the right and bottom edges of the screen.
start_game -geometry +100+100
expect_geometry "100,100 640x480" "-geometry +100+100"
press_keys Escape
wait_game_exit
start_game -geometry 320x240-0-0
expect_geometry "$((screen_width - 320)),$((screen_height - 240)) 320x240" "-geometry 320x240-0-0"
press_keys Escape
wait_game_exit

export XDG_CONFIG_HOME="$SCRATCH/config"
mkdir -p "$XDG_CONFIG_HOME/ruko" && printf '[display]\nfull_screen = yes\n' >"$XDG_CONFIG_HOME/ruko/ruko.conf"
start_game
geometry=$(window_geometry "$GAME_WINDOW") && rm -r "$XDG_CONFIG_HOME" && press_keys Escape && wait_game_exit
[ "$geometry" = "$(xwininfo -root | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {print "0,0 " w "x" h}')" ] ||
    fail "full_screen = yes: the window is at $geometry"

# "Plein ecran" fills the X screen, and the next pick gives back the window, twice over.
start_game
for round in 1 2; do
    view_menu 2
    expect_geometry "0,0 ${screen_width}x$screen_height" "Plein ecran ($round)"
    expect_title_filling "$(shoot "full_screen_$round")" "$screen_width" "$screen_height" \
        "full screen ($round)"
    view_menu 2
    expect_geometry "0,0 640x480" "Plein ecran again ($round)"
    expect_title_filling "$(shoot "window_$round")" 640 480 "back in the window ($round)"
done

# "Quitter" is the last of the five entries, from the middle of a menu.
focus_game
press_keys Return Return
view_menu 5
wait_game_exit
[ "$GAME_STATUS" = 0 ] || fail "Quitter did not end with status 0"
# The menu's window covers part of the game's, which GLUT reports as a change of
# visibility: the menu screen says it is visible, never that it is hidden.
if grep -qv -a -x "$(printf 'Fen\xeatre graphique visible')" "$GAME_STDOUT"; then
    fail "Quitter: unexpected output $(od -c "$GAME_STDOUT")"
fi
echo "PASS"
