#!/usr/bin/env bash
# A long game played with random but legal input: drags, clicks and right clicks over the scene
# and the panel, training at the base centre, the U/W/A/S/D camera, Escape and the menu's buttons.
# The Exit button's area is never pressed, so the game only ends when it is asked to (SIGTERM).
# The game must stay up, its resident memory after the first stretch of play must grow by less
# than 10 % and the renderer's allowance below, and every line of log.log must be one the game
# writes.
#
# The allowance: the software renderer's memory for a frame grows with the ground it shows. A frame
# with the whole map in view, which the free camera can give at any moment, takes about 22 MB for
# the ground alone and frees it after the frame, but the C library keeps those pages: resident
# memory then steps up by about 20 MB once, and stays, while the live heap does not grow.
#
# Under AddressSanitizer (ORVALEN_SANITIZED=1, set by tests/sanitizers/run-suite.sh) a freed block
# waits in a quarantine of up to 256 MB before it is reused, so resident memory grows whatever the
# game does; there LeakSanitizer looks for leaks instead and the growth is only reported.
#
# ORVALEN_SOAK_SECONDS: seconds of play (60 by default; 600 for the full run).
# ORVALEN_SOAK_SEED: the random seed; a failed run prints its seed so the input can be replayed.
# ORVALEN_SOAK_SAMPLES: a file to keep the resident memory in, sampled every 10 s of play as lines
#   "<seconds> <kB>"; ORVALEN_SOAK_CHART: a PNG to draw those samples in (scripts/soak-chart.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/play.sh"

seconds=${ORVALEN_SOAK_SECONDS:-60}
seed=${ORVALEN_SOAK_SEED:-$(date +%s)}
# Memory is first read once the start-up allocations have settled: after a minute in a long run,
# after a third of a shortened one (20 s of a one-minute run).
settle=$((seconds / 3 < 60 ? seconds / 3 : 60))
echo "soak: $seconds s of play, seed $seed (ORVALEN_SOAK_SEED=$seed replays this input)"
RANDOM=$seed

new_game soak
read -r baseX baseY < <(probe_where 85 75 6)
printf '[general]\ndrivers = null\n' > "$GAME/alsoft.conf"
export ALSOFT_CONF="$GAME/alsoft.conf"
start_playing
actions="$SCRATCH/actions.txt"

soak_fail() {
  echo "soak: the last input before the failure:" >&2
  tail -n 5 "$actions" >&2
  fail "$* (seed $seed)"
}

# Random numbers come from the seeded generator in this shell, never from a subshell (a subshell
# would reseed its own copy): pick N sets PICK to 0..N-1.
pick() { PICK=$((RANDOM % $1)); }
# The main menu's Exit button: x below 480, y between 400 and 560 (its middle is at 476).
in_exit_area() { [ "$1" -lt 480 ] && [ "$2" -ge 400 ] && [ "$2" -le 560 ]; }
# random_point sets PX PY to a window pixel outside the Exit button's area.
random_point() {
  while :; do
    pick "$W" && PX=$PICK && pick "$H" && PY=$PICK
    in_exit_area "$PX" "$PY" || return 0
  done
}

play_one() {
  pick 16
  case $PICK in
    0 | 1)
      random_point
      local x1=$PX y1=$PY
      random_point
      echo "drag $x1 $y1 $PX $PY" >> "$actions"
      drag "$x1" "$y1" "$PX" "$PY"
      ;;
    2 | 3 | 4)
      random_point
      echo "click $PX $PY" >> "$actions"
      click "$PX" "$PY"
      ;;
    5 | 6 | 7)
      random_point
      echo "right click $PX $PY" >> "$actions"
      right_click "$PX" "$PY"
      ;;
    8 | 9 | 10)
      local keys=(u w a s d)
      pick 5
      local key=${keys[$PICK]}
      pick 20
      echo "hold $key for $((PICK + 1)) frames" >> "$actions"
      hold_key "$key" $((PICK + 1))
      ;;
    11)
      echo "Escape" >> "$actions"
      hold_key Escape 2
      ;;
    12 | 13)
      # A menu button: the main menu's first four on the left, a page's on the right.
      pick 9
      if [ "$PICK" -lt 4 ]; then
        PX=100 PY=$((44 + 108 * PICK))
      else
        PX=1150 PY=$((44 + 108 * (PICK - 4)))
      fi
      echo "menu click $PX $PY" >> "$actions"
      click "$PX" "$PY"
      ;;
    *)
      echo "train at the base centre" >> "$actions"
      click "$baseX" "$baseY"
      click 34 "$(up_y 114)"
      ;;
  esac
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$GAME_PID/status"; }

