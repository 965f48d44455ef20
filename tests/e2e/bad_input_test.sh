#!/usr/bin/env bash
# The game started on damaged data: a truncated map, a model with a wrong first line, a texture
# that is no image, a sound that is no WAV and a missing font. Each damage the game reports gets
# its box answered; then the game must play on and end cleanly when asked.
source "$(dirname "$0")/lib.sh"

# A copy of the data, not a link: the damage must not reach the build's own folder.
game="$SCRATCH/damaged"
mkdir -p "$game"
cp -r "$BUILD/data" "$game/data"
data="$game/data"

map="$data/maps/motac.ktqw"
truncate -s $(($(stat -c %s "$map") / 2)) "$map"
model="$data/models/marine.ktqm"
{
  echo "KTQMV1.29"
  tail -n +2 "$model"
} > "$data/models/marine.tmp"
mv "$data/models/marine.tmp" "$model"
echo "this is no picture" > "$data/textures/skyboxes/jajlands1/jajlands1_ft.jpg"
echo "this is no sound" > "$data/sounds/unit_responses/marine_select1.wav"
rm "$data/fonts/hyperion.ttf"

printf '[general]\ndrivers = null\n' > "$game/alsoft.conf"
export ALSOFT_CONF="$game/alsoft.conf"

start_game "$game"
# The boxes come in loading order and each holds the loading until it is answered.
answer_box "Map Unavailable"
answer_box "Model Unavailable"
answer_box "Error"
wait_for "the game window" 60 window_named "Orvalen v1.0"
# The answered boxes took the keyboard focus with them; the game runs its frames while it has it.
xdotool windowfocus --sync "$(window_named "Orvalen v1.0")" 2>/dev/null
wait_for "LOOP lines" 60 log_has "$game" "^LOOP ("
kill -0 "$GAME_PID" 2>/dev/null || fail "the game died after loading"
for caption in "Map Unavailable" "Model Unavailable" "Error"; do
  window_named "$caption" >/dev/null && fail "a second \"$caption\" box is up"
done

# It keeps running: the clock moves on, and the menu (whose font is missing) opens and closes.
loops() { grep -c '^LOOP (' "$game/log.log"; }
loops_reach() { [ "$(loops)" -ge "$1" ]; }
frames() { wait_for "$1 more frames" 60 loops_reach $(($(loops) + $1)); }
frames 10
xdotool keydown Escape
frames 3
xdotool keyup Escape
frames 30
xdotool keydown Escape
frames 3
xdotool keyup Escape
frames 10
kill -0 "$GAME_PID" 2>/dev/null || fail "the game died while playing on damaged data"

kill -TERM "$GAME_PID"
wait "$GAME_PID"
status=$?
[ "$status" -eq 0 ] || fail "quit request gave exit status $status"
[ -z "$(tail -c1 "$game/log.log")" ] || fail "the last log line is incomplete"
grep -q '^PlayerManager destroyed\.$' "$game/log.log" || fail "the log does not reach the shutdown"
echo "bad_input_test: 1 passed, 0 failed"
