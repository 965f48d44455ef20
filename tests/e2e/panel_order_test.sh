#!/usr/bin/env bash
# The typical order played by mouse: select the base centre, train a Worker with the panel's
# button, send the Worker to a metal pile, and read the delivery in the panel's resource read-out.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game order
read -r baseX baseY < <(probe_where 85 75 6)     # player 1's base centre, on the map
read -r doorX doorY < <(probe_where 85 78 2)     # where a trained unit steps out
read -r pileX pileY < <(probe_where 97 70 1)     # the nearest metal pile
probe_panel 460 100 "$SCRATCH/after_delivery.ppm" # 500, less 50 for the Worker, plus one load of 10
probe_panel 450 100 "$SCRATCH/before_delivery.ppm"
start_playing

button=$(region 10 90 58 138)
resources=$(region $((W - 226)) 90 $((W - 16)) 160)
screenshot "$SCRATCH/start.png"
[ "$(panel_differs "$SCRATCH/start.png" "$SCRATCH/before_delivery.ppm" "$button")" -eq 0 ] ||
  fail "a command button shows before anything is selected"

click "$baseX" "$baseY"
screenshot "$SCRATCH/base.png"
[ "$(panel_differs "$SCRATCH/base.png" "$SCRATCH/before_delivery.ppm" "$button")" -gt 1000 ] ||
  fail "selecting the base centre shows no worker button at (10, 90)"

workers_before=$(count_lines "RSS MESSAGE Unit Worker created")
click 34 "$(up_y 114)"
wait_for "the Worker queued" 30 log_has "$GAME" "added to construction queue"
trained() { [ "$(count_lines "RSS MESSAGE Unit Worker created")" -gt "$workers_before" ]; }
wait_for "the Worker trained" 60 trained

click "$doorX" "$doorY"
right_click "$pileX" "$pileY"
wait_for "gathering" 60 log_has "$GAME" "^Resource amount in "
wait_for "the first delivery" 120 log_has "$GAME" "Player1(Tolvanek) population = .* resources = (460,100)"
screenshot "$SCRATCH/delivered.png"
differing=$(panel_differs "$SCRATCH/delivered.png" "$SCRATCH/after_delivery.ppm" "$resources")
[ "$differing" -le 4 ] || fail "the read-out does not show 460 metal and 100 oil ($differing pixels differ)"
[ "$(panel_differs "$SCRATCH/delivered.png" "$SCRATCH/before_delivery.ppm" "$resources")" -gt 20 ] ||
  fail "the read-out cannot tell 460 from 450"
echo "panel_order_test: 1 passed, 0 failed"
