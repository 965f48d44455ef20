#!/usr/bin/env bash
# Sound end to end through OpenAL Soft, configured by a test alsoft.conf in ALSOFT_CONF: the game
# runs on silently when no device opens (sound_play_test plays through one that does).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

# No usable driver: an unknown driver name, and the wave writer without a file to write.
for config in "drivers = no-such-driver" "drivers = wave"; do
  new_game "silent-${config// /}"
  printf '[general]\n%s\n' "$config" > "$GAME/alsoft.conf"
  export ALSOFT_CONF="$GAME/alsoft.conf"
  start_playing
  wait_for "'$config': the game to go on looping" 60 loops_reach $(($(loop_count) + 30))
  quit_game "$GAME" "'$config'"
done

echo "sound_test: 2 passed, 0 failed"
