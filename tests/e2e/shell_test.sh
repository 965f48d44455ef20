#!/usr/bin/env bash
# The game's shell end to end: window, log, single-instance guard, quit request.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game first
game=$GAME
echo "stale line from an earlier run" > "$game/log.log"
start_playing
first=$GAME_PID
grep -q "stale line" "$game/log.log" && fail "log.log was not truncated at start"

# The game clock never goes back.
wait_frames 30
awk '/^LOOP \(/ { gsub(/[()]/, "", $2); if ($2 + 0 < last) bad = 1; last = $2 + 0 }
     END { exit bad }' "$game/log.log" || fail "the game clock decreased"

# A second start from another folder is refused with a box and leaves the first log alone.
second=$(make_game_folder second)
echo "untouched" > "$second/log.log"
lines_before=$(grep -c "^LOOP (" "$game/log.log")
start_game "$second"
refused=$GAME_PID
answer_box "Multiple runs"
wait "$refused"
status=$?
[ "$status" -eq 0 ] || fail "the refused start exited with $status"
[ "$(cat "$second/log.log")" = "untouched" ] || fail "the refused start touched its log.log"
kill -0 "$first" 2>/dev/null || fail "the first instance died"
lines_after=$(grep -c "^LOOP (" "$game/log.log")
[ "$lines_after" -ge "$lines_before" ] || fail "the first instance's log shrank"

# A quit request ends the game with status 0 and a complete log.
GAME_PID=$first
quit_game "$game"
echo "shell_test: 1 passed, 0 failed"
