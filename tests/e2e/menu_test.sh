#!/usr/bin/env bash
# The front-end menu end to end: the real game under Xvfb, driven with real input. What the screen
# shows is compared with reference pictures that the game's own menu code renders in the wanted
# state (orvalen_menu_probe, run under an X server of its own with the same screen size).
source "$(dirname "$0")/lib.sh"
STEP_FRAMES=3
source "$(dirname "$0")/play.sh"
SUPPORT=$(cd "$(dirname "$0")/../support" && pwd)

new_game menu
game=$GAME
refs="$SCRATCH/refs"
shots="$SCRATCH/shots"
mkdir -p "$refs" "$shots"
# The game's sound goes to a recording; the probe's nowhere.
recording="$game/recording.wav"
printf '[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\ndither = false\n[wave]\nfile = %s\n' \
  "$recording" > "$game/alsoft.conf"
printf '[general]\ndrivers = null\n' > "$refs/alsoft.conf"

# Screen geometry (the test server's 1280 x 1024 screen) in X coordinates, y down.
read -r W H < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
[ "$W" = 1280 ] && [ "$H" = 1024 ] || fail "expected a 1280x1024 screen, got ${W}x${H}"
main_button_y() { echo $((44 + 108 * $1)); } # the middle of button $1 of a menu
main_x=100
right_x=1150
neutral=(700 900)           # over no widget
title_region=400x110+440+40 # "Orvalen" and "(version 1.0)"
name_field=322x34+289+118   # the player-name field on the game page
slider_knob=(408 112)       # the sound slider's knob at its start position
exit_question="Are you sure you want to quit? Because there are thousands of other things you can do, of course it's better than playing some RTS, that's not even working!"

# --- the reference pictures -------------------------------------------------------------------
(cd "$game" && ALSOFT_CONF="$refs/alsoft.conf" XVFB_SCREEN=${W}x${H}x24 "$SUPPORT/with-xvfb.sh" \
  "$BUILD/orvalen_menu_probe" "$refs" \
  main main \
  box exit 0 1 125 "$exit_question" \
  audio audio 110 110 "100 %" "100 %" \
  audio audio-silent 0 110 "0 %" "100 %" \
  name name-shown "xTolv'" 1 shown \
  name name-hidden "xTolv'" 1 hidden \
  name full-shown "xabcdefghijklmnTolv'" 15 shown \
  name full-hidden "xabcdefghijklmnTolv'" 15 hidden \
  video video 1 2 0 0 1) 2>/dev/null || fail "the probe could not render the references"

# --- helpers ----------------------------------------------------------------------------------
shot() { import -window root "$shots/$1.ppm"; }

same() { [ "$(differing "$1" "$2" "${3:-}" 0)" -eq 0 ]; } # pixel for pixel

# Slides take game time, which frames on a busy machine stretch.
game_time_passes() { wait_for "$1 ms of game time" 60 game_time_reaches $(($(game_time) + $1)); }
rest_mouse() { move_to "${neutral[@]}"; }

menu_showing() { shot now && same "$shots/now.ppm" "$refs/main.ppm" "$title_region"; }

# Past the recording's 68-byte header, anything but zero bytes is sound.
heard() { [ "$(tail -c +69 "$recording" | tr -d '\0' | wc -c)" -gt 0 ]; }

# --- Escape opens and closes the menu ---------------------------------------------------------
export ALSOFT_CONF="$game/alsoft.conf"
start_playing
rest_mouse
menu_showing && fail "the menu shows before Escape"
heard && fail "something played before the menu opened"

# The slide-in takes a second of game time; the buttons' order of entry is the menu's unit test's.
hold_key Escape 3
game_time_passes 1500
shot opened
same "$shots/opened.ppm" "$refs/main.ppm" || fail "Escape did not bring up the main menu at rest"
heard || fail "the buttons slid in without a swish"

hold_key Escape 3
menu_showing && fail "a second Escape did not close the menu"

# Holding Escape toggles once: the menu stays up for as long as the key is held, and after.
xdotool keydown Escape
wait_frames 3
for _ in 1 2 3 4 5 6 7 8; do
  menu_showing || {
    xdotool keyup Escape
    fail "holding Escape toggled the menu more than once"
  }
  wait_frames 1
done
xdotool keyup Escape
wait_frames 3
menu_showing || fail "the menu closed when Escape was let go"

# --- Options, then Audio ----------------------------------------------------------------------
click "$main_x" "$(main_button_y 2)"
game_time_passes 1500
click "$right_x" "$(main_button_y 1)"
game_time_passes 1000
rest_mouse
shot audio
same "$shots/audio.ppm" "$refs/audio.ppm" || fail "Options then Audio did not show the audio page reading 100 %"

