#!/usr/bin/env bash
# A player's first steps from a clone: `make run` where there is no dpkg or apt (not Debian),
# every library there, builds and plays with ARGS handed to the game; `ruko --pads` names the
# virtual pad, and with none says so and what to look at.
# Args: ruko binary, source dir, scratch dir.
set -euo pipefail
binary=$(realpath "$1")
source_dir=$(realpath "$2")
scratch=$(realpath -m "$3")
rm -rf "$scratch" && mkdir -p "$scratch/bin"
fail() {
    echo "FAIL: $*"
    exit 1
}

# Every command of the PATH but Debian's package tools.
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
    for command in "$folder"/*; do
        name=${command##*/}
        if [[ -x $command && $name != dpkg* && $name != apt* && ! -e $scratch/bin/$name ]]; then
            ln -s "$command" "$scratch/bin/$name"
        fi
    done
done
PATH=$scratch/bin make -C "$source_dir" run BUILD="$(dirname "$binary")" ARGS=--version \
    >"$scratch/make.out" 2>&1 || fail "make run without dpkg: $(tail -n 5 "$scratch/make.out")"
version=$(sed -n 's/^project(ruko VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
grep -qx "ruko $version" "$scratch/make.out" || fail "make run played: $(tail -n 5 "$scratch/make.out")"

# Under ASan the preloaded pad comes before the sanitizer's runtime; it is not checked.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    LD_PRELOAD="$(dirname "$binary")/libvirtual_pad.so" RUKO_PAD_SCRIPT=/dev/null "$binary" --pads \
    >"$scratch/pads.out" || fail "--pads: status $?"
[ "$(cat "$scratch/pads.out")" = "RUKO test pad: mapped, plays" ] || fail "$(cat "$scratch/pads.out")"
"$binary" --pads >"$scratch/pads.out" || fail "--pads without a pad: status $?"
grep -qx "no pad found. If one is plugged in:" "$scratch/pads.out" || fail "$(cat "$scratch/pads.out")"
grep -q "/dev/input/event" "$scratch/pads.out" || fail "no word on permissions"
grep -q "SDL_GAMECONTROLLERCONFIG" "$scratch/pads.out" || fail "no word on mappings"
echo "PASS"
