#!/usr/bin/env bash
# The installed launcher, with a stand-in game that reports where and how it was started: the
# user's working folder, the data link in it, and the arguments passed on.
# Usage: launcher_test.sh LAUNCHER
set -u
LAUNCHER=$(realpath "$1")
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# An installed prefix (with a space in its path) holding the launcher and the stand-in game.
prefix="$SCRATCH/installed prefix/usr"
mkdir -p "$prefix/games" "$prefix/lib/games/orvalen" "$prefix/share/games/orvalen/data"
cp "$LAUNCHER" "$prefix/games/orvalen"
cat >"$prefix/lib/games/orvalen/orvalen" <<'GAME'
#!/bin/sh
pwd -P >started-in
readlink data >data-link
for argument in "$@"; do printf '%s\n' "$argument"; done >arguments
exit 3
GAME
chmod +x "$prefix/games/orvalen" "$prefix/lib/games/orvalen/orvalen"
data="$prefix/share/games/orvalen/data"

# launch HOME XDG_STATE_HOME|-unset ARGUMENTS...: runs the launcher; sets STATUS.
launch() {
  local home=$1 state=$2
  shift 2
  mkdir -p "$home"
  if [ "$state" = -unset ]; then
    env -u XDG_STATE_HOME HOME="$home" "$prefix/games/orvalen" "$@"
  else
    env HOME="$home" XDG_STATE_HOME="$state" "$prefix/games/orvalen" "$@"
  fi
  STATUS=$?
}

# The game starts in XDG_STATE_HOME/orvalen with data pointing at the installed data, gets the
# arguments unchanged, and its exit status is the launcher's.
launch "$SCRATCH/home" "$SCRATCH/state dir" --version "two words" ""
folder="$SCRATCH/state dir/orvalen"
[ "$STATUS" -eq 3 ] || fail "the launcher's status was $STATUS, not the game's 3"
[ "$(cat "$folder/started-in" 2>/dev/null)" = "$(cd "$folder" 2>/dev/null && pwd -P)" ] ||
  fail "the game did not start in \$XDG_STATE_HOME/orvalen"
[ "$(cat "$folder/data-link" 2>/dev/null)" = "$data" ] || fail "data does not point at the installed data"
[ "$(cat "$folder/arguments" 2>/dev/null)" = "$(printf '%s\n' --version "two words" "")" ] ||
  fail "the arguments were not passed on unchanged"
[ -z "$(ls -A "$SCRATCH/home")" ] || fail "the launcher wrote into HOME although XDG_STATE_HOME is set"

# Without XDG_STATE_HOME, or with a relative one (which does not count), ~/.local/state/orvalen.
launch "$SCRATCH/home1" -unset
[ -f "$SCRATCH/home1/.local/state/orvalen/started-in" ] || fail "no ~/.local/state/orvalen without XDG_STATE_HOME"
(cd "$SCRATCH" && launch "$SCRATCH/home2" "relative/state")
[ -f "$SCRATCH/home2/.local/state/orvalen/started-in" ] || fail "a relative XDG_STATE_HOME was not ignored"
[ ! -e "$SCRATCH/relative" ] || fail "a relative XDG_STATE_HOME was used"

# A link left by an install elsewhere is renewed (a real folder there is the user's own and stays:
# the package test plays the installed game with one).
folder="$SCRATCH/home3/.local/state/orvalen"
mkdir -p "$folder"
ln -s /nonexistent/data "$folder/data"
launch "$SCRATCH/home3" -unset
[ "$(readlink "$folder/data")" = "$data" ] || fail "a stale data link was not renewed"

# Started through a link elsewhere (a menu's or the user's own), it still finds its prefix.
ln -s "$prefix/games/orvalen" "$SCRATCH/orvalen-link"
env -u XDG_STATE_HOME HOME="$SCRATCH/home4" "$SCRATCH/orvalen-link"
[ "$(readlink "$SCRATCH/home4/.local/state/orvalen/data")" = "$data" ] ||
  fail "started through a link, the launcher did not find the installed data"

[ "$failures" -eq 0 ] || exit 1
echo "launcher_test: passed"
