#!/usr/bin/env bash
# Plays the real game under X and saves a picture of every screen under docs/, in French, then
# in English under docs/en/.
# Usage: tools/screenshots.sh [ruko-binary] (run from anywhere; needs Data/ in the source tree).
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BINARY=${1:-$SOURCE/build/ruko}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

SHOTS=$(mktemp -d)
source "$SOURCE/tests/e2e/game_driver.sh" "$BINARY" "$SOURCE" "$SHOTS"
DOCS="$SOURCE/docs"
mkdir -p "$DOCS"

keep() {
    cp "$(shoot "$1")" "$DOCS/$1.png"
    echo "${DOCS#"$SOURCE/"}/$1.png"
}

every_screen() {
    start_game
    # The prompt blinks: wait for a frame that shows it (red letters near the bottom).
    for _ in $(seq 1 20); do
        [ "$(count_colour "$(shoot title_probe)" 380x30+130+425 255 0 0)" -gt 100 ] && break
        sleep 0.1
    done
    keep title
    press_keys Return
    keep mode_menu
    press_keys Return
    keep opponent_menu_radov_eze
    press_keys Right
    keep opponent_menu_radov_eze_black
    press_keys Right
    keep opponent_menu_dida_vud
    press_keys Left Left Return
    keep decor_menu_amical
    press_keys Right
    keep decor_menu_coupe_tavelin
    press_keys Left Return
    sleep 0.3
    keep fight_amical
    press_keys Escape Right Return Right Return Left Left
    sleep 0.3
    keep fight_coupe_tavelin
    press_keys Up Up Up
    press_repeatedly 26 70 x w
    sleep 1.5
    keep knockout
    press_keys Escape Escape Down Return
    keep training_menu_punch_bag
    press_keys Right
    keep training_menu_punching_ball
    press_keys Left Return x
    sleep 0.05
    keep training_punch_bag
    press_keys Escape Right Return
    sleep 0.2
    keep training_punching_ball
    press_repeatedly 20 100 x
    sleep 0.3
    keep training_in_progress
    press_keys Escape Left Return
    press_repeatedly 20 150 x
    sleep 0.3
    keep training_finished
    press_keys Escape Escape Escape Escape
    wait_game_exit
}

# The player's own settings are left out: French, then English from a settings file of ours.
export XDG_CONFIG_HOME="$SHOTS/config"
every_screen
mkdir -p "$XDG_CONFIG_HOME/ruko" "$DOCS/en"
printf '[display]\nlanguage = en\n' >"$XDG_CONFIG_HOME/ruko/ruko.conf"
DOCS="$DOCS/en"
every_screen
rm -rf "$SHOTS"
