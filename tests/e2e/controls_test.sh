#!/usr/bin/env bash
# The controls an RTS player reaches for, by real X input: an instant click selects; a group kept
# with Ctrl+1 comes back with 1; a click on the minimap moves the view there; I finds an idle
# Worker; a click made on the move counts where it was pressed and released; the player cannot
# order an enemy Marine, which can still be picked to look at; and M, A with a click, and S select,
# attack-move and stop the player's Marines.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game controls
read -r baseX baseY < <(probe_where 85 75 6)     # player 1's base centre
read -r groundX groundY < <(probe_where 92 84 0) # open ground in front of it
start_playing --enemy-marines 1000
button=$(region 10 90 58 138) # the panel's first command button

# 1. An instant click on the base centre selects it: the Worker button shows.
screenshot "$SCRATCH/nothing.png"
instant_click "$baseX" "$baseY"
screenshot "$SCRATCH/base.png"
[ "$(differing "$SCRATCH/nothing.png" "$SCRATCH/base.png" "$button")" -gt 1000 ] ||
  fail "an instant click on the base centre selected nothing"

# 2. Ctrl+1 keeps it; a click on the ground lets it go; 1 brings it back.
xdotool key ctrl+1
wait_frames 3
instant_click "$groundX" "$groundY"
screenshot "$SCRATCH/let-go.png"
[ "$(differing "$SCRATCH/nothing.png" "$SCRATCH/let-go.png" "$button")" -lt 300 ] ||
  fail "the click on the ground kept the base centre selected"
xdotool key 1
wait_frames 3
screenshot "$SCRATCH/group.png"
[ "$(differing "$SCRATCH/nothing.png" "$SCRATCH/group.png" "$button")" -gt 1000 ] ||
  fail "1 did not bring the group back"

# 3. A click on the minimap at the enemy's base moves the view toward it.
size=$((H / 5))
enemy_base=($((8 + size * 150 / 200)) $((8 + size * 152 / 200)))
view_over_enemy_base() {
  awk -v x="$(camera_pose | cut -d' ' -f4)" -v z="$(camera_pose | cut -d' ' -f6)" 'BEGIN { exit !(x > 100 && z > 100) }'
}
camera_after instant_click "${enemy_base[@]}"
view_over_enemy_base || fail "the minimap click did not move the view there: $(camera_pose)"
press_key Home
wait_frames 5

# 4. I picks an idle Worker of the set-up's and centres the view on it, away from the base.
camera_after press_key i
awk -v x="$(camera_pose | cut -d' ' -f4)" 'BEGIN { exit !(x < -100) }' ||
  fail "I did not take the view to an idle Worker: $(camera_pose)"
press_key Home
wait_frames 5

