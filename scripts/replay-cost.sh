#!/usr/bin/env bash
# What recording a game costs in file and what playing one again costs in time, headless:
#   scripts/replay-cost.sh BUILD_FOLDER [FRAME_MS]
# orvalen-sim records an hour of the standard game on the baked map (passes of FRAME_MS, 10 by
# default: a hundred frames a second) with an order every half second, as a busy player gives
# them, and prints the recording's size; then it times the same hour run without recording (the
# floor) and the recording played again with --replay, each beside that floor, so a busy machine
# still gives comparable shares. FRAME_MS=1 is a game at a thousand frames a second, the most
# passes an hour can hold.
set -eu
build=$(cd "$1" && pwd)
frame=${2:-10}
passes=$((3600000 / frame))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/data" "$work/data"
cd "$work"

# Every half second of game time: the Workers (list places 38 and 40) to a metal pile, then the base
# centre (16) selected and a Worker trained, in turn.
awk -v passes="$passes" -v step=$((500 / frame)) 'BEGIN {
  for (p = step; p <= passes; p += step) {
    if ((p / step) % 2) { print p, 1, "select", 38, 40; print p, 1, "act", 0 }
    else { print p, 1, "select", 16; print p, 1, "train", 5 }
  }
}' > orders.txt

seconds() { local start end; start=$(date +%s%N); "$@" > /dev/null; end=$(date +%s%N); echo $(((end - start) / 1000000)); }

plain=$(seconds "$build/orvalen-sim" --seed 1 --frame-ms "$frame" --passes "$passes" --script orders.txt)
recorded=$(seconds "$build/orvalen-sim" --seed 1 --frame-ms "$frame" --passes "$passes" --script orders.txt \
  --record game.replay)
replayed=$(seconds "$build/orvalen-sim" --replay game.replay)
"$build/orvalen-sim" --replay game.replay

awk -v f="$frame" -v n="$passes" -v c="$(wc -l < orders.txt)" -v b="$(stat -c %s game.replay)" \
  -v p="$plain" -v r="$recorded" -v q="$replayed" 'BEGIN {
  printf "an hour of %d ms passes (%d passes, %d orders): recording %.2f MB (%.1f bytes a pass)\n", f, n, c, b / 1e6, b / n
  printf "the hour run headless (floor): %.1f s\n", p / 1000
  printf "the hour run and recorded:     %.1f s (%.3f of the floor)\n", r / 1000, r / p
  printf "the hour replayed and checked: %.1f s (%.3f of the floor)\n", q / 1000, q / p
}'
