#!/usr/bin/env bash
# The Barracks site raised by mouse: look over to the site with mouse-look, select the Worker that
# stands near it, right-click the site, and the Barracks stands: selecting it shows the Marine button.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

YAW=52
PITCH=40
new_game site
read -r siteX siteY < <(probe_where 55 60 1 $YAW $PITCH)
read -r workerX workerY < <(probe_where 30 50 2 $YAW $PITCH)
probe_panel 500 100 "$SCRATCH/bare.ppm"
start_playing
button=$(region 10 90 58 138)

look_around $YAW $PITCH
screenshot "$SCRATCH/site.png"
click "$workerX" "$workerY"
right_click "$siteX" "$siteY"
wait_for "the Barracks" 60 log_has "$GAME" "RSS MESSAGE Unit Barracks created"
screenshot "$SCRATCH/barracks.png"
[ "$(compare -metric AE -fuzz 10% -crop 80x80+$((siteX - 40))+$((siteY - 60)) "$SCRATCH/site.png" \
  "$SCRATCH/barracks.png" null: 2>&1 | cut -d' ' -f1)" -gt 200 ] || fail "no building rose where the site was"

click "$siteX" "$siteY"
screenshot "$SCRATCH/selected.png"
[ "$(panel_differs "$SCRATCH/selected.png" "$SCRATCH/bare.ppm" "$button")" -gt 1000 ] ||
  fail "a click on the Barracks shows no Marine button"
echo "construction_site_test: 1 passed, 0 failed"
