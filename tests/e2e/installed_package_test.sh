#!/usr/bin/env bash
# The .deb installed for real with dpkg (root only, else skipped): /usr/games/ruko started
# from / draws the title's text, ends with Escape and status 0; --help and --version answer
# with no display; man and appstreamcli accept the installed page and metadata. The package
# is purged afterwards, and also when a step fails, so that the machine is left as it was.
set -euo pipefail
binary=$1 scratch=$3
build_dir=$(dirname "$binary")
skipped=77 # SKIP_RETURN_CODE in tests/CMakeLists.txt

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ((EUID != 0)) || ! command -v dpkg >/dev/null; then
    echo "SKIP: installing the package needs root and dpkg"
    exit $skipped
fi
state=$(dpkg-query -W -f='${db:Status-Status}' ruko 2>/dev/null || true)
if [[ -n $state && $state != not-installed ]]; then
    echo "SKIP: a ruko package is already on this machine; it is left alone"
    exit $skipped
fi
[[ -n ${DISPLAY:-} ]] || fail "no X display (run under xvfb-run)"

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; }

game_pid=
purge() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
    dpkg --purge ruko >>"$scratch/dpkg.log" 2>&1 || true
}
trap purge EXIT
dpkg -i "$scratch"/ruko_*.deb >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg -i"; }

status=0
out=$(env -u DISPLAY /usr/games/ruko --help 2>"$scratch/help.err") || status=$?
[[ $status == 0 && $out == "Usage: ruko "* && ! -s $scratch/help.err ]] ||
    fail "--help: status $status, '$out' $(cat "$scratch/help.err")"
[[ $(env -u DISPLAY /usr/games/ruko --version) == "ruko 1.0" ]] || fail "--version"

page=/usr/share/man/man6/ruko.6.gz
[[ $(man -w 6 ruko) == "$page" ]] || fail "man finds '$(man -w 6 ruko)', not $page"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
    2>"$scratch/man.log" >/dev/null || fail "man -l $page"
[[ ! -s $scratch/man.log ]] || { cat "$scratch/man.log" >&2; fail "man warns"; }
appstreamcli validate --no-net /usr/share/metainfo/invalid.noreply.users.ruko.metainfo.xml \
    >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log" >&2; fail "appstreamcli"; }

(cd / && exec /usr/games/ruko --mute) >"$scratch/game.log" 2>&1 &
game_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^RUKO$' | head -1) || true
[[ -n $window ]] || fail "no window titled RUKO"
[[ $(readlink "/proc/$game_pid/exe") == /usr/lib/games/ruko/ruko ]] || fail "not the installed game"
sleep 1
# "By Tavelin", yellow, right of the middle: drawn only if the font came from the data folder.
import -window "$window" "$scratch/title.png"
yellow=$(convert "$scratch/title.png" -crop 240x60+390+170 +repage -fuzz 12% -fill black \
    +opaque yellow -fill white -opaque yellow -format '%[fx:int(mean*w*h+0.5)]' info:)
((yellow > 50)) || fail "the title's credit line is not drawn ($yellow yellow pixels)"

xdotool mousemove --window "$window" 320 240 windowfocus --sync "$window" key Escape
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "Escape on the title did not end the game"
status=0
wait "$game_pid" || status=$?
game_pid=
((status == 0)) || fail "the game ended with status $status: $(cat "$scratch/game.log")"

dpkg --purge ruko >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg --purge"; }
for path in /usr/games/ruko /usr/lib/games/ruko /usr/share/games/ruko "$page"; do
    [[ ! -e $path ]] || fail "$path is left after the purge"
done
echo "PASS"
