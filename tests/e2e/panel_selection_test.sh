#!/usr/bin/env bash
# The panel's training button and selection read-out played by mouse: training until the metal
# runs out, a right click hiding the button, a drag over several units, a drag from the panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game selection
read -r baseX baseY < <(probe_where 85 75 6)
read -r groundX groundY < <(probe_where 90 86 0) # bare ground below the base centre
read -r leftX topY < <(probe_where 79 69 0)      # a rectangle around the base centre and its door
read -r rightX bottomY < <(probe_where 91 81 0)
probe_panel 500 100 "$SCRATCH/bare.ppm"
start_playing

button=$(region 10 90 58 138)
readout=$(region 262 8 450 64) # the single object's picture and texts; thumbnails stay above it
first_thumbnail=$(region 266 68 298 100)
second_thumbnail=$(region 301 68 333 100)
shows() { [ "$(panel_differs "$1" "$SCRATCH/bare.ppm" "$2")" -gt 100 ]; }

# 500 metal pays for ten Workers at 50; the eleventh click is refused and queues nothing.
click "$baseX" "$baseY"
for _ in $(seq 1 11); do click 34 "$(up_y 114)"; done
wait_for "the refusal" 30 log_has "$GAME" "RSS MESSAGE Not enough Metal (have 0, needed 50)"
[ "$(count_lines " added to construction queue: ")" -eq 10 ] ||
  fail "$(count_lines " added to construction queue: ") Workers were queued, not 10"
[ "$(count_lines "RSS MESSAGE Not enough Metal (have 0, needed 50)")" -eq 1 ] || fail "more than one refusal"
awk '/RSS MESSAGE Not enough Metal \(have 0/ { refused = 1 } refused && / added to construction queue: / { exit 1 }' \
  "$GAME/log.log" || fail "a Worker was queued after the refusal"

screenshot "$SCRATCH/trained.png"
shows "$SCRATCH/trained.png" "$button" || fail "the worker button is not shown for the base centre"
right_click "$groundX" "$groundY"
screenshot "$SCRATCH/right_click.png"
shows "$SCRATCH/right_click.png" "$button" && fail "a right click left the training button shown"

# The Workers step out at the base centre's door; a drag over both shows two or more thumbnails.
wait_for "a Worker trained" 60 log_has "$GAME" " constructed: "
drag "$leftX" "$topY" "$rightX" "$bottomY"
screenshot "$SCRATCH/dragged.png"
shows "$SCRATCH/dragged.png" "$first_thumbnail" && shows "$SCRATCH/dragged.png" "$second_thumbnail" ||
  fail "a drag over the base centre and its Workers shows no thumbnails"
shows "$SCRATCH/dragged.png" "$readout" && fail "several selected objects show a single read-out"
shows "$SCRATCH/dragged.png" "$button" && fail "a selection of several objects shows the training button"

# A click on bare ground selects nothing; a press over the panel dragged up over the units too.
click "$groundX" "$groundY"
drag 640 "$(up_y 150)" "$baseX" "$baseY"
screenshot "$SCRATCH/from_panel.png"
for part in "$readout" "$first_thumbnail" "$button"; do
  shows "$SCRATCH/from_panel.png" "$part" && fail "a drag that began over the panel selected something"
done
echo "panel_selection_test: 4 passed, 0 failed"
