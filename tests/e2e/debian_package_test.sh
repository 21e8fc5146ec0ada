#!/usr/bin/env bash
# CPack builds one .deb holding the launcher, the game, every data file, the menu entry and
# the icons, owned by root and installed under /usr, with the GL libraries as dependencies.
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
for library in '(freeglut3|libglut3\.12)' 'libglu1-mesa' 'libgl1'; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends '$depends' lacks $library"
done

dpkg-deb --contents "$package" >"$scratch/contents"
# Each entry as "mode owner path", so that a file with the wrong mode or owner shows up.
listing=$(awk '{print $1, $2, $NF}' "$scratch/contents")
expect() {
    grep -qxF -e "$1" <<<"$listing" || fail "the package lacks '$1'"
}
expect "-rwxr-xr-x root/root ./usr/bin/ruko"
expect "-rwxr-xr-x root/root ./usr/libexec/ruko/ruko"
expect "drwxr-xr-x root/root ./usr/share/ruko/Data/"
expect "-rw-r--r-- root/root ./usr/share/applications/ruko.desktop"
for size in 48 128 256; do
    expect "-rw-r--r-- root/root ./usr/share/icons/hicolor/${size}x${size}/apps/ruko.png"
done
for file in "$source_dir"/Data/*; do
    if [[ -f $file ]]; then
        expect "-rw-r--r-- root/root ./usr/share/ruko/Data/$(basename "$file")"
    fi
done
if grep -v ' root/root ' "$scratch/contents"; then
    fail "entries above are not owned by root"
fi
echo "PASS"
