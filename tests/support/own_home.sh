#!/usr/bin/env bash
# Empty home, settings, state, data and cache folders of a test's own, made anew each time, so
# that nothing a test or a tool starts reads or writes a player's files (their settings, the
# recording of the game they are playing):
#   own_home.sh FOLDER COMMAND [ARGS...]   runs the command with them, under FOLDER
#   source own_home.sh FOLDER              exports them into the script that sources it
# Only FOLDER's five folders are removed, whatever else it holds.

own_home() {
    local folder name
    mkdir -p "$1" && folder=$(readlink -f "$1") || return 1
    # X keeps working with the home moved away: its cookie is still found where it was.
    if [[ -z ${XAUTHORITY:-} && -n ${HOME:-} && -f $HOME/.Xauthority ]]; then
        export XAUTHORITY=$HOME/.Xauthority
    fi
    for name in home config state data cache; do
        rm -rf "${folder:?}/$name" && mkdir -m 700 "$folder/$name" || return 1
    done
    export RUKO_OWN_HOME=$folder HOME=$folder/home XDG_CONFIG_HOME=$folder/config \
        XDG_STATE_HOME=$folder/state XDG_DATA_HOME=$folder/data XDG_CACHE_HOME=$folder/cache
    # Mesa's shader cache is kept beside, for every test of the run: an empty one makes each
    # start of the game draw its first frame half a second later.
    export MESA_SHADER_CACHE_DIR=${folder%/*}/shader_cache
}

if [[ ${BASH_SOURCE[0]} != "$0" ]]; then
    own_home "$1" || return 1
    unset -f own_home
    return 0
fi
set -euo pipefail
if (($# < 2)); then
    echo "usage: $0 FOLDER COMMAND [ARGS...]" >&2
    exit 2
fi
own_home "$1"
shift
exec "$@"
