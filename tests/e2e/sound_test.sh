#!/usr/bin/env bash
# Sound end to end through OpenAL Soft, configured by a test alsoft.conf in ALSOFT_CONF: the game
# runs on silently when no device opens (sound_play_test plays through one that does).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

# run_until_looping FOLDER: starts the game there and waits for its window and LOOP lines.
run_until_looping() {
  GAME=$1
  start_game "$1"
  wait_for "the game window" 60 window_named "Orvalen v1.0"
  wait_for "LOOP lines" 60 log_has "$1" "^LOOP ("
}

# No usable driver: an unknown driver name, and the wave writer without a file to write.
for config in "drivers = no-such-driver" "drivers = wave"; do
  game=$(make_game_folder "silent-${config// /}")
  printf '[general]\n%s\n' "$config" > "$game/alsoft.conf"
  export ALSOFT_CONF="$game/alsoft.conf"
  run_until_looping "$game"
  wait_for "'$config': the game to go on looping" 60 loops_reach $(($(loop_count) + 30))
  quit_game "$game" "'$config'"
done

echo "sound_test: 2 passed, 0 failed"
