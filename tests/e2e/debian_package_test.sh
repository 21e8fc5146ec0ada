#!/usr/bin/env bash
# CPack builds one .deb laid out as Debian lays out a game: the launcher in /usr/games, the game
# in /usr/lib/games/ruko, every data file under /usr/share/games/ruko, the menu entry and the
# icons, the man page, the AppStream metadata, the copyright and the changelog; owned by root,
# with the GL and SDL2 libraries as dependencies, and accepted by lintian, appstreamcli and man.
set -euo pipefail
binary=$1 source_dir=$2 scratch=$3
build_dir=$(dirname "$binary")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack"; }
packages=("$scratch"/*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "expected one .deb, found: ${packages[*]}"
package=${packages[0]}

field() { dpkg-deb --field "$package" "$1"; }
[[ $(field Package) == ruko ]] || fail "Package is '$(field Package)'"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] ||
    fail "Architecture is '$(field Architecture)'"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)'"
description=$(field Description)
[[ ${description%%$'\n'*} == *"boxing game" ]] || fail "Description begins '${description%%$'\n'*}'"
depends=$(field Depends)
for library in '(freeglut3|libglut3\.12)' 'libglu1-mesa' 'libgl1' 'libsdl2-2\.0-0'; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends '$depends' lacks $library"
done

dpkg-deb --contents "$package" >"$scratch/contents"
# Each entry as "mode owner path", so that a file with the wrong mode or owner shows up.
listing=$(awk '{print $1, $2, $NF}' "$scratch/contents")
expect() {
    grep -qxF -e "$1" <<<"$listing" || fail "the package lacks '$1'"
}
expect "-rwxr-xr-x root/root ./usr/games/ruko"
expect "-rwxr-xr-x root/root ./usr/lib/games/ruko/ruko"
expect "-rw-r--r-- root/root ./usr/share/applications/ruko.desktop"
for size in 48 128 256; do
    expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x${size}/apps/ruko.png"
done
metainfo=usr/share/metainfo/invalid.noreply.users.ruko.metainfo.xml
for file in usr/share/man/man6/ruko.6.gz usr/share/doc/ruko/changelog.gz \
    usr/share/doc/ruko/copyright "$metainfo"; do
    expect "-rw-r--r-- root/root ./$file"
done
# Data/ as a whole, whatever folders it grows.
while IFS= read -r path; do
    if [[ -d $source_dir/$path ]]; then
        expect "drwxr-xr-x root/root ./usr/share/games/ruko/$path/"
    else
        expect "-rw-r--r-- root/root ./usr/share/games/ruko/$path"
    fi
done < <(cd "$source_dir" && find Data)
if grep -v ' root/root ' "$scratch/contents"; then
    fail "entries above are not owned by root"
fi

# Debian's own tools judge the package and what it ships.
lintian --fail-on error,warning "$package" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log" >&2; fail "lintian"; }
tree=$scratch/tree
dpkg-deb --extract "$package" "$tree"
appstreamcli validate --no-net "$tree/$metainfo" >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
# The man page as lintian renders it: any warning fails.
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$tree/usr/share/man/man6/ruko.6.gz" 2>"$scratch/man.log" >/dev/null || fail "man -l"
[[ ! -s $scratch/man.log ]] || { cat "$scratch/man.log" >&2; fail "man warns"; }
# gzip -9n: a header with no name and no time (flags and time 0), best compression (2), so
# that the same text gives the same bytes.
for file in usr/share/man/man6/ruko.6.gz usr/share/doc/ruko/changelog.gz; do
    [[ $(od -An -tu1 -N9 "$tree/$file" | xargs) == "31 139 8 0 0 0 0 0 2" ]] ||
        fail "$file is not compressed with gzip -9n"
done
zcat "$tree/usr/share/doc/ruko/changelog.gz" >"$scratch/changelog"
[[ $(dpkg-parsechangelog -l "$scratch/changelog" -S Version) == "$(field Version)" ]] ||
    fail "the changelog's version is not the package's"
grep -q '^License: Bitstream-Vera$' "$tree/usr/share/doc/ruko/copyright" ||
    fail "the copyright file lacks the DejaVu fonts' licence"
echo "PASS"
