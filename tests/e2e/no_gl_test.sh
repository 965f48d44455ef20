#!/usr/bin/env bash
# Without OpenGL on the display the game says what failed in a box captioned "Error" and exits
# with a non-zero status instead of running a loop with no scene.
source "$(dirname "$0")/lib.sh"

game=$(make_game_folder)
start_game "$game"
answer_box "Error"
wait "$GAME_PID"
status=$?
[ "$status" -ne 0 ] || fail "the game exited with status 0 without OpenGL"
echo "no_gl_test: 1 passed, 0 failed"
