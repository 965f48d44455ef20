#!/usr/bin/env bash
# The whole game played by mouse and keys from the start view: the base centre trains two Workers,
# they gather metal (the read-out rises), the view travels with the wheel and the arrow keys to
# the Barracks site, the Workers raise the Barracks, the Barracks trains a Marine, and the Marines take the
# enemy's base centre until the "Victory" banner shows, with the player's name under it. A
# screenshot at each step is checked for what it must show.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

new_game play
shots="${ORVALEN_PLAY_SHOTS:-$SCRATCH}" # keep the pictures by naming a folder
mkdir -p "$shots"
[ "$shots" != "$SCRATCH" ] && trap 'cp "$GAME/log.log" "$shots/"; cleanup' EXIT
read -r baseX baseY < <(probe_where 85 75 6)        # player 1's base centre
read -r doorLeft doorTop < <(probe_where 82 77.6 0) # around where trained units step out
read -r doorRight doorBottom < <(probe_where 89 81 0)
read -r pileX pileY < <(probe_where 97 70 1) # the nearest metal pile
mkdir -p "$XDG_CONFIG_HOME/orvalen"
printf 'player_name = Ada\n' > "$XDG_CONFIG_HOME/orvalen/options.conf" # shown under the banner at the end
start_playing --enemy-marines 0 # the enemy's base centre alone stands between the player and the end
resources=$(region $((W - 226)) 90 $((W - 16)) 160)

# 1. The base centre, selected, offers the Worker button; two clicks train two Workers.
screenshot "$shots/1-start.png"
workers_before=$(count_lines "RSS MESSAGE Unit Worker created") # the set-up's two
click "$baseX" "$baseY"
screenshot "$shots/2-base-selected.png"
[ "$(differing "$shots/1-start.png" "$shots/2-base-selected.png" "$(region 10 90 58 138)")" -gt 1000 ] ||
  fail "selecting the base centre shows no Worker button"
click_button
click_button
workers() { [ "$(count_lines "RSS MESSAGE Unit Worker created")" -ge $((workers_before + 2)) ]; }
wait_for "two Workers" 60 workers
wait_for "the second Worker to step out" 30 game_time_reaches $(($(game_time) + 1000))
screenshot "$shots/3-workers.png"

# 2. Both Workers, picked up with a drag in front of the base, gather from the metal pile; the
# read-out shows the metal rising.
drag "$doorLeft" "$doorTop" "$doorRight" "$doorBottom"
right_click "$pileX" "$pileY"
spent=$(metal 1)
wait_for "a delivery" 300 metal_above 1 "$spent"
screenshot "$shots/4-gathering.png"
[ "$(differing "$shots/3-workers.png" "$shots/4-gathering.png" "$resources")" -gt 20 ] ||
  fail "the metal read-out did not change ($spent, then $(metal 1))"

# 3. The wheel and the arrow keys take the view to the Barracks site; the Workers, still selected, are sent onto it.
travel_to 55 60
screenshot "$shots/5-site.png"
read -r siteX siteY < <(probe_where_now 55 60 0)
right_click "$siteX" "$siteY"
wait_for "the Barracks to stand" 120 log_has "$GAME" "RSS MESSAGE Unit Barracks created"
screenshot "$shots/6-barracks.png"
[ "$(differing "$shots/5-site.png" "$shots/6-barracks.png" "120x120+$((siteX - 60))+$((siteY - 100))")" -gt 2000 ] ||
  fail "no Barracks rose at the site"

# 4. The Barracks, selected, trains Marines with the panel button: as many as the oil pays for
# (20 each; 100 at the start, less 20 for the Barracks).
read -r barracksX barracksY < <(probe_where_now 55 60 6)
click "$barracksX" "$barracksY"
screenshot "$shots/7-barracks-selected.png"
[ "$(differing "$shots/6-barracks.png" "$shots/7-barracks-selected.png" "$(region 10 90 58 138)")" -gt 1000 ] ||
  fail "selecting the Barracks shows no Marine button"
