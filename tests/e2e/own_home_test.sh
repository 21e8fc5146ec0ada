#!/usr/bin/env bash
# Tests never touch a player's files: every test of the build runs under
# tests/support/own_home.sh, which gives it empty home, settings, state, data and cache folders
# made anew; the real game started there reads none of a player's settings; an e2e script
# started by hand gets folders of its own too.
# Args: ruko binary, source dir, scratch dir.
set -euo pipefail
binary=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
scratch=$3
own_home=$source_dir/tests/support/own_home.sh

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch" && mkdir -p "$scratch"
scratch=$(readlink -f "$scratch")

# Every test ctest knows, wherever it was added.
(cd "$(dirname "$binary")" && ctest -N -V) >"$scratch/tests" || fail "ctest -N"
outside=$(awk '/Test command:/ { command = $0 }
    /^ +Test +#[0-9]+:/ { if (command !~ /\/tests\/support\/own_home\.sh" /) print $3; command = "" }' \
    "$scratch/tests")
[[ -z $outside ]] || fail "tests not run under own_home.sh: $(echo $outside)"
(($(grep -c 'Test command:' "$scratch/tests") > 20)) || fail "no tests listed: $(cat "$scratch/tests")"

# A player's home: settings that change every screen, a recording, the XDG folders unset.
player=$scratch/player
mkdir -p "$player/.config/ruko" "$player/.local/state/ruko"
printf '[display]\nlanguage = en\nfull_screen = yes\ntext_scale = 4\n[sound]\nvolume = 0\n[keys]\nturn = space\n' \
    >"$player/.config/ruko/ruko.conf"
echo "ruko-replay 1 ruko 1.0" >"$player/.local/state/ruko/last.replay"
as_player() {
    env -u XDG_CONFIG_HOME -u XDG_STATE_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u RUKO_OWN_HOME \
        HOME="$player" "$@"
}
listing() { (cd "$player" && find . -printf '%p %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(listing)

# Made anew: what a test left there before is gone, what else the folder holds stays.
mkdir -p "$scratch/own/state/ruko" && touch "$scratch/own/state/ruko/last.replay" "$scratch/own/kept"
as_player "$own_home" "$scratch/own" env >"$scratch/env"
for entry in HOME=home XDG_CONFIG_HOME=config XDG_STATE_HOME=state XDG_DATA_HOME=data \
    XDG_CACHE_HOME=cache; do
    grep -qx "${entry%%=*}=$scratch/own/${entry#*=}" "$scratch/env" ||
        fail "${entry%%=*} is not $scratch/own/${entry#*=}: $(grep "^${entry%%=*}=" "$scratch/env")"
    [[ -z $(ls -A "$scratch/own/${entry#*=}") ]] || fail "$scratch/own/${entry#*=} is not empty"
done
[[ -e $scratch/own/kept ]] || fail "own_home.sh removed more than its folders"

# The game as the player has it, then as a test has it: the defaults.
as_player "$binary" --settings >"$scratch/player_settings"
grep -qx 'text_scale = 4' "$scratch/player_settings" || fail "the player's settings are not read"
as_player "$own_home" "$scratch/own" "$binary" --settings >"$scratch/test_settings"
env -i "$binary" --settings >"$scratch/default_settings"
cmp -s "$scratch/test_settings" "$scratch/default_settings" ||
    fail "a test reads the player's settings: $(diff "$scratch/default_settings" "$scratch/test_settings")"

# A script started by hand, as the player.
cat >"$scratch/by_hand.sh" <<SCRIPT
source "$source_dir/tests/e2e/game_driver.sh" "$binary" "$source_dir" "$scratch/by_hand"
echo "\$HOME \$XDG_CONFIG_HOME \$XDG_STATE_HOME"
SCRIPT
read -r home config state <<<"$(as_player bash "$scratch/by_hand.sh")"
[[ $home == "$scratch/by_hand/own_home/home" && $config == "$scratch/by_hand/own_home/config" &&
    $state == "$scratch/by_hand/own_home/state" ]] ||
    fail "the driver started by hand plays in $home, $config, $state"

[[ $(listing) == "$before" ]] || fail "the player's files changed"
echo "PASS"
