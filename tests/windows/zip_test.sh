#!/usr/bin/env bash
# The unpacked zip under Wine: what the folder holds, ruko.exe and ruko-setup.exe GUI-subsystem
# programs whose every DLL is shipped or Windows' own, the command line's answers and statuses, Data/ found
# from another working directory, recordings named in Greek, and a missing file named with
# status 1, in a message box where there is no output, after one for the settings in a
# profile named in Greek; a new settings file's Windows line ends.
source "$(dirname "$0")/../e2e/game_driver.sh"
folder=$RUKO_SOURCE
source_dir=$(readlink -f "$(dirname "$0")/../..")

# One folder, ruko-<version>, at the top of the zip.
[[ $(basename "$folder") == ruko-1.0 ]] || fail "the zip's folder is $(basename "$folder")"
for file in ruko.exe ruko-setup.exe README.txt LICENSE; do
    [[ -s $folder/$file ]] || fail "$file is missing"
done
diff -r "$source_dir/Data" "$folder/Data" >&2 || fail "Data/ differs from the game's"
if grep -q -v $'\r$' "$folder/README.txt"; then fail "README.txt has lines without CR LF"; fi

objdump() { x86_64-w64-mingw32-objdump -p "$@"; }
for program in ruko.exe ruko-setup.exe; do
    [[ $(objdump "$folder/$program") == *$'\nSubsystem\t\t00000002\t(Windows GUI)\n'* ]] ||
        fail "$program is no GUI program"
