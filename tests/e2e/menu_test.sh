#!/usr/bin/env bash
# The front-end menu end to end: the real game under Xvfb, driven with real input. What the screen
# shows is compared with reference pictures that the game's own menu code renders in the wanted
# state (orvalen_menu_probe, run under an X server of its own with the same screen size).
source "$(dirname "$0")/lib.sh"
SUPPORT=$(cd "$(dirname "$0")/../support" && pwd)

game=$(make_game_folder menu)
refs="$SCRATCH/refs"
shots="$SCRATCH/shots"
mkdir -p "$refs" "$shots"
printf '[general]\ndrivers = null\n' > "$game/alsoft.conf"
export ALSOFT_CONF="$game/alsoft.conf"

# Screen geometry (1280 x 1024, the test server's screen), in X coordinates (y down).
read -r W H < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
[ "$W" = 1280 ] && [ "$H" = 1024 ] || fail "expected a 1280x1024 screen, got ${W}x${H}"
main_button_y() { echo $((44 + 108 * $1)); } # the middle of main-menu button $1
right_button_x=1150
neutral=(700 900)                         # over no widget
title_region=400x110+440+40                # "Orvalen" and "(version 1.0)"
name_field=322x34+289+118                  # the player-name field on the game page
slider_knob=(408 112)                      # the sound slider's knob at its start position
exit_question="Are you sure you want to quit? Because there are thousands of other things you can do, of course it's better than playing some RTS, that's not even working!"

# --- the reference pictures -------------------------------------------------------------------
(cd "$game" && XVFB_SCREEN=${W}x${H}x24 "$SUPPORT/with-xvfb.sh" "$BUILD/orvalen_menu_probe" "$refs" \
  main main \
  box exit 0 1 125 "$exit_question" \
  audio audio 110 110 "100 %" "100 %" \
  audio audio-silent 0 110 "0 %" "100 %" \
  name name-shown "xTolv'" 1 shown \
  name name-hidden "xTolv'" 1 hidden \
  name full-shown "xabcdefghijklmnTolv'" 15 shown \
  name full-hidden "xabcdefghijklmnTolv'" 15 hidden) 2>/dev/null || fail "the probe could not render the references"

# --- helpers ----------------------------------------------------------------------------------
shot() { import -window root "$shots/$1.ppm"; }

# differing_pixels A B [GEOMETRY]: how many pixels differ between two pictures (in a region).
differing_pixels() {
  local region=${3:+[$3]}
  compare -metric AE "$1$region" "$2$region" null: 2>&1 | awk '{ print int($1) }'
}
same() { [ "$(differing_pixels "$@")" -eq 0 ]; }

# The game polls keys and buttons once a frame, so every press is held for a few frames.
press() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
}

# click X Y: moves there, lets a few frames see the mouse over the widget, then clicks.
click() {
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}
rest_mouse() { xdotool mousemove "${neutral[@]}"; sleep 0.5; }

menu_showing() { shot now && same "$shots/now.ppm" "$refs/main.ppm" "$title_region"; }

# --- Escape opens and closes the menu ---------------------------------------------------------
start_game "$game"
wait_for "the game window" 60 window_named "Orvalen v1.0"
wait_for "LOOP lines" 60 log_has "$game" "^LOOP ("
rest_mouse
menu_showing && fail "the menu shows before Escape"

press Escape
for i in $(seq -w 1 20); do shot "slide$i"; done
sleep 1.5
shot opened
same "$shots/opened.ppm" "$refs/main.ppm" || fail "Escape did not bring up the main menu at rest"

# The main menu's buttons slide in from the left, one after another: in every picture each button
# shows no more of itself than the one above it, and some pictures catch them on the way.
# Left of the box, the exit question's picture shows the bare backdrop.
visible_width() { differing_pixels "$1" "$refs/exit.ppm" "380x1+0+$(main_button_y "$2")"; }
partial=0
for f in "$shots"/slide*.ppm; do
  widths=()
  for b in 0 1 2 3 4; do widths+=("$(visible_width "$f" "$b")"); done
  for b in 1 2 3 4; do
    [ "${widths[$b]}" -le "${widths[$((b - 1))]}" ] || fail "button $b ahead of button $((b - 1)): ${widths[*]}"
  done
  for b in 0 1 2 3 4; do
    [ "${widths[$b]}" -gt 0 ] && [ "${widths[$b]}" -lt 230 ] && partial=$((partial + 1))
  done
