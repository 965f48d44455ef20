#!/usr/bin/env bash
# Draws the soak's resident-memory samples as a PNG chart.
# Usage: scripts/soak-chart.sh SAMPLES PNG [TITLE]
#   SAMPLES: lines "<seconds of play> <resident kB>", as the soak test writes them
# The chart marks the first sample after warm-up (a minute, or a third of a shorter run), and its
# key says how much memory grew from there to the last sample.
set -euo pipefail
samples=$1
png=$2
title=${3:-Resident memory during the soak}
[ -s "$samples" ] || { echo "soak-chart: no samples in $samples" >&2; exit 1; }
read -r last_second final < <(tail -n1 "$samples")
settle=$((last_second / 3 < 60 ? last_second / 3 : 60))
settled=$(awk -v s="$settle" '$1 >= s { print $2; exit }' "$samples")
growth=$(awk -v a="$settled" -v b="$final" 'BEGIN { printf "%+.1f", (b - a) * 100 / a }')
gnuplot <<GNUPLOT
set terminal pngcairo size 1000,500 noenhanced
set output "$png"
set title "$title"
set xlabel "minutes of play"
set ylabel "resident memory (MiB)"
set grid
set key bottom right
set yrange [0:*]
set arrow from $settle / 60.0, graph 0 to $settle / 60.0, graph 1 nohead dashtype 2
set label "end of warm-up" at $settle / 60.0, graph 0.05 offset 0.5,0
plot "$samples" using (\$1 / 60.0):(\$2 / 1024.0) with linespoints pointtype 7 pointsize 0.4 \
  title sprintf("%d samples; %s %% after warm-up", $(wc -l <"$samples"), "$growth")
GNUPLOT
echo "soak-chart: $png, resident memory $settled kB after warm-up, $final kB at the end ($growth %)"
