#!/usr/bin/env bash
# Units read at the start view: player 1's first Marine, once it has walked into the view, stands
# tall enough on the screen to be told apart from a Worker and wears its side's blue, not the
# enemy's red. The enemy starts without Marines, so none wanders through the spot.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game units
# The Marine walks from (40, 40) toward (80, 80), at 6 cells a second; long frames make it stop a
# little short. A drag over the end of its walk (clear of the base centre) picks it up.
read -r dragLeft dragTop < <(probe_where 75 76 0)
read -r dragRight dragBottom < <(probe_where 82 84 0)
read -r awayX awayY < <(probe_where 100 86 0) # bare ground well away from it
start_playing --enemy-marines 0
wait_for "the Marine's arrival" 120 game_time_reaches 15000
screenshot "$SCRATCH/arrived.png"
drag "$dragLeft" "$dragTop" "$dragRight" "$dragBottom"
right_click "$awayX" "$awayY"
wait_for "the Marine's walk away" 120 game_time_reaches $(($(game_time) + 6000))
screenshot "$SCRATCH/bare.png"

# What changed around the end of its walk between the two pictures is the Marine: the largest
# patch of changed pixels.
margin=40
crop="$((dragRight - dragLeft + 2 * margin))x$((dragBottom - dragTop + 2 * margin))+$((dragLeft - margin))+$((dragTop - margin))"
convert "$SCRATCH/bare.png" "$SCRATCH/arrived.png" -crop "$crop" +repage -compose difference -composite \
  -colorspace gray -threshold 6% "$SCRATCH/changed.png"
read -r width height left top < <(convert "$SCRATCH/changed.png" -define connected-components:verbose=true \
  -connected-components 8 null: | awk '$NF == "gray(255)" || $NF == "white" || $NF == "srgb(255,255,255)" {
    split($2, g, /[x+]/); if ($4 > best) { best = $4; found = g[1] " " g[2] " " g[3] " " g[4] } }
    END { if (found) print found }')
[ -n "${height:-}" ] || fail "no Marine found where its walk ends"
# Its body's height: the rows in which the patch is at least 8 pixels wide (the rifle is thinner).
body=$(convert "$SCRATCH/changed.png" -crop "${width}x${height}+${left}+${top}" txt:- |
  awk -F'[,:() ]+' 'NR > 1 && /#FFFFFF|white|gray\(255\)/ { n[$2]++ } END { for (y in n) if (n[y] >= 8) rows++; print rows + 0 }')
echo "the Marine's patch is $width x $height pixels, its body $body pixels tall, at the start view"
# The start view looks nearly straight down at its bottom rows, where a figure shows least of its
# height: 35 pixels here keeps it over 25 there.
[ "$body" -ge 35 ] || fail "the Marine's body is only $body pixels tall"

# Its team colour: strongly blue pixels, and no strongly red ones, over the figure.
colours=$(convert "$SCRATCH/arrived.png" -crop "$crop" +repage -crop "${width}x${height}+${left}+${top}" txt:- |
  awk -F'[,:() ]+' 'NR > 1 { r = $3; g = $4; b = $5
    if (b > r + 60 && b > g + 60) blue++; if (r > g + 60 && r > b + 60) red++ }
    END { printf "%d %d\n", blue, red }')
read -r blue red <<<"$colours"
echo "blue $blue, red $red pixels over the Marine"
[ "$blue" -ge $((width * height / 10)) ] || fail "the Marine shows too little of its side's blue ($blue pixels)"
[ "$red" -le $((blue / 10)) ] || fail "the Marine shows red ($red pixels)"
echo "units_test: passed"
