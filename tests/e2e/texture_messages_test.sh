#!/usr/bin/env bash
# The start-up messages of the texture loader, byte for byte, and the exit statuses, through
# the real binary started in a folder of its own with a copy of Data/ where one file is broken.
# The binary is a copy away from the clone, as installed: it plays with its own tree's Data/
# first, the working folder's only when there is none.
# Args: ruko binary, source dir, scratch dir.
set -uo pipefail
source_dir=$(realpath "$2")
scratch=$3
rm -rf "$scratch" && mkdir -p "$scratch/bin"
scratch=$(realpath "$scratch")
binary=$scratch/bin/ruko
cp "$1" "$binary"
failures=0

fresh_data() {
    rm -rf "$scratch/run" && mkdir -p "$scratch/run"
    cp -r "$source_dir/Data" "$scratch/run/Data"
}

# Overwrites bytes of a file at an offset, given as \x escapes.
patch_bytes() {
    printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# Runs the game in $scratch/run; it must end by itself with `status` and print `expected`.
expect_exit() {
    local name=$1 status=$2 expected=$3
    (cd "$scratch/run" && timeout 20 "$binary" >"$scratch/stdout" 2>"$scratch/stderr")
    local got=$?
    printf "$expected" >"$scratch/expected"
    if [[ $got -ne $status ]]; then
        echo "FAIL $name: exit status $got, expected $status"
        failures=$((failures + 1))
    elif ! cmp -s "$scratch/stdout" "$scratch/expected"; then
        echo "FAIL $name: stdout differs"
        od -c "$scratch/stdout" | head -5
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

# Runs the game in $scratch/run (or the folder given); it must still be running after a while,
# having printed `expected` and nothing more.
expect_running() {
    local name=$1 expected=${2:-} folder=${3:-$scratch/run}
    (cd "$folder" && exec "$binary" >"$scratch/stdout" 2>"$scratch/stderr") &
    local pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
        if [[ "$(cat "$scratch/stdout")" != "$(printf "$expected")" ]]; then
            echo "FAIL $name: stdout: $(cat "$scratch/stdout")"
            failures=$((failures + 1))
        else
            echo "ok   $name"
        fi
    else
        wait "$pid"
        echo "FAIL $name: ended with status $?"
        cat "$scratch/stdout"
        failures=$((failures + 1))
    fi
}

fresh_data
expect_running "our own Data/ loads"

fresh_data
rm "$scratch/run/Data/fontGray.tga"
expect_running "a missing font leaves text blank, said in one line" \
    'File Not Found : Data/fontGray.tga'

# A clone's build folder: Data/ is found beside it, before that of the folder it is started in
# (a damaged copy of the game's here); nowhere, stderr says where it looked.
fresh_data
mkdir "$scratch/run/build" "$scratch/elsewhere"
cp "$binary" "$scratch/run/build/ruko"
binary=$scratch/run/build/ruko
expect_running "Data/ found from a build folder" "" "$scratch/run/build"
cp -r "$scratch/run/Data" "$scratch/elsewhere/Data"
rm "$scratch/elsewhere/Data/ring1.bmp"
expect_running "the build's own Data/ before the working folder's" "" "$scratch/elsewhere"
rm -r "$scratch/run/Data"
expect_exit "no Data/ anywhere" 1 'File Not Found : Data/fontGray.tga\nFile Not Found : Data/ring1.bmp\n'
grep -qxF "ruko: no Data/ folder in $scratch/run/build or its parent, nor in $scratch/run" \
    "$scratch/stderr" || { echo "FAIL where Data/ was looked for: $(cat "$scratch/stderr")"; failures=$((failures + 1)); }
binary=$scratch/bin/ruko

fresh_data
chmod 0444 "$scratch/run/Data/"*
chmod 0555 "$scratch/run/Data"
expect_running "read-only data files load"
chmod -R u+w "$scratch/run/Data"

fresh_data
rm "$scratch/run/Data/ring1.bmp"
expect_exit "missing ring1" 1 'File Not Found : Data/ring1.bmp\n'

fresh_data
patch_bytes "$scratch/run/Data/ring2.bmp" 28 '\x20\x00'
expect_exit "32-bit ring2" 1 'Bpp from Data/ring2.bmp is not 24: 32\n'

fresh_data
patch_bytes "$scratch/run/Data/affiche.bmp" 26 '\x02\x00'
expect_exit "two planes" 1 'Planes from Data/affiche.bmp is not 1: 2\n'

fresh_data
truncate -s 20 "$scratch/run/Data/club.bmp"
expect_exit "club cut in its width" 1 'Error reading width from Data/club.bmp.\n'

fresh_data
truncate -s 27 "$scratch/run/Data/affiche2.bmp"
expect_exit "poster cut in its planes" 1 'Error reading planes from Data/affiche2.bmp.\n'

fresh_data
truncate -s 1000 "$scratch/run/Data/public2.bmp"
expect_exit "crowd cut in its pixels" 1 'Error reading image data from Data/public2.bmp.\n'

fresh_data
patch_bytes "$scratch/run/Data/public2.bmp" 18 '\x00\x00\x00\x00'
expect_exit "zero width" 1 'Error reading width from Data/public2.bmp.\n'

fresh_data
patch_bytes "$scratch/run/Data/ring1.bmp" 22 '\x00\xfe\xff\xff'
expect_exit "top-down height" 1 'Error reading height from Data/ring1.bmp.\n'

fresh_data
# 0x55555556 pixels wide: width * 3 wraps to 2 in 32 bits.
patch_bytes "$scratch/run/Data/ring2.bmp" 18 '\x56\x55\x55\x55'
expect_exit "wrapping size" 1 'Error reading width from Data/ring2.bmp.\n'

[[ $failures -eq 0 ]]
