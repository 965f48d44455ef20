#!/bin/bash
# Replays the reference runs of orvalen-sim and compares each log, object addresses masked, and
# each final dump with the ones kept in reference-logs/, byte for byte. `record` writes them
# instead, from the orvalen-sim of the given build.
#
#     tests/tools/reference_logs.sh check|record BUILD_FOLDER
set -euo pipefail

mode=$1
build=$(cd "$2" && pwd)
references=$(cd "$(dirname "$0")" && pwd)/reference-logs
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

# replay NAME MAP ARGUMENTS...: MAP is "map" to run beside the baked data (the standard map) or
# "empty" for a world with the set-up's objects alone.
replay() {
    local name=$1 map=$2
    shift 2
    local folder=$scratch/$name
    mkdir -p "$folder"
    [ "$map" = map ] && ln -s "$build/data" "$folder/data"
    (cd "$folder" && "$build/orvalen-sim" "$@" --dump > dump.txt)
    sed -E 's/0x[0-9a-f]+/ADDRESS/g' "$folder/log.log" > "$folder/masked.log"
    if [ "$mode" = record ]; then
        gzip -n -9 < "$folder/masked.log" > "$references/$name.log.gz"
        cp "$folder/dump.txt" "$references/$name.dump"
        echo "recorded $name: $(wc -l < "$folder/masked.log") log lines"
        return
    fi
    if ! gzip -dc "$references/$name.log.gz" | cmp -s - "$folder/masked.log"; then
        echo "FAIL $name: the log differs from the reference; first differences:"
        diff <(gzip -dc "$references/$name.log.gz") "$folder/masked.log" | head -20 || true
        failed=1
    elif ! cmp -s "$references/$name.dump" "$folder/dump.txt"; then
        echo "FAIL $name: the final objects differ from the reference:"
        diff "$references/$name.dump" "$folder/dump.txt" | head -20 || true
        failed=1
    else
        echo "ok $name"
    fi
}

# The recorded game docs/formats.md shows still plays again on the baked map.
documented_replay() {
  local folder=$scratch/documented
  mkdir -p "$folder"
  ln -s "$build/data" "$folder/data"
  sed -n '/<!-- example: replay -->/,/^```$/p' "$references/../../../docs/formats.md" | sed '1,2d;$d' > "$folder/example.replay"
  if (cd "$folder" && "$build/orvalen-sim" --replay example.replay > result.txt); then
    echo "ok formats-example"
  else
    echo "FAIL formats-example: $(cat "$folder/result.txt")"
    failed=1
  fi
}

[ "$mode" = check ] && documented_replay
replay standard-start map --seed 1 --passes 20000
replay battle empty --seed 2 --passes 1500 --script "$references/battle.txt"
replay gathering empty --seed 3 --passes 3000 --script "$references/gathering.txt"
replay construction empty --seed 4 --passes 2000 --script "$references/construction.txt"
exit $failed
