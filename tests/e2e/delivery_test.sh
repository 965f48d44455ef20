#!/usr/bin/env bash
# A Worker sent to a metal pile beside the enemy's base centre carries each load home: the
# player's metal rises, the enemy's stays where it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game delivery
read -r baseX baseY < <(probe_where 85 75 6)        # player 1's base centre
read -r doorLeft doorTop < <(probe_where 82 77.6 0) # around where trained units step out
read -r doorRight doorBottom < <(probe_where 89 81 0)
start_playing --enemy-marines 0 # nothing on the way to shoot the Worker

click "$baseX" "$baseY"
click_button
wait_for "a Worker" 60 log_has "$GAME" "RSS MESSAGE Unit Worker created"
wait_for "the Worker to step out" 30 game_time_reaches $(($(game_time) + 1000))
drag "$doorLeft" "$doorTop" "$doorRight" "$doorBottom"

travel_to 136 151 # the pile 14 cells from the enemy's base centre and 90 from the player's
read -r pileX pileY < <(probe_where_now 136 151 1)
own=$(metal 1)
enemy=$(metal 2)
right_click "$pileX" "$pileY"
wait_for "a delivery" 120 metal_above 1 "$own"
[ "$(metal 2)" -eq "$enemy" ] || fail "the enemy's metal went from $enemy to $(metal 2)"
echo "delivery_test: passed"
