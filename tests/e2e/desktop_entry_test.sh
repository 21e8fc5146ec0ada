#!/usr/bin/env bash
# The installed menu entry passes desktop-file-validate, starts the installed command, opens
# its settings window from an action, and names an icon that the hicolor theme holds as a PNG at 48, 128 and 256 pixels.
set -euo pipefail
binary=$1 scratch=$3
build_dir=$(dirname "$binary")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$scratch/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" ||
    fail "cmake --install"

entry=$prefix/share/applications/ruko.desktop
[[ -f $entry ]] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

# key NAME [GROUP]: the value in the group, the main one by default.
key() { sed -n "/^\[${2:-Desktop Entry}\]/,/^\[/ s/^$1=//p" "$entry"; }
[[ $(key Name) == RUKO ]] || fail "Name is '$(key Name)'"
[[ -n $(key Comment) ]] || fail "no Comment"
[[ ";$(key Categories)" == *";Game;"* && ";$(key Categories)" == *";SportsGame;"* ]] ||
    fail "Categories '$(key Categories)' lack Game and SportsGame"
command=$(key Exec)
[[ -x $prefix/bin/$command ]] || fail "Exec '$command' is not an installed command"
[[ $(key Actions) == settings\; && $(key Exec "Desktop Action settings") == "$command --setup" &&
    $(key Name "Desktop Action settings") == "RUKO settings" ]] ||
    fail "no settings action running $command --setup"

icon=$(key Icon)
for size in 48 128 256; do
    file=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [[ -f $file ]] || fail "no ${size}x${size} icon named $icon"
    found=$(identify -format '%m %w %h' "$file") || fail "$file is not a readable image"
    [[ $found == "PNG $size $size" ]] || fail "$file is '$found', not a ${size}px PNG"
    # Byte 25 is the colour type of the header chunk: 6 is RGBA, for a see-through ground.
    [[ $(od -An -tu1 -j25 -N1 "$file" | tr -d ' ') == 6 ]] || fail "$file has no alpha"
done
echo "PASS"
