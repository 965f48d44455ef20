#!/usr/bin/env bash
# The menu's options apply and are remembered. A game started with an options file asking for
# 1024x768 opens a window of that size; the video page's resolution list, set to 800x600 with
# real clicks, makes the window that size at once and writes it to the file; the menu, laid out
# again for the smaller window, then takes a player name that the panel shows, and its video page,
# widened over the columns to hold its widgets, switches the shadows on. A binary options
# file starts the game on its defaults, says so once in the log and is left as it was. With the
# mouse buttons inverted the right one selects, the left one orders and still works the panel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

options="$XDG_CONFIG_HOME/orvalen/options.conf"
mkdir -p "$(dirname "$options")"

# 1. The file's resolution is the window's.
printf 'resolution = 1024x768\nsound_volume = 80\n' > "$options"
new_game sized
start_playing
[ "$(window_size)" = 1024x768 ] || fail "the options asked for 1024x768, the window is $(window_size)"

# 2. Escape, Options, Video; the resolution list's arrow opens it, its first row is 800x600.
press_key Escape
wait_frames 5
click 100 $((44 + 108 * 2))       # Options
wait_frames 60                    # the sub-menu slides in
click $((W - 130)) 44             # Video
wait_frames 60                    # the page slides down
click 515 245                     # the arrow of "Resolution:", the page widened to hold "Enable Shadows"
click 515 283                     # its first row
wait_for "the window to become 800x600" 30 size_is 800x600
grep -qx "resolution = 800x600" "$options" || fail "the new resolution was not written: $(cat "$options")"
grep -qx "sound_volume = 80" "$options" || fail "the other options were not kept: $(cat "$options")"
[ ! -e "$options.new" ] || fail "the temporary file was left behind"

# 3. The menu's columns hang from the smaller window's top, so every button stays in reach:
# Options, Game Options, a name typed into its field; the panel shows it once the menu is closed.
W=800
H=600
press_key Escape
screenshot "$SCRATCH/nameless.png"
press_key Escape
wait_frames 5
click 100 $((44 + 108 * 2))       # Options
wait_frames 60
click $((W - 130)) $((44 + 108 * 2)) # Game Options
wait_frames 60
click 400 134                     # the name field
xdotool key --delay 40 $(printf 'BackSpace %.0s' $(seq 1 25))
xdotool type --delay 60 "Ada"
name_written() { grep -qx "player_name = Ada" "$options"; }
wait_for "the name in the options file" 30 name_written
click $((W - 130)) 44             # Video
wait_frames 60
click 600 260                     # on the page where it covers the Game Options button: nothing
wait_frames 60
click 450 85                      # "Enable Shadows", on the page where it reaches over the Video button
shadows_written() { grep -qx "shadows = true" "$options"; }
wait_for "the shadows in the options file" 30 shadows_written
press_key Escape
screenshot "$SCRATCH/named.png"
[ "$(differing "$SCRATCH/nameless.png" "$SCRATCH/named.png" "$(region $((W - 216)) 70 $((W - 16)) 100)")" -gt 50 ] ||
  fail "the panel does not show the player's name under the stock"
# A press made beside the window, over the screen's root, is no click of the game's: not even at
# the place of the last press the window saw, a click in the scene.
selections=$(recorded_count '^[0-9]* 1 select ')
instant_click 400 200
wait_for "the click's selection" 30 recorded_more '^[0-9]* 1 select ' "$selections"
xdotool mousemove 1000 800 mousedown 1
wait_frames 3
xdotool mouseup 1
wait_for "the recording to be written" 30 game_time_reaches $(($(game_time) + 6000))
[ "$(recorded_count '^[0-9]* 1 select ')" -eq $((selections + 1)) ] ||
  fail "a press beside the window selected: $(grep '^[0-9]* 1 select ' "$GAME"/replays/*.replay | tail -n 1)"
quit_game "$GAME"

# 4. A binary file: the defaults (a maximised window), one log line, the file untouched.
printf 'resolution = 1024x768\n\0\xff\x01' > "$options"
cp "$options" "$SCRATCH/binary.conf"
new_game binary
start_playing
[ "$(window_size)" != 1024x768 ] || fail "a binary options file was read"
wait_for "the options' log line" 30 log_has "$GAME" "^OPTIONS .*options.conf: not an options file"
[ "$(grep -c '^OPTIONS ' "$GAME/log.log")" -eq 1 ] || fail "the binary file was reported more than once"
quit_game "$GAME"
cmp -s "$options" "$SCRATCH/binary.conf" || fail "the binary file was overwritten"

# 5. Invert Mouse Buttons: the right button selects and the left one orders, but the panel's
# buttons keep the left: a right click picks the base centre, a left click on its Worker button
# trains one (before, that press was taken as an order, which hides the buttons), and a left
# click on open ground orders.
printf 'invert_mouse = true\n' > "$options"
new_game inverted
read -r baseX baseY < <(probe_where 85 75 6)     # player 1's base centre
read -r groundX groundY < <(probe_where 92 84 0) # open ground in front of it
start_playing
right_click "$baseX" "$baseY"
wait_for "the right click's selection" 30 recorded_more '^[0-9]* 1 select [0-9]' 0
click_button
wait_for "the Worker button's training" 30 recorded_more '^[0-9]* 1 train 5$' 0
click "$groundX" "$groundY"
wait_for "the left click's order" 30 recorded_more '^[0-9]* 1 move ' 0
quit_game "$GAME"

echo "options_test: passed"
