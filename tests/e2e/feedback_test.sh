#!/usr/bin/env bash
# Feedback over the scene, played by mouse: a message line when a Worker is trained, health bars
# over the selection, a marker where a move order lands, and a drag over the whole screen that is
# released over the panel: its rectangle goes at once.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game feedback
read -r baseX baseY < <(probe_where 85 75 6)
read -r doorX doorY < <(probe_where 85 78 2)
read -r groundX groundY < <(probe_where 90 86 0)
start_playing

# count COLOUR GEOMETRY FILE: pixels of the region near the colour.
count() {
  convert "$3" -crop "$2" +repage -alpha off -fuzz "${4:-6%}" -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%[fx:round(mean*w*h)]' info:
}
# around X Y: the window geometry of a box around a point (origin top left).
around() { echo "$(($3 * 2))x$(($4 * 2))+$(($1 - $3))+$(($2 - $4))"; }
messages=$(region 0 196 700 330)
green='rgb(40,220,40)'

screenshot "$SCRATCH/start.png"
[ "$(count white "$messages" "$SCRATCH/start.png")" -lt 20 ] || fail "text shows before any message"
[ "$(count "$green" "$(around "$baseX" "$baseY" 80 160)" "$SCRATCH/start.png")" -lt 20 ] ||
  fail "a health bar shows over the unselected base centre"

# Selecting the base centre puts a bar over it; a trained Worker's message shows for a few seconds.
click "$baseX" "$baseY"
screenshot "$SCRATCH/selected.png"
[ "$(count "$green" "$(around "$baseX" "$baseY" 80 160)" "$SCRATCH/selected.png")" -gt 60 ] ||
  fail "no health bar over the selected base centre"
workers_before=$(count_lines "RSS MESSAGE Unit Worker created")
click 34 "$(up_y 114)"
move_to "$groundX" "$groundY" # away from the button, whose description box would cover the lines
trained() { [ "$(count_lines "RSS MESSAGE Unit Worker created")" -gt "$workers_before" ]; }
wait_for "the Worker trained" 60 trained
screenshot "$SCRATCH/message.png"
[ "$(count white "$messages" "$SCRATCH/message.png")" -gt 100 ] || fail "the message shows no line over the scene"
shown=$(game_time)
wait_for "the message to go" 60 game_time_reaches $((shown + 4500))
screenshot "$SCRATCH/message_gone.png"
[ "$(count white "$messages" "$SCRATCH/message_gone.png")" -lt 20 ] || fail "the message stays"

# A move order marks the ground where it lands, briefly.
click "$doorX" "$doorY"
move_to "$groundX" "$groundY"
xdotool mousedown 3
wait_frames 3
import -window "$WIN" "$SCRATCH/marker.png"
xdotool mouseup 3
[ "$(count 'rgb(60,255,60)' "$(around "$groundX" "$groundY" 40 40)" "$SCRATCH/marker.png" 25%)" -gt 30 ] ||
  fail "no marker where the Worker was sent"
ordered=$(game_time)
wait_for "the marker to go" 60 game_time_reaches $((ordered + 2000))
# The Worker now stands there, and its health bar would read as the marker: a click on bare
# ground elsewhere clears the selection.
click "$((groundX + 200))" "$groundY"
screenshot "$SCRATCH/marker_gone.png"
[ "$(count 'rgb(60,255,60)' "$(around "$groundX" "$groundY" 40 40)" "$SCRATCH/marker_gone.png" 25%)" -lt 10 ] ||
  fail "the marker stays"

# A drag over the whole screen, let go over the panel.
move_to 5 5
xdotool mousedown 1
wait_frames 2
move_to $((W / 2)) $((H / 2))
move_to $((W - 5)) $((H - 5))
xdotool mouseup 1
screenshot "$SCRATCH/dragged.png"
[ "$(count 'rgb(255,255,0)' "$(region 0 0 "$W" "$H")" "$SCRATCH/dragged.png" 3%)" -lt 5 ] ||
  fail "the drag's rectangle stays on screen after the release"
echo "feedback_test: 4 passed, 0 failed"
