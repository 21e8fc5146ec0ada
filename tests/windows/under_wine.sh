#!/usr/bin/env bash
# Runs a command against the Windows build under Wine, in the Wine prefix given, made for the
# test run (never the player's ~/.wine): under_wine.sh PREFIX COMMAND [ARGS...]. The e2e
# driver then starts ruko.exe through Wine. Where Wine cannot run (not installed, and not root
# to install it) it says SKIP with status 77, never passes.
set -euo pipefail
if ! command -v wine >/dev/null || ! command -v wineserver >/dev/null; then
    if ((EUID == 0)); then
        echo "FAIL: Wine is missing (tools/install-deps.sh test installs it)" >&2
        exit 1
    fi
    echo "SKIP: Wine is not installed (tools/install-deps.sh test installs it, as root)"
    exit 77
fi
WINEPREFIX=$(mkdir -p "$1" && readlink -f "$1")
shift
# 64-bit only, quiet, without the .NET and HTML engines Wine would offer to install, and
# without Wine's ALSA driver, which has no card to find here (the sound is recorded to files).
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv="
export RUKO_UNDER_WINE=1
# The prefix is the run's own; the game's settings and recordings there (%APPDATA%\ruko,
# %LOCALAPPDATA%\ruko) are each test's own too, emptied before it.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/{Roaming,Local}/ruko
exec "$@"
