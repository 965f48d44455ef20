#!/usr/bin/env bash
# The panel's training button and selection read-out played by mouse: the button shown for the
# base centre, a right click hiding it, a drag over several units.
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

# A Worker from the base centre's training button, to drag over once it is out.
click "$baseX" "$baseY"
click 34 "$(up_y 114)"
wait_for "the Worker queued" 30 log_has "$GAME" " added to construction queue: "

screenshot "$SCRATCH/trained.png"
shows "$SCRATCH/trained.png" "$button" || fail "the worker button is not shown for the base centre"
right_click "$groundX" "$groundY"
screenshot "$SCRATCH/right_click.png"
shows "$SCRATCH/right_click.png" "$button" && fail "a right click left the training button shown"

# The Worker steps out at the base centre's door; a drag over both shows two thumbnails.
wait_for "a Worker trained" 60 log_has "$GAME" " constructed: "
drag "$leftX" "$topY" "$rightX" "$bottomY"
screenshot "$SCRATCH/dragged.png"
shows "$SCRATCH/dragged.png" "$first_thumbnail" && shows "$SCRATCH/dragged.png" "$second_thumbnail" ||
  fail "a drag over the base centre and its Worker shows no thumbnails"
shows "$SCRATCH/dragged.png" "$readout" && fail "several selected objects show a single read-out"
shows "$SCRATCH/dragged.png" "$button" && fail "a selection of several objects shows the training button"

echo "panel_selection_test: 3 passed, 0 failed"