marines_before=$(count_lines "RSS MESSAGE Unit Marine created")
for _ in 1 2 3 4; do click_button; done
marines() { [ "$(count_lines "RSS MESSAGE Unit Marine created")" -ge $((marines_before + 4)) ]; }
wait_for "four Marines" 120 marines
wait_for "the Marines' walk to the rally point" 60 game_time_reaches $(($(game_time) + 5000))
pan_to 47 42
screenshot "$shots/8-marines.png"

# 5. A drag over the rally point picks the Marines up; the view travels to the enemy's base
# centre, and a right click on it sends them. It falls, and with the enemy's last building and unit
# gone the banner says "Victory".
read -r rallyLeft rallyTop < <(probe_where_now 43 38 0)
read -r rallyRight rallyBottom < <(probe_where_now 51 46 0)
drag "$rallyLeft" "$rallyTop" "$rallyRight" "$rallyBottom"
screenshot "$shots/9-marines-selected.png"
travel_to 150 152
read -r enemyX enemyY < <(probe_where_now 150 152 6)
right_click "$enemyX" "$enemyY"
screenshot "$shots/10-attack.png"
wait_for "the enemy's base centre to fall" 300 log_has "$GAME" "RSS MESSAGE Unit BaseCenter deleted"
screenshot "$shots/11-fallen.png"
wait_for "the game's end" 300 log_has "$GAME" "Game over: Victory"
screenshot "$shots/12-victory.png"
band="200x100+0+$((H / 2 - 50))" # the banner's dark band crosses the window's middle
[ "$(differing "$shots/10-attack.png" "$shots/12-victory.png" "$band")" -gt 10000 ] ||
  fail "no banner over the scene"
name_band="200x40+0+$((H / 2 + 76))" # the name's own band, below the word
[ "$(differing "$shots/10-attack.png" "$shots/12-victory.png" "$name_band")" -gt 4000 ] ||
  fail "no player's name under the banner"

# 6. The game goes on under the banner, and its menu still opens and closes.
wait_frames 5
press_key Escape
screenshot "$shots/13-menu.png"
[ "$(differing "$shots/12-victory.png" "$shots/13-menu.png" "$band")" -gt 10000 ] || fail "Escape shows no menu"
press_key Escape
screenshot "$shots/14-after-menu.png"
[ "$(differing "$shots/12-victory.png" "$shots/14-after-menu.png" "$band")" -lt 2000 ] ||
  fail "the banner did not come back after the menu"

# 7. The recording of the game, played again headless in the game's folder.
quit_game "$GAME"
recordings=("$GAME"/replays/*.replay)
[ -f "${recordings[0]}" ] || fail "the game left no recording in replays/"
replay() { (cd "$GAME" && "$BUILD/orvalen-sim" --replay "$1" > "$SCRATCH/replayed.txt"); }
replay "${recordings[0]}" || fail "the recording does not replay: $(cat "$SCRATCH/replayed.txt")"
grep -q '^replay matches: ' "$SCRATCH/replayed.txt" || fail "no match reported: $(cat "$SCRATCH/replayed.txt")"
head -c $(($(stat -c %s "${recordings[0]}") / 2)) "${recordings[0]}" > "$GAME/cut.replay"
replay cut.replay && fail "a recording cut short passed"
grep -q '^replay incomplete: ends at pass ' "$SCRATCH/replayed.txt" || fail "the cut was not named"
# The first Worker ordered at the base centre becomes a Marine: another price, another stock.
sed '0,/ train 5$/s// train 6/' "${recordings[0]}" > "$GAME/changed.replay"
cmp -s "${recordings[0]}" "$GAME/changed.replay" && fail "the recording holds no training order"
replay changed.replay && fail "a recording with a changed order passed"
grep -q '^replay diverged at pass ' "$SCRATCH/replayed.txt" || fail "the divergence was not named"

echo "play_through_test: passed"
