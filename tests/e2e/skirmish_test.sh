#!/usr/bin/env bash
# A skirmish from the menu. The standard game starts; Escape, New Game, Custom Map shows the page.
# A broken map among the baked ones is refused with a box, and the game goes on as it was. Then
# another map is chosen from the list with two quick clicks (its picture changes) and Start begins
# a skirmish against the computer on it, in the same window. The idle-Worker key picks a Worker at
# the new base, the panel's Barracks button arms the ghost and a click on free ground places the
# site; Home brings the view back over the base. The computer's Workers gather meanwhile. The
# recording of the skirmish replays to the byte, and holds the player's site.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

# The menu in X coordinates on the test server's 1280 x 1024 screen, y down.
main_button_y() { echo $((44 + 108 * $1)); } # the middle of button $1 of a menu
main_x=100
right_x=1150
map_arrow=(519 124)       # the arrow of "Map:"
twin_passes_row=(400 255) # the fourth row of its open list, after Broken, Motac and River Fords
start_button=(320 440)
box_ok=(640 611)
preview=128x100+290+155 # the map's picture, below the list
neutral=(700 900)

new_game skirmish
# The baked data with a broken map beside the good ones; it sorts first, so the page shows it first.
rm "$GAME/data"
mkdir -p "$GAME/data/maps"
for entry in "$BUILD"/data/*; do [ "$(basename "$entry")" = maps ] || ln -s "$entry" "$GAME/data/"; done
ln -s "$BUILD"/data/maps/* "$GAME/data/maps/"
printf 'not a map' > "$GAME/data/maps/broken.ktqw"
start_playing
[ "$W" = 1280 ] && [ "$H" = 1024 ] || fail "expected a 1280x1024 window, got ${W}x${H}"
game_time_passes() { wait_for "$1 ms of game time" 60 game_time_reaches $(($(game_time) + $1)); }
picture() { convert "$SCRATCH/$1.png" -crop "$preview" +repage "$SCRATCH/$1-preview.png"; }

# --- New Game, Custom Map, another map ----------------------------------------------------------
hold_key Escape 3
game_time_passes 1500
click "$main_x" "$(main_button_y 0)"
game_time_passes 1500
click "$right_x" "$(main_button_y 1)"
game_time_passes 1500
move_to "${neutral[@]}"
screenshot "$SCRATCH/first-map.png"

# --- the broken map: a box, and the standard game goes on -----------------------------------------
click "${start_button[@]}"
box_text() { grep -q "^Map Unavailable: Map data.maps.broken.ktqw wasn't found or is corrupted" "$GAME/log.log"; }
wait_for "the box about the broken map" 30 box_text
click "${box_ok[@]}"
game_time_passes 500
[ "$(ls "$GAME/replays")" = "$(ls "$GAME/replays" | head -n1)" ] && ! grep -q '^rules' "$GAME"/replays/* ||
  fail "a skirmish started on the broken map"
# Quick clicks, the row's the moment the list has opened: no frame sees the cursor over the row
# before its press.
instant_click "${map_arrow[@]}"
instant_click "${twin_passes_row[@]}"
move_to "${neutral[@]}"
screenshot "$SCRATCH/chosen-map.png"
picture first-map
picture chosen-map
[ "$(differing "$SCRATCH/first-map-preview.png" "$SCRATCH/chosen-map-preview.png" "" 10%)" -gt 2000 ] ||
  fail "choosing Twin Passes did not change the map's picture"

# --- Start: a skirmish against the computer, recorded -------------------------------------------
skirmish_recording() { grep -l '^rules skirmish' "$GAME"/replays/*.replay 2>/dev/null | head -n1; }
click "${start_button[@]}"
wait_for "the skirmish's recording" 120 skirmish_recording
recording=$(skirmish_recording)
grep -q '^computer 2$' "$recording" || fail "the skirmish's opponent is not the computer: $(head -n 8 "$recording")"
grep -q '^map [0-9a-f]* .*twin-passes\.ktqw$' "$recording" || fail "the skirmish is not on Twin Passes: $(head -n 8 "$recording")"
started=$(loop_count)
wait_for "the skirmish running" 120 loops_reach $((started + 30))
move_to "${neutral[@]}"
screenshot "$SCRATCH/first-view.png"

# --- a Worker places a Barracks with the ghost --------------------------------------------------
camera_after press_key i
wait_frames 10
screenshot "$SCRATCH/worker.png"
click_button
# Below and right of the base centre, clear of it and of the oil piles to its right.
site=($((W / 2 + 260)) $((scene_bottom / 2 + 344)))
move_to "${site[@]}"
wait_frames 5
screenshot "$SCRATCH/ghost.png"
[ "$(differing "$SCRATCH/worker.png" "$SCRATCH/ghost.png" "$(region $((site[0] - 60)) $((H - site[1] - 60)) \
  $((site[0] + 60)) $((H - site[1] + 60)))")" -gt 300 ] || fail "no ghost of the Barracks under the cursor"
# The click is made on the move: the cursor is flung to other ground before the frame reads it,
# and the site still goes where the click was made.
flung_click "${site[@]}" $((W / 2 - 300)) $((scene_bottom / 2 - 150))
placed() { grep -q '^[0-9]* 1 place 2 ' "$recording"; }
wait_for "the player's place command in the recording" 60 placed
read -r placedX placedY < <(PROBE_MAP='data\maps\twin-passes.ktqw' probe_where_now $(grep '^[0-9]* 1 place 2 ' "$recording" | cut -d' ' -f5-6) 0)
[ $(((placedX - site[0]) ** 2 + (placedY - site[1]) ** 2)) -lt $((60 * 60)) ] ||
  fail "the site went to ($placedX, $placedY) on the screen, not where the click was made (${site[*]})"

# --- a box round the base centre and the Workers in front of it takes the Workers alone ---------
drag $((W / 2 - 100)) $((scene_bottom / 2 - 140)) $((W / 2 + 100)) $((scene_bottom / 2 + 250))
boxed() { grep -q '^[0-9]* 1 select [0-9]' "$recording" && [ "$(grep -c '^[0-9]* 1 select' "$recording")" -ge 2 ]; }
wait_for "the box's select command in the recording" 60 boxed

# --- Home brings back the skirmish's first view, over the player's base ------------------------
camera_after hold_key Up 20
camera_after press_key Home
move_to "${neutral[@]}"
screenshot "$SCRATCH/home.png"
scene=$(region 0 192 "$W" "$H")
changed=$(differing "$SCRATCH/first-view.png" "$SCRATCH/home.png" "$scene" 10%)
# Only the units that moved since, the site and the panel's edge differ; another place differs
# nearly everywhere.
[ "$changed" -lt $((W * (H - 192) / 10)) ] || fail "Home did not go back to the skirmish's first view: $changed pixels differ"

# --- the computer's Workers gather ---------------------------------------------------------------
# Side 1's Workers were told only to build, so the deliveries are the computer's.
deliveries() { [ "$(count_lines '^Resource amount in ')" -ge 5 ]; }
wait_for "the computer's Workers delivering" 300 deliveries
quit_game "$GAME" "the skirmish"

# --- the recording replays to the byte, with the player's site in it ---------------------------
(cd "$GAME" && "$BUILD/orvalen-sim" --replay "$recording" --dump) > "$SCRATCH/replayed.txt" 2>&1 ||
  fail "the skirmish's recording did not replay: $(grep -v '^object\|^player' "$SCRATCH/replayed.txt" | head -n 3)"
grep -q '^replay matches: ' "$SCRATCH/replayed.txt" || fail "no match reported: $(head -n 3 "$SCRATCH/replayed.txt")"
grep -qE '^object [0-9]+ [23] 1 ' "$SCRATCH/replayed.txt" || fail "the replayed game holds no Barracks site of side 1"
# Nothing was removed before the box, so the dump's indices are the box's.
boxed=$(grep '^[0-9]* 1 select [0-9]' "$recording" | tail -n1 | cut -d' ' -f4-)
types=$(for i in $boxed; do awk -v i="$i" '$1 == "object" && $2 == i { print $3 }' "$SCRATCH/replayed.txt"; done | sort -u)
[ "$(wc -w <<< "$boxed")" -ge 2 ] && [ "$types" = 7 ] ||
  fail "the box took objects of types $(echo $types) ($boxed), not the Workers alone"

echo "skirmish_test: passed"
