#!/usr/bin/env bash
# The 3-D scene end to end: the start view, a drag that selects, a right click that moves, and
# the sky above the terrain once the free camera looks up. Checked on screenshots.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game scene
# Player 1's base centre, the end of its Marine's first walk and free ground beyond, in the start view.
read -r bx by < <(probe_where 85 75 0)
read -r mx my < <(probe_where 80 80 0)
read -r dx dy < <(probe_where 88 86 0)
start_playing

shot() { screenshot "$SCRATCH/$1.png"; }

# red_in NAME X Y HALF: "count x y", the red selection-circle pixels within HALF of (X, Y) and
# their centre.
red_in() {
  convert "$SCRATCH/$1.png" -crop "$((2 * $4))x$((2 * $4))+$(($2 - $4))+$(($3 - $4))" txt:- |
    awk -F'[,:() ]+' -v x0=$(($2 - $4)) -v y0=$(($3 - $4)) 'NR > 1 && $3 > 150 && $4 < 40 && $5 < 40 {
      n++; sx += $1; sy += $2 } END { if (n) printf "%d %d %d\n", n, x0 + sx / n, y0 + sy / n; else print "0 0 0" }'
}

# mean_of NAME Y ROWS: the mean "r g b" of ROWS rows of the window from row Y.
mean_of() {
  convert "$SCRATCH/$1.png" -crop "${W}x$3+0+$2" -resize '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

bluish() { awk -v c="$1" 'BEGIN { split(c, v, " "); exit !(v[3] > v[1] + 25) }'; }

# The start pose looks steeply down: terrain from the top row to the bottom one.
shot start
top=$(mean_of start 0 40)
bluish "$top" && fail "the start view shows sky at the top ($top)"

# Player 1's marine walks from (40, 40) to (80, 80) at the start; wait until it stands there.
wait_for "the marine's arrival" 60 game_time_reaches 12001

# A drag over player 1's base centre and the marine beside it selects them: the yellow
# rectangle shows during the drag, a red circle lies under the marine afterwards (the base
# centre's lies under the building).
move_to $((mx - 80)) $((by - 120))
xdotool mousedown 1; wait_frames 5
move_to $((bx + 120)) $((my + 80)); wait_frames 3
shot dragging
xdotool mouseup 1; wait_frames 5
shot selected
yellow=$(convert "$SCRATCH/dragging.png" -crop "5x$((my - by + 160))+$((bx + 118))+$((by - 100))" txt:- |
  grep -c "#FFFF00")
[ "$yellow" -gt 20 ] || fail "no yellow selection rectangle while dragging ($yellow pixels on its edge)"
read -r before_n before_x before_y < <(red_in selected "$mx" "$my" 60)
[ "$before_n" -gt 30 ] || fail "no red circle under the marine at ($mx, $my) after the drag"
read -r none _ < <(red_in start "$mx" "$my" 60)
[ "$none" -lt "$before_n" ] || fail "red under the marine before it was selected too"

# A right click on free ground walks the selection there; the circle goes with the marine.
right_click "$dx" "$dy"
clicked=$(game_time)
wait_for "three seconds of walking" 60 game_time_reaches $((clicked + 3000))
shot walked
read -r after_n after_x after_y < <(red_in walked "$dx" "$dy" 60)
[ "$after_n" -gt 30 ] || fail "no red circle at the clicked ground ($dx, $dy) after the walk"
read -r left _ < <(red_in walked "$before_x" "$before_y" 25)
[ "$left" -lt 10 ] || fail "the circle stayed at ($before_x, $before_y)"

# U frees the camera; turning it up over the horizon shows the sky at the top, terrain below. No
# frame has drawn the sky for more than ten seconds by now, so its faces were given back: the
# first frame that looks up loads them again.
xdotool windowfocus --sync "$WIN" 2>/dev/null
move_to $((W / 2)) $((H / 2))
press_key u
# Ten degrees a step (100 pixels at 0.1 degrees each) until the top rows show sky.
for _ in $(seq 1 12); do
  move_to $((W / 2)) $((H / 2 - 100))
  shot sky
  top=$(mean_of sky 0 10)
  bluish "$top" && break
done
bottom=$(mean_of sky $((H - 40)) 40)
bluish "$top" || fail "no sky at the top after looking up ($top)"
bluish "$bottom" && fail "no terrain at the bottom after looking up ($bottom)"

quit_game "$GAME"
echo "scene_test: passed"