done
[ "$partial" -ge 3 ] || fail "no picture caught the buttons sliding in ($partial partial buttons)"

press Escape
sleep 0.5
menu_showing && fail "a second Escape did not close the menu"

# Holding Escape toggles once: the menu stays up for as long as the key is held and after.
xdotool keydown Escape
sleep 0.3
for i in 1 2 3 4 5 6 7 8; do
  menu_showing || { xdotool keyup Escape; fail "holding Escape toggled the menu more than once"; }
  sleep 0.1
done
xdotool keyup Escape
sleep 0.3
menu_showing || fail "the menu closed when Escape was let go"

# --- Options, then Audio ----------------------------------------------------------------------
click 100 "$(main_button_y 2)"
sleep 1
click "$right_button_x" "$(main_button_y 1)"
rest_mouse
shot audio
same "$shots/audio.ppm" "$refs/audio.ppm" || fail "Options then Audio did not show the audio page reading 100 %"

# Dragging the sound slider to the left end: the label reads "0 %".
xdotool mousemove "${slider_knob[@]}"
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mousemove 300 112
sleep 0.2
xdotool mousemove 150 112
sleep 0.3
xdotool mouseup 1
rest_mouse
shot silent
same "$shots/silent.ppm" "$refs/audio-silent.ppm" ||
  fail "after the drag the audio page does not read 0 % with the knob at the left end"

# --- Exit, then NO ------------------------------------------------------------------------------
click 100 "$(main_button_y 4)"
rest_mouse
shot exit
same "$shots/exit.ppm" "$refs/exit.ppm" || fail "Exit did not open the question box alone"
click 790 606 # NO
rest_mouse
shot after-no
same "$shots/after-no.ppm" "$shots/silent.ppm" || fail "Exit then NO changed the menu"

# --- the player-name field ----------------------------------------------------------------------
click "$right_button_x" "$(main_button_y 2)" # Game Options
sleep 1
click 400 134 # focus the field
xdotool key --delay 40 $(printf 'BackSpace %.0s' $(seq 1 25))
xdotool type --delay 60 "Tolva%'"
xdotool key --delay 60 Left Left BackSpace Delete Right Right Delete
xdotool key --delay 40 $(printf 'Left %.0s' $(seq 1 10)) BackSpace
xdotool type --delay 60 "x"
sleep 0.3

# field_reads REF: the field shows the reference text and caret. Typed keys reach the game one
# message a frame, so the field may take a moment to get there; once it does, it must stay there.
# The caret blinks: every picture must match the reference with the caret hidden or shown, and one
# with it shown.
field_matches() {
  same "$shots/field.ppm" "$refs/$1-shown.ppm" "$name_field" && echo shown && return
  same "$shots/field.ppm" "$refs/$1-hidden.ppm" "$name_field" && echo hidden
}
field_reads() {
  local shown=0 seen=0
  for _ in $(seq 1 40); do
    shot field
    case "$(field_matches "$1")" in
    shown) shown=1 seen=$((seen + 1)) ;;
    hidden) seen=$((seen + 1)) ;;
    *) [ "$seen" -gt 0 ] && return 1 ;;
    esac
    [ "$seen" -ge 8 ] && [ "$shown" -eq 1 ] && return 0
    sleep 0.15
  done
  return 1
}
field_reads name || fail "the name field does not read xTolv' with the caret after the x"

xdotool type --delay 60 "abcdefghijklmnopqrstuvwxyz"
sleep 0.3
field_reads full || fail "the name field did not stop at 20 characters"

# --- Exit, then YES -----------------------------------------------------------------------------
click 100 "$(main_button_y 4)"
click 480 606 # YES
for _ in $(seq 1 50); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$GAME_PID" 2>/dev/null && fail "Exit then YES did not end the game"
wait "$GAME_PID"
status=$?
[ "$status" -eq 0 ] || fail "Exit then YES ended the game with status $status"
[ -z "$(tail -c1 "$game/log.log")" ] || fail "the last log line is incomplete"
grep -q "^LOOP (" "$game/log.log" || fail "the log has no LOOP lines"
echo "menu_test: passed"
