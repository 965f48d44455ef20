#!/usr/bin/env bash
# How the computer opponent plays, headless, on every baked map:
#   scripts/opponent-trials.sh BUILD_FOLDER
# orvalen-sim plays skirmishes in passes of 16 ms, as a window at sixty frames a second does:
# - against a side 1 that gives no order, seeds 1 to 5, for at most 20 minutes of game time: the
#   computer should win every one;
# - the computer against the computer, seeds 1 to 10, for at most 40 minutes: every game should end,
#   and neither side should win them all.
# Then the opponent benchmark times the computer's thinking per pass through a game on every map.
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/data" "$work/data"
cd "$work"

minutes() { echo $(($1 * 60000 / 16)); }
# "side 2 won after 3:19 of game time", or nothing when the game was not decided in time.
play() { "$build/orvalen-sim" --frame-ms 16 --until-over --enemy-marines 0 "$@"; }

met=yes
for map in data/maps/*.ktqw; do
  name=$(basename "$map")
  for seed in 1 2 3 4 5; do
    result=$(play --map "$map" --seed "$seed" --passes "$(minutes 20)" --opponent computer)
    echo "$name against no orders, seed $seed: ${result:-not decided in 20 minutes}"
    [[ $result == "side 2 won"* ]] || met=no
  done
  wins1=0 wins2=0
  for seed in $(seq 1 10); do
    result=$(play --map "$map" --seed "$seed" --passes "$(minutes 40)" --opponent computer --human computer)
    echo "$name computer against computer, seed $seed: ${result:-not decided in 40 minutes}"
    case $result in
      "side 1 won"*) wins1=$((wins1 + 1)) ;;
      "side 2 won"*) wins2=$((wins2 + 1)) ;;
      *) met=no ;;
    esac
  done
  echo "$name computer against computer: side 1 won $wins1, side 2 won $wins2"
  if ((wins1 == 10 || wins2 == 10)); then met=no; fi
done
echo "every game as it should end: $met"

cd "$build"
"$build/orvalen_opponent_bench" --benchmark_format=console 2>/dev/null | grep BM_ComputerThinking |
  awk '{printf "thinking on %s: %s %s a pass (at most 50 us)\n", $1, $2, $3}'
