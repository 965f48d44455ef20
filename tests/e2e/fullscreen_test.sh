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
full_screen() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
is_full_screen() { full_screen && size_is 1280x1024; }
is_windowed() { ! full_screen && size_is 800x600; }

# 1. Windowed at 800x600, then full screen and back from the video page.
printf 'resolution = 800x600\n' > "$options"
new_game windowed
start_playing
wait_for "an 800x600 window" 30 is_windowed
press_key Escape
wait_frames 5
click 100 $((44 + 108 * 2)) # Options
wait_frames 60
click $((W - 130)) 44       # Video
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
new_game full
start_playing
wait_for "the game to open full screen" 30 is_full_screen
quit_game "$GAME"

echo "fullscreen_test: passed"
