#!/usr/bin/env bash
# How the game's start ends when it cannot or must not go on: with no window system it says so
# on standard error and exits 1 at once, showing no hidden game; a SIGTERM while the loading is
# held up by a box ends it at once, leaving no box behind and no half-written log line.
source "$(dirname "$0")/lib.sh"

# no_display NAME ENV...: the game started with the environment changed so; it must be gone within
# a few seconds with status 1 and the message.
no_display() {
  local name=$1 folder status
  shift
  folder=$(make_game_folder "$name")
  (cd "$folder" && exec env "$@" timeout 20 "$BUILD/orvalen") >"$folder/stdout.log" 2>"$folder/stderr.log"
  status=$?
  [ "$status" -ne 124 ] || fail "$name: the game still ran after 20 s"
  [ "$status" -eq 1 ] || fail "$name: exit status $status, expected 1"
  grep -q "^Error: Couldn't open a display: ." "$folder/stderr.log" ||
    fail "$name: no display message; standard error was: $(cat "$folder/stderr.log")"
  [ ! -e "$folder/log.log" ] || fail "$name: the game went on to set up and write its log"
  echo "$name: $(grep "Couldn't open a display" "$folder/stderr.log")"
}

no_display "unset" -u DISPLAY -u WAYLAND_DISPLAY
no_display "empty" DISPLAY= WAYLAND_DISPLAY=
# A display nobody serves: SDL must not fall back on a driver that draws nowhere.
no_display "unserved" -u WAYLAND_DISPLAY DISPLAY=:1023

# The loading waits on the missing map's box; SIGTERM must not.
game="$SCRATCH/terminated"
mkdir -p "$game"
cp -r "$BUILD/data" "$game/data"
rm "$game/data/maps/motac.ktqw"
start_game "$game"
wait_for "the Map Unavailable box" 60 window_named "Map Unavailable"
kill -TERM "$GAME_PID"
gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }
wait_for "the game to end on SIGTERM" 10 gone
wait "$GAME_PID"
status=$?
[ "$status" -eq 143 ] || fail "SIGTERM during the loading gave exit status $status, expected 143 (the signal)"
box_gone() { ! window_named "Map Unavailable"; }
wait_for "the box to go with the game" 10 box_gone
[ ! -s "$game/log.log" ] || [ -z "$(tail -c1 "$game/log.log")" ] || fail "the last log line is incomplete"
echo "SIGTERM during the loading: the game ended by the signal, its box went with it"
echo "start_test: 4 passed, 0 failed"
