#!/usr/bin/env bash
# The .deb installed for real with dpkg (root only, else skipped): /usr/games/ruko started
# from / with sound draws the title's text, ends with Escape and status 0 and writes nothing
# on stderr; --help and --version answer with no display; man and appstreamcli accept the
# installed page and metadata. The package is purged afterwards, and also when a step fails,
# so that the machine is left as it was.
build_dir=$(dirname "$(readlink -f "$1")")
skipped=77 # SKIP_RETURN_CODE in tests/CMakeLists.txt

if ((EUID != 0)) || ! command -v dpkg >/dev/null; then
    echo "SKIP: installing the package needs root and dpkg"
    exit $skipped
fi
state=$(dpkg-query -W -f='${db:Status-Status}' ruko 2>/dev/null || true)
if [[ -n $state && $state != not-installed ]]; then
    echo "SKIP: a ruko package is already on this machine; it is left alone"
    exit $skipped
fi
# The driver plays the installed command, started from /.
source "$(dirname "$0")/game_driver.sh" /usr/games/ruko / "$3"

rm -rf "${SCRATCH:?}"/*
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$SCRATCH" >"$SCRATCH/cpack.log" 2>&1 ||
    { cat "$SCRATCH/cpack.log" >&2; fail "cpack"; }

purge() {
    end_test
    dpkg --purge ruko >>"$SCRATCH/dpkg.log" 2>&1 || true
}
trap purge EXIT
dpkg -i "$SCRATCH"/ruko_*.deb >"$SCRATCH/dpkg.log" 2>&1 || { cat "$SCRATCH/dpkg.log" >&2; fail "dpkg -i"; }

status=0
out=$(env -u DISPLAY /usr/games/ruko --help 2>"$SCRATCH/help.err") || status=$?
[[ $status == 0 && $out == "Usage: ruko "* && ! -s $SCRATCH/help.err ]] ||
    fail "--help: status $status, '$out' $(cat "$SCRATCH/help.err")"
[[ $(env -u DISPLAY /usr/games/ruko --version) == "ruko 1.0" ]] || fail "--version"

page=/usr/share/man/man6/ruko.6.gz
[[ $(man -w 6 ruko) == "$page" ]] || fail "man finds '$(man -w 6 ruko)', not $page"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
    2>"$SCRATCH/man.log" >/dev/null || fail "man -l $page"
[[ ! -s $SCRATCH/man.log ]] || { cat "$SCRATCH/man.log" >&2; fail "man warns"; }
appstreamcli validate --no-net /usr/share/metainfo/invalid.noreply.users.ruko.metainfo.xml \
    >"$SCRATCH/appstream.log" 2>&1 || { cat "$SCRATCH/appstream.log" >&2; fail "appstreamcli"; }

# With sound, on OpenAL Soft's silent device: every installed sound file loads, or stderr
# says which did not.
ALSOFT_DRIVERS=null start_game
[[ $(readlink "/proc/$GAME_PID/exe") == /usr/lib/games/ruko/ruko ]] || fail "not the installed game"
sleep 0.5
# "By Tavelin", yellow, right of the middle: drawn only if the font came from the data folder.
yellow=$(count_colour "$(shoot title)" 240x60+390+170 255 255 0)
((yellow > 50)) || fail "the title's credit line is not drawn ($yellow yellow pixels)"

press_keys Escape
wait_game_exit
((GAME_STATUS == 0)) || fail "the game ended with status $GAME_STATUS: $(cat "$SCRATCH/stderr")"
[[ ! -s $SCRATCH/stderr ]] || fail "the game complained: $(cat "$SCRATCH/stderr")"

dpkg --purge ruko >"$SCRATCH/dpkg.log" 2>&1 || { cat "$SCRATCH/dpkg.log" >&2; fail "dpkg --purge"; }
for path in /usr/games/ruko /usr/lib/games/ruko /usr/share/games/ruko "$page"; do
    [[ ! -e $path ]] || fail "$path is left after the purge"
done
echo "PASS"
