#!/usr/bin/env bash
# Measures the game's start-up time and frame rate from its own log, under an X server:
#   tests/support/with-xvfb.sh scripts/frame-rate.sh BUILD_FOLDER [PILES] [SECONDS] [CLICKS] [MOTION]
# PILES > 0 plays a copy of the map with that many more piles in the start view (made with
# orvalen-crowd-map). Prints the time from starting the process to the first LOOP line, the mean
# frame length over SECONDS (20 by default) of play after it, and the same for orvalen-frame-floor,
# a minimal program in the same window, with the game's frame rate as a share of that floor: on a
# shared machine the share is the figure to compare between runs. CLICKS > 0 right-clicks that many
# times over the ground, evenly through the stretch, and prints the longest frames beside the median:
# each click's frame runs the picking pass. MOTION=1 (or scroll) holds the arrow keys instead, left
# then right a second each, so the camera never rests: a still camera's frames copy the ground kept
# from the last. MOTION=fight plays a skirmish with nobody against the player, given orders by a
# script: a click on the minimap moves the camera to open ground, where two lines of Marines shoot
# at each other, both sides reinforced every 100 frames so that 60 or more stand and fight in view
# for the whole stretch (more the shorter the frames).
# Both programs' resident memory is read at the end of their stretches and printed beside each other.
set -eu
build=$(cd "$1" && pwd)
piles=${2:-0}
seconds=${3:-20}
clicks=${4:-0}
motion=${5:-0}
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
export XDG_RUNTIME_DIR="$game/runtime"
export XDG_CONFIG_HOME="$game/config" # the game's default options, whatever the player's
mkdir -p "$XDG_RUNTIME_DIR" "$game/data"
# Everything but the maps folder is linked; the map may be replaced.
for entry in "$build"/data/*; do ln -s "$entry" "$game/data/"; done
rm "$game/data/maps"
cp -r "$build/data/maps" "$game/data/maps"
if [ "$piles" -gt 0 ]; then
  "$build/orvalen-crowd-map" "$build/data/maps/motac.ktqw" "$game/data/maps/motac.ktqw" "$piles"
fi
printf '[general]\ndrivers = null\n' > "$game/alsoft.conf"
export ALSOFT_CONF="$game/alsoft.conf"

game_arguments=()
if [ "$motion" = fight ]; then
  # 32 Marines a side in two rows, 11 cells apart, and every 100 passes (one a frame) 5 or 6 more
  # a side behind them, staggered.
  awk 'BEGIN { for (wave = 0; wave < 30; wave++) {
                 pass = wave == 0 ? 1 : wave * 100
                 for (row = 0; row < (wave == 0 ? 2 : 1); row++) for (i = 0; i < 16; i++)
                   if (wave == 0 || i % 3 == wave % 3) {
                     depth = wave == 0 ? row : 2 + wave % 2
                     x = 108 + i * 1.3 + (wave % 2) * 0.65
                     printf "%d 1 spawn 0 %.2f %d\n", pass, x, 111 - depth
                     printf "%d 2 spawn 0 %.2f %d\n", pass, x, 119 + depth } } }' > "$game/fight.txt"
  game_arguments=(--opponent none --script fight.txt)
fi

started=$(date +%s%N)
(cd "$game" && exec "$build/orvalen" "${game_arguments[@]}") &
pid=$!
# A watcher polls the log every 5 ms and stamps the first LOOP line.
until grep -q '^LOOP (' "$game/log.log" 2>/dev/null; do
  kill -0 "$pid" 2>/dev/null || { echo "the game ended before its first frame" >&2; exit 1; }
  sleep 0.005
done
first_frame=$(date +%s%N)
if [ "$motion" = fight ]; then
  # The minimap fills the top left fifth of the window's height and maps the 200 cells of the map:
  # its point for column 120, row 120 brings the fight into view.
  xdotool mousemove 130 130 click 1
fi
if [ "$clicks" -gt 0 ]; then
  pause=$(awk -v s="$seconds" -v n="$clicks" 'BEGIN { print s / n }')
  for i in $(seq "$clicks"); do
    sleep "$pause"
    xdotool mousemove $((300 + i * 20)) 450 click 3 # the game's window fills the screen
  done
elif [ "$motion" = 1 ] || [ "$motion" = scroll ]; then
  for _ in $(seq "$(((seconds + 1) / 2))"); do
    for key in Left Right; do
      xdotool keydown "$key"
      sleep 1
      xdotool keyup "$key"
    done
  done
else
  sleep "$seconds"
fi
resident() { awk '/^VmRSS:/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }
game_memory=$(resident "$pid")
kill -TERM "$pid"
wait "$pid"

"$build/orvalen-frame-floor" "$seconds" > "$game/floor.txt" &
floor_pid=$!
sleep $((seconds > 2 ? seconds - 1 : 1))
floor_memory=$(resident "$floor_pid")
wait "$floor_pid"
floor=$(cat "$game/floor.txt")

echo "first frame after $(((first_frame - started) / 1000000)) ms"
# The first frame's length includes the loading; the mean is taken over the frames after it.
awk -v floor="$floor" '/^LOOP \(/ { gsub(/[()]/, "", $2); if (n == 0) first = $2; last = $2; n++ }
     END { mean = (last - first) / (n - 1)
           printf "%d frames in %d ms of game time: mean frame %.1f ms, %.1f frames per second\n",
                  n - 1, last - first, mean, 1000 / mean
           print floor
           split(floor, words, ", ")
           floorRate = words[2] + 0
           printf "the game at %.2f of the floor\n", (1000 / mean) / floorRate }' "$game/log.log"
echo "resident memory: the game $game_memory MB, the floor $floor_memory MB, $((game_memory - floor_memory)) MB above it"
if [ "$clicks" -gt 0 ]; then
  awk '/^LOOP \(/ && n++ > 0 { print $3 }' "$game/log.log" | sort -n |
    awk -v clicks="$clicks" '{ frame[NR] = $1 }
         END { printf "median frame %d ms; the %d longest:", frame[int((NR + 1) / 2)], clicks
               for (i = NR - clicks + 1; i <= NR; i++) printf " %d", frame[i]
               print " ms" }'
fi
