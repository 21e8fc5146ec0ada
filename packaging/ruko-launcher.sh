#!/bin/sh
# The `ruko` command. The game reads Data/ from its working directory, so this starts it in
# its installed data folder, found from this script's own place, whatever directory it is
# called from: PREFIX/games with the game in PREFIX/lib/games/ruko and its data in
# PREFIX/share/games/ruko (Debian's layout for games), or PREFIX/bin with PREFIX/lib/ruko and
# PREFIX/share/ruko. A staged (DESTDIR) or moved install works all the same.
here=$(dirname "$(readlink -f "$0")")
case $here in
*/games) own=games/ruko ;;
*) own=ruko ;;
esac
game_dir="$here/../share/$own"
binary="$here/../lib/$own/ruko"
# Files named on the command line (--replay FILE) are the caller's, from where it stood.
RUKO_START_FOLDER=$PWD
export RUKO_START_FOLDER

if ! cd "$game_dir" 2>/dev/null; then
    echo "ruko: the game's data folder $game_dir is missing" >&2
    exit 1
fi
exec "$binary" "$@"
