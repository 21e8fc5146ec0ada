#!/usr/bin/env bash
# `make install` with PREFIX and DESTDIR stages the game the way a packager does, under a
# prefix of one's own (the command in bin/); the staged tree is made read-only and the
# installed `ruko` command is started by name from an unrelated directory. The game must open its window from the data folder, take the player's arguments
# unchanged, leave the installed files untouched and end with status 0; --help and --version
# answer without a display.
set -euo pipefail
binary=$1 source_dir=$2 scratch=$3
build_dir=$(cd "$(dirname "$binary")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    [[ -f $scratch/game.log ]] && sed 's/^/game: /' "$scratch/game.log" >&2
    exit 1
}

game_pid=
cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
    chmod -R u+w "$scratch" 2>/dev/null || true
}
trap cleanup EXIT

[[ -n ${DISPLAY:-} ]] || fail "no X display (run under xvfb-run)"
chmod -R u+w "$scratch" 2>/dev/null || true
rm -rf "$scratch"
mkdir -p "$scratch/elsewhere"

prefix=/opt/ruko
stage=$scratch/stage
root=$stage$prefix
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL \
    make -s -C "$source_dir" install BUILD="$build_dir" PREFIX="$prefix" DESTDIR="$stage" \
    >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log" >&2; fail "make install"; }

for path in bin/ruko lib/ruko/ruko; do
    [[ -x $root/$path ]] || fail "$path is not installed as a program"
done
game_dir=$root/share/ruko
[[ -d $game_dir/Data ]] || fail "no data folder"

# Under /usr/local, Debian's layout for games: the command in games/, which only Debian's PATH
# holds; the launcher finds its game there too.
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s -C "$source_dir" install BUILD="$build_dir" \
    PREFIX=/usr/local DESTDIR="$scratch/debian" >>"$scratch/install.log" 2>&1 || fail "make install"
[[ -d $scratch/debian/usr/local/share/games/ruko/Data && ! -e $scratch/debian/usr/local/bin ]] ||
    fail "not Debian's layout under /usr/local"
[[ $(env -u DISPLAY "$scratch/debian/usr/local/games/ruko" --version) == "ruko 1.0" ]] ||
    fail "the launcher in games/ does not start its game"

# Every data file of the source tree, byte for byte, and nothing else.
diff <(cd "$source_dir" && find Data -type f | sort) <(cd "$game_dir" && find Data -type f | sort) ||
    fail "the installed data files differ from Data/"
while IFS= read -r file; do
    cmp -s "$game_dir/$file" "$source_dir/$file" || fail "$file differs from its source"
done < <(cd "$game_dir" && find Data -type f)

# Installed files belong to the system: the game must run with none of them writable. Root
# ignores file modes, so for root the game also sees the tree through a read-only mount.
chmod -R a-w "$stage"
read_only() {
    if ((EUID == 0)); then
        # shellcheck disable=SC2016 # the inner shell expands them
        exec unshare --mount sh -c 'mount --bind -o ro "$1" "$1" && shift && exec "$@"' \
            sh "$stage" "$@"
    fi
    exec "$@"
}
snapshot() {
    cd "$stage" && find . -printf '%p %m %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort
}
before=$(snapshot)

cd "$scratch/elsewhere"
# No display needed to ask; a word with a space reaches the game as one word.
status=0
out=$(env -u DISPLAY "$root/bin/ruko" --help 2>"$scratch/help.err") || status=$?
[[ $status == 0 && $out == "Usage: ruko "* && ! -s $scratch/help.err ]] ||
    fail "--help: status $status, '$out' $(cat "$scratch/help.err")"
[[ $(env -u DISPLAY "$root/bin/ruko" --version 2>&1) == "ruko 1.0" ]] || fail "--version"
status=0
env -u DISPLAY "$root/bin/ruko" "two words" >"$scratch/usage.log" 2>&1 || status=$?
[[ $status == 2 ]] && grep -qx "ruko: unknown option: two words" "$scratch/usage.log" ||
    fail "a bad option ended with status $status: $(cat "$scratch/usage.log")"
# A file named from where the command is called, though the game runs in its data folder.
cp "$source_dir/Data/demo.replay" mine.replay
"$root/bin/ruko" --check mine.replay >"$scratch/check.log" 2>&1 ||
    fail "--check of a file named from here: $(cat "$scratch/check.log")"

PATH="$root/bin:$PATH" read_only ruko -display "$DISPLAY" --mute >"$scratch/game.log" 2>&1 &
game_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^RUKO$' | head -1) || true
[[ -n $window ]] || fail "no window titled RUKO"

# The launcher replaced itself with the game, started in the data folder.
[[ $(readlink "/proc/$game_pid/exe") == "$root/lib/ruko/ruko" ]] ||
    fail "the running program is $(readlink "/proc/$game_pid/exe"), not the installed game"
[[ $(readlink "/proc/$game_pid/cwd") == "$game_dir" ]] ||
    fail "the game runs in $(readlink "/proc/$game_pid/cwd"), not its data folder"
if ((EUID == 0)); then
    awk -v dir="$stage" '$5 == dir && $6 ~ /^ro(,|$)/ { found = 1 } END { exit !found }' \
        "/proc/$game_pid/mountinfo" || fail "the game does not see its files read-only"
fi
mapfile -d '' arguments <"/proc/$game_pid/cmdline"
[[ ${#arguments[@]} -eq 4 && ${arguments[1]} == -display && ${arguments[2]} == "$DISPLAY" &&
    ${arguments[3]} == --mute ]] || fail "arguments not passed through: ${arguments[*]}"

exited_within() {
    local tenths=$(($1 * 10))
    while ((tenths-- > 0)); do
        kill -0 "$game_pid" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

xdotool mousemove --window "$window" 320 240 windowfocus --sync "$window"
xdotool key Escape
exited_within 10 || fail "Escape on the title screen did not end the game"
status=0
wait "$game_pid" || status=$?
game_pid=
((status == 0)) || fail "the game ended with status $status"

[[ $(snapshot) == "$before" ]] || fail "the game changed its installed files"

# A launcher whose data folder is gone says so instead of starting a game that finds nothing.
mkdir -p "$scratch/lonely"
cp "$root/bin/ruko" "$scratch/lonely/ruko"
status=0
"$scratch/lonely/ruko" >"$scratch/lonely.log" 2>&1 || status=$?
((status == 1)) || fail "a launcher without data ended with status $status"
grep -q "data folder .* is missing" "$scratch/lonely.log" || fail "no message for missing data"
echo "PASS"
