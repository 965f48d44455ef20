#!/usr/bin/env bash
# Full screen, as a player's desktop grants it: under a window manager, the video page's Fullscreen
# box, ticked with a real click, makes the 800x600 window cover the screen and writes the choice;
# ticked off, the window is 800x600 again. A game started with "fullscreen = true" opens full screen.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

# A bare X server has no window manager to ask for full screen; a desktop has one.
openbox >/dev/null 2>&1 &
GAME_PIDS+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for "the window manager" 30 wm_running

options="$XDG_CONFIG_HOME/orvalen/options.conf"
mkdir -p "$(dirname "$options")"
# The manager frames the game's window, so it is not a child of the root: search by its name.
game_window() { xdotool search --name '^Orvalen v1\.0$' | head -n1 | grep .; }
window_size() { eval "$(xdotool getwindowgeometry --shell "$WIN")"; echo "${WIDTH}x${HEIGHT}"; }
full_screen() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
is_full_screen() { full_screen && [ "$(window_size)" = 1280x1024 ]; }
is_windowed() { ! full_screen && [ "$(window_size)" = 800x600 ]; }
play_in_window() {
  new_game "$1"
  start_game "$GAME"
  wait_for "the game window" 60 game_window
  WIN=$(game_window)
  wait_for "LOOP lines" 60 log_has "$GAME" "^LOOP ("
}

# 1. Windowed at 800x600, then full screen and back from the video page.
printf 'resolution = 800x600\n' > "$options"
play_in_window windowed
wait_for "an 800x600 window" 30 is_windowed
press_key Escape
wait_frames 5
click 100 $((44 + 108 * 2)) # Options
wait_frames 60
click $((800 - 130)) 44     # Video
wait_frames 60
click 175 85                # "Fullscreen", on the page widened to hold its widgets
wait_for "the window to cover the screen" 30 is_full_screen
grep -qx "fullscreen = true" "$options" || fail "full screen was not written: $(cat "$options")"
wait_frames 30              # the page settles at the larger window's top
click 305 85                # "Fullscreen" where the larger window has it
wait_for "the 800x600 window again" 30 is_windowed
grep -qx "fullscreen = false" "$options" || fail "the window was not written: $(cat "$options")"
quit_game "$GAME"

# 2. The options file asks for full screen: the game opens so.
printf 'fullscreen = true\nresolution = 800x600\n' > "$options"
play_in_window full
wait_for "the game to open full screen" 30 is_full_screen
quit_game "$GAME"

echo "fullscreen_test: passed"