# 5. A press counts where it was made, though the cursor has moved on before a frame reads the
# button: a drag round the base centre, pressed and released on the move, selects it, not what
# lies where the cursor went; a click on its Worker button, the cursor flung away at once, trains a
# Worker; and one so made on the minimap takes the view there.
last_recorded() { cat "$GAME"/replays/*.replay | grep -- "$1" | tail -n1 | cut -d' ' -f3-; }
selections=$(recorded_count '^[0-9]* 1 select ')
instant_click "$baseX" "$baseY"
wait_for "the base centre's selection" 30 recorded_more '^[0-9]* 1 select ' "$selections"
base_place=$(last_recorded '^[0-9]* 1 select ' | cut -d' ' -f2)
instant_click "$groundX" "$groundY"
read -r fromX fromY < <(probe_where 81 71 0)
read -r toX toY < <(probe_where 89 79 0)
# Where the cursor is when the frames read the press and the release lies past the drag's far
# corner, so a drag read there would leave the base centre out.
xdotool mousemove --window "$WIN" "$fromX" "$fromY" mousedown 1 mousemove --window "$WIN" $((toX + 150)) $((toY + 100))
wait_frames 3
xdotool mousemove --window "$WIN" "$toX" "$toY" mouseup 1 mousemove --window "$WIN" $((toX + 250)) $((toY + 60))
wait_for "the flung drag's selection" 30 recorded_more '^[0-9]* 1 select ' $((selections + 2))
last_recorded '^[0-9]* 1 select ' | tr ' ' '\n' | grep -qx "$base_place" ||
  fail "the flung drag selected '$(last_recorded '^[0-9]* 1 select ')', without the base centre ($base_place)"
trainings=$(recorded_count '^[0-9]* 1 train ')
flung_click 34 "$(up_y 114)" $((W / 2)) $((H / 2))
wait_for "the flung click's Worker" 30 recorded_more '^[0-9]* 1 train ' "$trainings"
camera_after flung_click "${enemy_base[@]}" $((W / 2)) $((H / 2))
view_over_enemy_base || fail "the flung click on the minimap did not move the view there: $(camera_pose)"
press_key Home
wait_frames 5

# 6. So does a right click on open ground, the cursor flung away before the release: it orders what
# a still click there orders. The enemy's Marines walk for at most 48 s of game time, and one
# crossing the ground clicked would make either click an order on it; once they rest, both clicks
# pick the same thing. Nothing is selected, so that no unit walks to the ground clicked.
wait_for "the enemy's walks to end" 120 game_time_reaches 50000
instant_click "$groundX" "$groundY"
order='^[0-9]* 1 \(move\|act\) '
orders=$(recorded_count "$order")
xdotool mousemove --window "$WIN" "$groundX" "$groundY" mousedown 3 \
  mousemove --window "$WIN" $((W / 8)) $((H / 8)) mouseup 3
wait_for "the flung click's order" 30 recorded_more "$order" "$orders"
flung_order=$(last_recorded "$order")
right_click "$groundX" "$groundY"
wait_for "the still click's order" 30 recorded_more "$order" $((orders + 1))
[ "$(last_recorded "$order")" = "$flung_order" ] ||
  fail "the flung right click ordered '$flung_order', the still one '$(last_recorded "$order")'"

# 7. Where the resting Marines stand comes from the recorded seed, played headless; an enemy one
# standing alone is picked, and ordered away: it shows in the panel, and stays where it stands.
seed=$(sed -n 's/^seed //p' "$GAME"/replays/*.replay)
headless=$(make_game_folder headless) # its own log.log, not the game's
(cd "$headless" && "$BUILD/orvalen-sim" --seed "$seed" --enemy-marines 1000 --passes 4000 --dump) > "$SCRATCH/world.txt"
# The Marines with nothing else near: no other Marine or Worker within 2.5 cells, no pile or
# building within 5; the nearest to the start view's middle first, as most seeds leave one there.
awk '$1 == "object" { n++; type[n] = $3; x[n] = $5; z[n] = $6; enemy[n] = ($3 == 0 && $4 == 2) }
  END { for (i = 1; i <= n; i++) {
          if (!enemy[i]) continue
          alone = 1
          for (j = 1; j <= n; j++) {
            room = type[j] == 0 || type[j] == 7 ? 2.5 : 5
            if (j != i && (x[i] - x[j]) ^ 2 + (z[i] - z[j]) ^ 2 < room ^ 2) alone = 0
          }
          if (alone) print (x[i] - 87) ^ 2 + (z[i] - 79) ^ 2, x[i], z[i] } }' "$SCRATCH/world.txt" |
  sort -n | head -n 3 | cut -d' ' -f2- > "$SCRATCH/alone.txt"
[ -s "$SCRATCH/alone.txt" ] || fail "no enemy Marine stands alone (seed $seed)"
readout=$(region 200 10 700 180)
move_to $((W / 2)) $((H / 2))
press_key Home
wait_frames 5
instant_click "$baseX" "$baseY"
xdotool key ctrl+2 # the base centre, selected again before each try wherever the view is
wait_frames 3
# A hill may hide a Marine's middle from the camera: the next one alone is tried, up to three.
picked=
while read -r marineX marineZ; do
  pan_to "$marineX" "$marineZ"
  read -r atX atY < <(probe_where_now "$marineX" "$marineZ" 2.5)
  xdotool key 2
  screenshot "$SCRATCH/before.png"
  instant_click "$atX" "$atY"
  screenshot "$SCRATCH/enemy.png"
  if [ "$(differing "$SCRATCH/before.png" "$SCRATCH/enemy.png" "$readout")" -gt 300 ]; then
    picked=yes
    break
  fi
done < "$SCRATCH/alone.txt"
[ -n "$picked" ] || fail "no enemy Marine standing alone was picked to look at (the last at $marineX, $marineZ)"
# The order points away from it, across the view, so the marker where it lands shows elsewhere.
instant_click $((atX < W / 2 ? W * 3 / 4 : W / 4)) $((H / 3)) 3
wait_for "three seconds of the order" 60 game_time_reaches $(($(game_time) + 3000))
screenshot "$SCRATCH/ordered.png"
around="120x120+$((atX > 60 ? atX - 60 : 0))+$((atY > 60 ? atY - 60 : 0))"
[ "$(differing "$SCRATCH/enemy.png" "$SCRATCH/ordered.png" "$around")" -lt 400 ] ||
  fail "the enemy Marine obeyed the player's order"

# 8. M takes the player's Marines, A and a click on open ground sends them fighting there, and S
# stops them: each is a command in the recording.
selections=$(recorded_count '^[0-9]* 1 select ')
press_key Home
wait_frames 5
press_key m
wait_for "M's selection" 30 recorded_more '^[0-9]* 1 select ' "$selections"
press_key a
instant_click "$groundX" "$groundY"
wait_for "the attack-move" 30 recorded_more '^[0-9]* 1 attack-move ' 0
press_key s
wait_for "the stop" 30 recorded_more '^[0-9]* 1 stop' 0

quit_game "$GAME"
echo "controls_test: passed"