samples=${ORVALEN_SOAK_SAMPLES:-$SCRATCH/rss-samples.txt}
: >"$samples"
next_sample=0
# sample_rss: appends the resident memory to the samples once 10 s have passed since the last.
sample_rss() {
  local played=$((SECONDS - start))
  [ "$played" -ge "$next_sample" ] || return 0
  echo "$played $(rss_kb)" >>"$samples"
  next_sample=$((played - played % 10 + 10))
}

start=$SECONDS
settled_rss=
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  play_one
  kill -0 "$GAME_PID" 2>/dev/null || soak_fail "the game died after $((SECONDS - start)) s"
  sample_rss
  if [ -z "$settled_rss" ] && [ $((SECONDS - start)) -ge "$settle" ]; then
    settled_rss=$(rss_kb)
    echo "soak: resident memory after $((SECONDS - start)) s: $settled_rss kB"
  fi
done
final_rss=$(rss_kb)
played=$((SECONDS - start))
[ "$(awk 'END { print $1 }' "$samples")" = "$played" ] || echo "$played $final_rss" >>"$samples"
[ -z "${ORVALEN_SOAK_CHART:-}" ] ||
  "$(dirname "$0")/../../scripts/soak-chart.sh" "$samples" "$ORVALEN_SOAK_CHART" "Resident memory over $seconds s of play (seed $seed)"
echo "soak: resident memory after $((SECONDS - start)) s: $final_rss kB; $(loop_count) frames"
allowed=$((settled_rss / 10 + 32768))
[ $((final_rss - settled_rss)) -lt "$allowed" ] || [ "${ORVALEN_SANITIZED:-0}" = 1 ] ||
  soak_fail "resident memory grew from $settled_rss kB to $final_rss kB, by more than the $allowed kB allowed"

quit_game "$GAME" "soak (seed $seed)"

# Every line the game writes, as a pattern. A pointer prints in hex, or as 0 when null. The
# second line of a new player ends in ") " and a line feed followed by an "s", which therefore
# begins the line after it.
cat > "$SCRATCH/formats" <<'EOF'
LOOP \([0-9]+\) [0-9]+
Object \([^()]*\) (0x[0-9a-f]+|0) created\.
Object (0x[0-9a-f]+|0) deleted\.
WorldObjectType -?[0-9]+ not found in ObjectFactory::createObject
Player\(.*\) created
Resources\([0-9]+,[0-9]+\) 
Player\(.*\) deleted
Player1\(.*\) population = [0-9]+ resources = \(-?[0-9]+,-?[0-9]+\)
PlayerManager created\.
PlayerManager destroyed\.
FightableData\((0x[0-9a-f]+|0)\) has now -?[0-9]+ HP
Attacker\((0x[0-9a-f]+|0) hp: -?[0-9]+\) took -?[0-9]+ damage to \((0x[0-9a-f]+|0) hp:-?[0-9]+\)
(0x[0-9a-f]+|0) constructed: (0x[0-9a-f]+|0)
(0x[0-9a-f]+|0) added to construction queue: (0x[0-9a-f]+|0)
ERROR\(1\): Not implemented case in ObjectSelecter::selectNearestResourceReceiverOfType for type = .*
ERROR\(2\): Not implemented case in ObjectSelecter::selectNearestPileOfType for type = .*
Error\(2\) wrong destination type \(WOT=.*\) in ResourceGatherer::transfer
Error\(3\) wrong ReceiverType type \(RT=.*\) in ResourceGatherer::transfer
Resource amount in (0x[0-9a-f]+|0) \(-?[0-9]+,-?[0-9]+\)
RSS MESSAGE .*
CAMERA eye \(-?[0-9.e+-]+, -?[0-9.e+-]+, -?[0-9.e+-]+\) center \(-?[0-9.e+-]+, -?[0-9.e+-]+, -?[0-9.e+-]+\)
Game over: (Victory|Defeat)
EOF
awk -v formats="$SCRATCH/formats" '
  BEGIN { while ((getline f < formats) > 0) pattern = pattern (pattern == "" ? "" : "|") f
          pattern = "^(" pattern ")$" }
  {
    line = $0
    if (afterResources) {
      if (substr(line, 1, 1) != "s") { print "no s after a Resources line: " NR ": " line; bad = 1 }
      line = substr(line, 2)
    }
    afterResources = line ~ /^Resources\([0-9]+,[0-9]+\) $/
    if (line !~ pattern) { print "unknown line " NR ": " $0; bad = 1 }
  }
  END { exit bad }' "$GAME/log.log" | head -n 20 >&2
[ "${PIPESTATUS[0]}" -eq 0 ] || soak_fail "log.log has lines the game does not write"
echo "soak_test: 1 passed, 0 failed"
