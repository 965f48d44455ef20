#!/usr/bin/env bash
# Every game is recorded and can be watched again. A short game is played by mouse (the base centre
# selected, a Worker trained, the Workers sent walking) and quit; the recording is shown with
# --replay in a window of its own: the arrow keys move the view, a click selects the base centre
# to look at it, a right click gives no order, and "Replay finished" shows at the end. The replayed
# game logs exactly what the played one did, so no order of the watcher reached it. A game given
# orders by --script records them with the player's.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game played
read -r baseX baseY < <(probe_where 85 75 6)
read -r groundX groundY < <(probe_where 90 86 0)
read -r doorLeft doorTop < <(probe_where 82 77.6 0)
read -r doorRight doorBottom < <(probe_where 89 81 0)
start_playing

click "$baseX" "$baseY"
click_button
trained() { log_has "$GAME" "constructed: "; }
wait_for "the Worker trained" 60 trained
drag "$doorLeft" "$doorTop" "$doorRight" "$doorBottom"
right_click "$groundX" "$groundY"
# Time enough for the watcher to look around before the recording ends.
wait_for "the Workers' walk" 120 game_time_reaches $(($(game_time) + 25000))
played=$GAME
quit_game "$played" "the played game"
recordings=("$played"/replays/*.replay)
[ ${#recordings[@]} -eq 1 ] && [ -f "${recordings[0]}" ] || fail "the game left no recording in replays/"
recording=${recordings[0]}
tail -n1 "$recording" | grep -q '^end ' || fail "the recording has no end mark"
passes=$(awk '$1 == "p" { n += NF - 1 } END { print n }' "$recording") # a line holds passes in a row

# The recording in a window, in a game folder of its own.
new_game watched
cp "$recording" "$GAME/game.replay"
start_playing --replay game.replay
camera_after hold_key Left 10
[ "$(camera_count)" -ge 1 ] || fail "the arrow keys did not move the view"
press_key Home
wait_frames 5
screenshot "$SCRATCH/before-click.png"
click "$baseX" "$baseY"
# A replay's LOOP lines are its recorded passes, not the window's frames: on a loaded machine
# several come in one frame, so the screen is asked until the panel shows the selection.
panel_shows_base() {
  import -window "$WIN" "$SCRATCH/looked.png"
  [ "$(differing "$SCRATCH/before-click.png" "$SCRATCH/looked.png" "$(region 200 10 700 180)")" -gt 300 ]
}
wait_for "the selected base centre to show in the panel" 30 panel_shows_base
click_button # no training button: nothing is ordered
right_click "$groundX" "$groundY"
finished() { loops_reach "$passes"; }
wait_for "the replay's end" 120 finished
# No pass runs once the recording is over, so no log line counts the frames: the screen is asked
# until the caption shows.
band="$W"x60+0+$((H / 4 - 30)) # the caption's band, a quarter down from the top
caption_shows() {
  import -window "$WIN" "$SCRATCH/finished.png"
  local bright
  bright=$(convert "$SCRATCH/finished.png" -crop "$band" +repage -fuzz 10% -fill black +opaque white \
    -fill white -opaque white -format '%[fx:round(mean*w*h)]' info:)
  [ "$bright" -gt 300 ]
}
wait_for "\"Replay finished\" over the scene" 60 caption_shows
[ "$(loop_count)" -eq "$passes" ] || fail "the replay ran $(loop_count) passes, the game $passes"
quit_game "$GAME" "the replay"

without_view() { grep -v '^CAMERA ' "$1/log.log" | sed -E 's/0x[0-9a-f]+/ADDRESS/g'; }
diff <(without_view "$played") <(without_view "$GAME") > "$SCRATCH/logs.diff" ||
  fail "the replay's log differs from the game's: $(head -n 5 "$SCRATCH/logs.diff")"
[ ! -d "$GAME/replays" ] || [ -z "$(ls "$GAME/replays")" ] || fail "watching a replay recorded a game"

# A recording that is not one is refused before the window opens, with the reason.
printf 'orvalen-replay 1\nmap none\nseed x\n' > "$GAME/bad.replay"
(cd "$GAME" && "$BUILD/orvalen" --replay bad.replay) 2> "$SCRATCH/bad.txt" &
bad=$!
answer_box "Replay"
wait "$bad" && fail "a broken recording was shown"
grep -q 'bad.replay:3: seed needs a whole number' "$SCRATCH/bad.txt" || fail "the reason was not given: $(cat "$SCRATCH/bad.txt")"

# Orders given by --script reach the game played after the frames they name, and are recorded: a
# Marine spawned for the player on the 40th stands in the recording replayed.
new_game scripted
printf '# a Marine beside the base\n40 1 spawn 0 90 86\n' > "$GAME/orders.txt"
start_playing --opponent none --script orders.txt
wait_for "the 40th frame" 60 loops_reach 45
quit_game "$GAME" "the scripted game"
scripted=("$GAME"/replays/*.replay)
grep -q '^40 1 spawn 0 90 86$' "${scripted[0]}" || fail "the script's order was not recorded after pass 40"
(cd "$GAME" && "$BUILD/orvalen-sim" --replay "${scripted[0]}" --dump) > "$SCRATCH/scripted.txt" 2>&1 ||
  fail "the scripted game does not replay: $(tail -n 3 "$SCRATCH/scripted.txt")"
grep -q '^object [0-9]* 0 1 90.000 86.000 ' "$SCRATCH/scripted.txt" ||
  fail "the scripted Marine is not in the game: $(grep ' 0 1 ' "$SCRATCH/scripted.txt" | head -n 3)"

echo "replay_test: passed"
