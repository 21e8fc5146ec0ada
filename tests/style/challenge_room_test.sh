#!/usr/bin/env bash
# The challenge's rules, records and circuit need no window: what challenge/ includes of the game
# is challenge/ itself, the fight's plain state and the platform's calls, and no GL, GLU or GLUT.
set -euo pipefail
cd "$1"
mapfile -t sources < <(git ls-files 'challenge/*.cpp' 'challenge/*.h')
[ "${#sources[@]}" -gt 0 ] || { echo "no files in challenge/" >&2; exit 1; }
if grep -n '#include' "${sources[@]}" |
    grep -Ev '#include ("challenge/[a-z_]+\.h"|"game/state\.h"|"platform/platform\.h"|<[a-z_]+>)$'; then
    echo "challenge/ includes the above, which it must not" >&2
    exit 1
fi
echo "${#sources[@]} files need no window"
