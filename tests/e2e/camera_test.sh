#!/usr/bin/env bash
# The ordinary camera by real input: the arrow keys and the cursor at the window's edges pan, the
# wheel zooms, Home brings back the start view, and none of it acts while the menu is up.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game camera
map="$BUILD/data/maps/motac.ktqw"
half_width=$(od -An -td4 -j4 -N4 "$map" | awk '{ print 3.75 * $1 / 2 }')
start_pose="-50 120 -50 -50 30 -70"
read -r baseX baseY < <(probe_where 85 75 6)   # player 1's base centre in the start view
start_playing
move_to $((W / 2)) $((H / 2))
screenshot "$SCRATCH/start.png"

# changed A B: the share of pixels (in thousandths) that differ between two screenshots.
changed() { echo $(($(differing "$1" "$2" "" 8%) * 1000 / (W * H))); }
# pose_is EXPECTED: the last resting view, each number within 0.01 of the expected.
pose_is() {
  awk -v a="$(camera_pose)" -v b="$1" 'BEGIN { n = split(a, x, " "); split(b, y, " ")
    for (i = 1; i <= 6; i++) if (n != 6 || x[i] - y[i] > 0.01 || y[i] - x[i] > 0.01) exit 1 }'
}
# field I: the I-th number of the last resting view (1 to 3 the eye, 4 to 6 the center).
field() { camera_pose | cut -d' ' -f"$1"; }
distance() { camera_pose | awk '{ print sqrt(($1 - $4) ^ 2 + ($2 - $5) ^ 2 + ($3 - $6) ^ 2) }'; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b + 0.5) }'; }
home() { camera_after hold_key Home 3; }

# The right arrow slides the view over the ground at its height and angle: the base centre moves
# left on the screen, as the game's own projection of the new view says.
camera_after hold_key Right 8
above "$(field 1)" -50 || fail "the right arrow did not move the view right: $(camera_pose)"
[ "$(field 2)" = 120 ] && [ "$(field 3)" = -50 ] && [ "$(field 5)" = 30 ] && [ "$(field 6)" = -70 ] ||
  fail "the right arrow changed more than the view's x: $(camera_pose)"
screenshot "$SCRATCH/right.png"
[ "$(changed "$SCRATCH/start.png" "$SCRATCH/right.png")" -gt 200 ] || fail "the picture did not move with the view"
read -r movedX movedY < <(probe_where_now 85 75 6)
[ "$movedX" -lt $((baseX - 20)) ] && [ "$((movedY - baseY))" -le 2 ] && [ "$((baseY - movedY))" -le 2 ] ||
  fail "the base centre went from ($baseX, $baseY) to ($movedX, $movedY) on the screen"

# Up goes forward (toward -z here); held for ten seconds, Left and Up take the view to the map's
# corner and stop it there, short of the edge, with the terrain still filling the view.
camera_after hold_key Up 5
above -50 "$(field 3)" || fail "the up arrow did not move the view forward: $(camera_pose)"
xdotool keydown Left keydown Up
sleep 10
screenshot "$SCRATCH/corner.png"
xdotool keyup Left keyup Up
wait_frames 5
terrain_fills "$SCRATCH/corner.png" || fail "at the map's corner the view shows beyond the map"
above "$(field 4)" "-$half_width" || fail "the view's centre reached the map's edge: $(camera_pose)"

home
pose_is "$start_pose" || fail "Home did not bring back the start view: $(camera_pose)"
screenshot "$SCRATCH/home.png"
[ "$(changed "$SCRATCH/start.png" "$SCRATCH/home.png")" -lt 30 ] || fail "the start picture did not come back"

# The cursor resting at the right edge pans right, at the top edge forward; it pans nowhere once
# it is back inside.
camera_after move_to $((W - 1)) $((H / 2))
move_to $((W / 2)) $((H / 2))
above "$(field 1)" -50 || fail "the cursor at the right edge did not pan right: $(camera_pose)"
home
camera_after move_to $((W / 2)) 0
move_to $((W / 2)) $((H / 2))
above -50 "$(field 3)" || fail "the cursor at the top edge did not pan forward: $(camera_pose)"
[ "$(field 1)" = -50 ] || fail "the cursor at the top edge panned sideways: $(camera_pose)"
rests=$(camera_count)
wait_frames 10
[ "$(camera_count)" -eq "$rests" ] || fail "the view moved with the cursor inside the window: $(camera_pose)"
home

# The wheel: a notch toward the screen brings the eye closer along the view, away takes it back
# out; far enough out it stops.
start_distance=$(distance)
camera_after xdotool click 4
above "$start_distance" "$(distance)" || fail "the wheel did not zoom in: $(distance) from $start_distance"
screenshot "$SCRATCH/closer.png"
[ "$(changed "$SCRATCH/start.png" "$SCRATCH/closer.png")" -gt 200 ] || fail "the picture did not zoom in"
camera_after xdotool click --repeat 2 --delay 50 5
above "$(distance)" "$start_distance" || fail "the wheel did not zoom out: $(distance) from $start_distance"
camera_after xdotool click --repeat 30 --delay 20 5
farthest=$(distance)
camera_after xdotool click 4
camera_after xdotool click --repeat 3 --delay 20 5
awk -v a="$(distance)" -v b="$farthest" 'BEGIN { exit !(a - b < 0.01 && b - a < 0.01) }' ||
  fail "zooming out has no limit: $farthest, then $(distance)"
home
pose_is "$start_pose" || fail "Home did not bring back the start view after zooming: $(camera_pose)"

# While the menu is up the arrows, the wheel and the edges are the menu's: the view stays.
resting=$(camera_count)
hold_key Escape 3
xdotool keydown Right
xdotool click --repeat 3 --delay 20 4
move_to $((W - 1)) $((H / 2))
wait_frames 5
xdotool keyup Right
move_to $((W / 2)) $((H / 2))
hold_key Escape 3
wait_frames 5
[ "$(camera_count)" -eq "$resting" ] && pose_is "$start_pose" || fail "the view moved under the menu: $(camera_pose)"

quit_game "$GAME"
echo "camera_test: passed"
