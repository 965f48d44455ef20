#!/usr/bin/env bash
# A skirmish on each baked map starts with the view over the player's base and its four Workers, all
# above the panel's strip, where a click picks them: a box over the whole scene takes the four and
# leaves the base centre out.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

for map in motac river-fords twin-passes; do
  new_game "start-$map"
  start_playing --map "data/maps/$map.ktqw" --opponent computer
  wait_frames 10
  # From the corner away from the minimap, clear of the edges that scroll, to the panel's strip.
  drag $((W - 20)) 20 20 $((scene_bottom - 1))
  # The recording is written every few seconds.
  four_workers() { grep -h '^[0-9]* 1 select' "$GAME"/replays/*.replay | awk 'NF == 3 + 4' | grep -q .; }
  wait_for "a select of the four Workers on $map" 30 four_workers
  quit_game "$GAME" "the skirmish on $map"
done
echo "skirmish_start_test: passed"
