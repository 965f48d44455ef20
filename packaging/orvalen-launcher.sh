#!/bin/sh
# Starts the installed game in a working folder of the user's own: the game reads data/ and
# writes log.log in its working folder, and the installed files must stay untouched.
set -e

prefix=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
game="$prefix/lib/games/orvalen/orvalen"
data="$prefix/share/games/orvalen/data"

# XDG_STATE_HOME counts only when it is an absolute path.
case "${XDG_STATE_HOME:-}" in
/*) state="$XDG_STATE_HOME" ;;
*) state="${HOME:?orvalen: neither XDG_STATE_HOME nor HOME is set}/.local/state" ;;
esac
folder="$state/orvalen"
mkdir -p "$folder"

# data is a link to the installed data, renewed on every start; a real folder there is the
# user's own copy (a mod) and is left alone.
if [ -L "$folder/data" ] || [ ! -e "$folder/data" ]; then
    ln -sfn "$data" "$folder/data"
fi

cd "$folder"
exec "$game" "$@"