done
# Every DLL imported by ruko.exe or a shipped DLL is shipped or in Wine's system folder, and
# every shipped DLL is imported: nothing missing, nothing more.
system=$WINEPREFIX/drive_c/windows/system32
imported=$(objdump "$folder"/*.exe "$folder"/*.dll | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
for dll in $imported; do
    [[ -n $(find "$folder" "$system" -maxdepth 1 -iname "$dll") ]] || fail "$dll is not shipped"
done
licences=1 # the MinGW-w64 runtime's, linked in
for dll in "$folder"/*.dll; do
    name=$(basename "${dll,,}")
    grep -qx "$name" <<<"$imported" || fail "$name is shipped but not used"
    licences=$((licences + 1))
done
[[ $(ls "$folder"/licenses/*/SOURCE.txt | wc -l) == $((licences - 1)) &&
    $(ls -d "$folder"/licenses/*/ | wc -l) == "$licences" ]] ||
    fail "$licences libraries, licences for $(ls "$folder/licenses")"

# The command line, from a prompt elsewhere.
mkdir -p "$SCRATCH/elsewhere" && cd "$SCRATCH/elsewhere"
status=0
wine "$RUKO_BINARY" --version >"$SCRATCH/version" || status=$?
[[ $status == 0 && $(cat "$SCRATCH/version") == $'ruko 1.0\r' ]] || fail "--version: $status"
wine "$RUKO_BINARY" --help >"$SCRATCH/help" || status=$?
[[ $status == 0 && $(head -n 1 "$SCRATCH/help") == "Usage: ruko "* ]] || fail "--help: $status"
wine "$RUKO_BINARY" --bogus 2>"$SCRATCH/bogus" || status=$?
[[ $status == 2 ]] && grep -q "unknown option: --bogus" "$SCRATCH/bogus" ||
    fail "an unknown option: status $status"

# Started from another folder, it reads its own Data/: the title's credit line is drawn with
# the font, the arena textures loaded. Files named outside the code page (1252 here), in a
# folder named in Greek, are found: a recording recorded to, and one checked. Wine reads the
# arguments as UTF-8 under a UTF-8 locale.
RUKO_SOURCE=$SCRATCH/elsewhere
greek=$SCRATCH/Ελένη/recordings
mkdir -p "$greek" && rm -f "$greek/νίκη.replay"
LC_ALL=C.UTF-8 start_game --record "$(game_path "$greek/νίκη.replay")"
yellow=$(count_colour "$(shoot title)" 240x60+390+170 255 255 0)
((yellow > 50)) || fail "the title's credit line is not drawn ($yellow yellow pixels)"
expect_grey "$SCRATCH/title.png" 5 240 153 "title"
press_keys Escape
wait_game_exit
((GAME_STATUS == 0)) || fail "Escape on the title ended with status $GAME_STATUS"
tail -n 1 "$greek/νίκη.replay" | grep -q ' quit$' ||
    fail "--record under Ελένη: $(cat "$SCRATCH/stderr" "$greek/νίκη.replay")"
cp "$(dirname "$0")/../e2e/recordings/menus.replay" "$greek/défaite.replay"
LC_ALL=C.UTF-8 wine "$RUKO_BINARY" --check "$(game_path "$greek/défaite.replay")" \
    >"$SCRATCH/greek_check" 2>&1 || fail "--check under Ελένη: status $?, $(cat "$SCRATCH/greek_check")"

# Data/ renamed in a copy of the folder: the font is named (the game would play on without it),
# then the first texture, status 1.
rm -rf "$SCRATCH/copy" && cp -r "$folder" "$SCRATCH/copy"
mv "$SCRATCH/copy/Data" "$SCRATCH/copy/Data.away"
status=0
timeout 60 wine "$SCRATCH/copy/ruko.exe" >"$SCRATCH/missing" 2>/dev/null || status=$?
[[ $status == 1 && $(cat "$SCRATCH/missing") == $'File Not Found : Data/fontGray.tga\r\nFile Not Found : Data/ring1.bmp\r' ]] ||
    fail "without Data/: status $status, '$(cat "$SCRATCH/missing")'"

# The message boxes standing: windows of the game's title that cannot be resized (Wine gives
# them a maximum size), unlike the game's window. Their size is their text's: a long path
# makes them wider than the game's window.
message_boxes() {
    local window
    for window in $(xdotool search --onlyvisible --name '^RUKO$' 2>/dev/null); do
        xprop -id "$window" WM_NORMAL_HINTS 2>/dev/null | grep -q 'program specified maximum size' &&
            echo "$window"
    done
    return 0
}

# Started as by a double-click, with no output, and bad settings in an APPDATA named in Greek
# (outside code page 1252; set by cmd, as Wine sets its own): one message box lists them (text in
# Wine's trace), the game goes on to Data/'s message box, whose OK ends it with status 1. The
# APPDATA is a short one outside the clone: Wine's trace cuts a box's text at a fixed length,
# and the text names the file.
short=$(mktemp -d /tmp/ruko-zip.XXXXXX)
trap 'end_test; rm -rf "$short"' EXIT
appdata=$short/Ελένη
mkdir -p "$appdata/ruko"
printf '[keys]\nbogus\n[sound]\nvolume = 300\n' >"$appdata/ruko/ruko.conf"
LC_ALL=C.UTF-8 WINEDEBUG=-all,+msgbox wine cmd /c "set APPDATA=$(game_path "$appdata")&& start \
    /wait $(game_path "$SCRATCH/copy/ruko.exe")" >"$SCRATCH/boxed" 2>"$SCRATCH/boxes" &
GAME_PID=$!
for what in settings Data/; do
    box=""
    for _ in $(seq 100); do
        for window in $(message_boxes); do
            [[ $window != "${clicked:-}" ]] && box=$window
        done
        [[ -n $box ]] && break
        expect_game_running "before its message box for $what"
        sleep 0.1
    done
    [[ -n $box ]] || fail "without output: no message box for $what"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool windowfocus --sync "$box" mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 20)) click 1
    clicked=$box
done
wait_game_exit
[[ $GAME_STATUS == 1 && ! -s $SCRATCH/boxed ]] || fail "the message box's OK: status $GAME_STATUS"
greek='\\0395\\03bb\\03ad\\03bd\\03b7\\\\ruko\\\\ruko.conf'
[[ $(grep -c MSGBOX_OnInit "$SCRATCH/boxes") == 2 ]] &&
    grep -q "$greek:2: not a 'name = value' line: ignored\\\\nruko: .*:4: volume" "$SCRATCH/boxes" ||
    fail "the settings' message box: $(grep -a MSGBOX "$SCRATCH/boxes")"

# ruko-setup.exe, started as by a double-click, opens the settings window; its SAVE puts the
# new file in the place of the old one (MoveFileExW) in an APPDATA of its own. The window is
# focused by a click below its rows.
appdata=$SCRATCH/setup_appdata
mkdir -p "$appdata/ruko"
printf '# mine\r\n[display]\r\nlanguage = fr\r\n' >"$appdata/ruko/ruko.conf"
wine cmd /c "set APPDATA=$(game_path "$appdata")&& start /wait \
    $(game_path "$folder/ruko-setup.exe")" >/dev/null 2>&1 &
GAME_PID=$!
GAME_WINDOW=$(find_game_window)
xdotool windowfocus --sync "$GAME_WINDOW" mousemove --window "$GAME_WINDOW" 600 470 click 1
sleep 0.5
press_keys Right Up Up Up Return Escape
wait_game_exit
[[ $GAME_STATUS == 0 && $(cat "$appdata/ruko/ruko.conf") == $'# mine\r\n[display]\r\nlanguage = en\r' &&
    ! -e $appdata/ruko/ruko.conf.new ]] ||
    fail "ruko-setup.exe's SAVE: status $GAME_STATUS, $(ls "$appdata/ruko"), $(od -c "$appdata/ruko/ruko.conf")"

# A new settings file has Windows' line ends, as Notepad would write it.
appdata=$SCRATCH/new_appdata
mkdir -p "$appdata"
wine cmd /c "set APPDATA=$(game_path "$appdata")&& start /wait \
    $(game_path "$folder/ruko.exe") --write-settings" >/dev/null 2>&1
[[ -s $appdata/ruko/ruko.conf ]] && ! grep -q -v $'\r$' "$appdata/ruko/ruko.conf" ||
    fail "--write-settings' lines: $(od -c "$appdata/ruko/ruko.conf" | head -n 4)"
echo "PASS"