# Dragging the sound slider to the left end: the label reads "0 %". The button is let go there and
# the cursor flung on at once: the knob stays where it was let go.
move_to "${slider_knob[@]}"
xdotool mousedown 1
wait_frames 3
move_to 300 112
xdotool mousemove --window "$WIN" 150 112 mouseup 1 mousemove --window "$WIN" "${neutral[@]}"
wait_frames 3
shot silent
same "$shots/silent.ppm" "$refs/audio-silent.ppm" ||
  fail "after the drag the audio page does not read 0 % with the knob at the left end"

# --- Exit, then NO ------------------------------------------------------------------------------
click "$main_x" "$(main_button_y 4)"
rest_mouse
shot exit
same "$shots/exit.ppm" "$refs/exit.ppm" || fail "Exit did not open the question box alone"
# NO clicked quickly, the cursor flung on before a frame reads the click: it counts where it was
# made.
flung_click 790 606 "${neutral[@]}"
wait_frames 3
shot after-no
same "$shots/after-no.ppm" "$shots/silent.ppm" || fail "Exit then NO, clicked on the move, changed the menu"

# --- the player-name field ----------------------------------------------------------------------
click "$right_x" "$(main_button_y 2)" # Game Options
game_time_passes 1000
click 400 134 # focus the field
xdotool key --delay 40 $(printf 'BackSpace %.0s' $(seq 1 25))
xdotool type --delay 60 "Tolva%'"
xdotool key --delay 60 Left Left BackSpace Delete Right Right Delete
xdotool key --delay 40 $(printf 'Left %.0s' $(seq 1 10)) BackSpace
xdotool type --delay 60 "x"

# field_reads REF: the field comes to show the reference text and caret (typed keys reach the game
# one message a frame) and stays so. The caret blinks: every picture from then on must match the
# reference with the caret hidden or shown, and one must show it.
field_matches() {
  same "$shots/field.ppm" "$refs/$1-shown.ppm" "$name_field" && echo shown && return
  same "$shots/field.ppm" "$refs/$1-hidden.ppm" "$name_field" && echo hidden
}
field_reads() {
  local shown=0 seen=0 deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    shot field
    case "$(field_matches "$1")" in
    shown) shown=1 seen=$((seen + 1)) ;;
    hidden) seen=$((seen + 1)) ;;
    *) [ "$seen" -gt 0 ] && return 1 ;;
    esac
    [ "$seen" -ge 8 ] && [ "$shown" -eq 1 ] && return 0
    wait_frames 2
  done
  return 1
}
field_reads name || fail "the name field does not read xTolv' with the caret after the x"

# The alphabet holds U: typed into the field it must not switch the free camera, whose mouse-look
# would hold the cursor at the window centre and take the clicks below.
xdotool type --delay 60 "abcdefghijklmnopqrstuvwxyz"
field_reads full || fail "the name field did not stop at 20 characters"

# --- the video page: a check box and the drop-down lists -------------------------------------------
# The page shows the options in use: the best texture quality and the window's size. What is
# chosen here applies at once, so the choices leave the window as it is.
click "$right_x" "$(main_button_y 0)" # Video
game_time_passes 1000
click 585 85  # "Enable Shadows"
click 525 175 # the arrow of "Texture quality:" opens its list
# The arrow of "Resolution:" now lies under the open list's second row: the click takes that row
# ("Medium") and closes the list, and the lower list stays shut.
click 525 245
click 525 315 # the arrow of "Texture Filtering:" opens its list ...
rest_mouse    # ... and leaving it closes it with its item unchanged
shot video
same "$shots/video.ppm" "$refs/video.ppm" ||
  fail "the video page does not show Shadows set, Medium chosen, the window's size and every list closed"
grep -q "^texture_quality = medium$" "$XDG_CONFIG_HOME/orvalen/options.conf" &&
  grep -q "^shadows = true$" "$XDG_CONFIG_HOME/orvalen/options.conf" ||
  fail "the choices were not remembered"

# --- Exit, then YES -----------------------------------------------------------------------------
click "$main_x" "$(main_button_y 4)"
move_to 480 606
xdotool mousedown 1 # YES
for _ in $(seq 1 150); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.2; done
xdotool mouseup 1
kill -0 "$GAME_PID" 2>/dev/null && fail "Exit then YES did not end the game"
wait "$GAME_PID"
status=$?
[ "$status" -eq 0 ] || fail "Exit then YES ended the game with status $status"
[ -z "$(tail -c1 "$game/log.log")" ] || fail "the last log line is incomplete"
grep -q "^LOOP (" "$game/log.log" || fail "the log has no LOOP lines"
echo "menu_test: passed"
