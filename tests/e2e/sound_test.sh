#!/usr/bin/env bash
# Sound end to end through OpenAL Soft, configured by a test alsoft.conf in ALSOFT_CONF: the game
# runs on silently when no device opens, and it opens the device when one is there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

# run_until_looping FOLDER: starts the game there and waits for its window and LOOP lines.
run_until_looping() {
  GAME=$1
  start_game "$1"
  wait_for "the game window" 60 window_named "Orvalen v1.0"
  wait_for "LOOP lines" 60 log_has "$1" "^LOOP ("
}

# quit_game: a quit request must end the game normally.
quit_game() {
  kill -TERM "$GAME_PID"
  wait "$GAME_PID"
  local status=$?
  [ "$status" -eq 0 ] || fail "$1: the game exited with $status"
}

# No usable driver: an unknown driver name, and the wave writer without a file to write.
for config in "drivers = no-such-driver" "drivers = wave"; do
  game=$(make_game_folder "silent-${config// /}")
  printf '[general]\n%s\n' "$config" > "$game/alsoft.conf"
  export ALSOFT_CONF="$game/alsoft.conf"
  run_until_looping "$game"
  wait_for "'$config': the game to go on looping" 60 loops_reach $(($(loop_count) + 30))
  quit_game "'$config'"
done

# The wave writer: the game opens the device, and with nothing played the recording is silent.
game=$(make_game_folder recording)
recording="$game/recording.wav"
printf '[general]\ndrivers = wave\nchannels = stereo\nsample-type = int16\ndither = false\n[wave]\nfile = %s\n' \
  "$recording" > "$game/alsoft.conf"
export ALSOFT_CONF="$game/alsoft.conf"
run_until_looping "$game"
header=68 # RIFF, WAVE, the 40-byte extensible format and the data chunk header
recording_size() { stat -c %s "$recording" 2>/dev/null || echo 0; }
recording_grows() { [ "$(recording_size)" -gt $((header + 8192)) ]; }
wait_for "the recording to grow past $((header + 8192)) bytes" 30 recording_grows
[ "$(tail -c +$((header + 1)) "$recording" | tr -d '\0' | wc -c)" -eq 0 ] || fail "the recording is not silent"
quit_game "recording"
echo "sound_test: 3 passed, 0 failed"
