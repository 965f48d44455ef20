#!/usr/bin/env bash
# The game started on damaged data, one damage a run: the map, a model, a sky texture, a unit
# response and the menu font, each missing, cut in half, with a wrong first line or magic number,
# and replaced by random bytes. Each run checks the message the game gives (its box, answered by
# the keyboard or mouse, and the same text on standard error) or its silence where it says nothing
# for that kind of file; then the game must play on, open and close its menu, and end with status
# 0 and a complete log when asked.
# Usage: bad_input_test.sh BUILD [CASE...], a case being FILE-DAMAGE as in the table (e.g. map-missing).
source "$(dirname "$0")/lib.sh"
shift

declare -A files=(
  [map]=maps/motac.ktqw
  [model]=models/marine.ktqm
  [sky]=textures/skyboxes/jajlands1/jajlands1_ft.jpg
  [sound]=sounds/unit_responses/marine_select1.wav
  [font]=fonts/hyperion.ttf
)
# Bytes written over a file's start to spoil its first line or magic number. A map has no magic:
# its first field, the row count, becomes one far beyond any map.
declare -A headers=(
  [map]='\xff\xff\xff\x7f'
  [model]='KTQMV1.29\n'
  [sky]='\x89\xd8'
  [sound]='RIFX'
  [font]='\x00\x02\x00\x00'
)
# The box each file's damage brings up, caption and text; none for a file the game is silent about.
map_message='Map Unavailable: Map data\maps\motac.ktqw wasn'"'"'t found or is corrupted!'
model_message='Model Unavailable: Model data/models/marine.ktqm wasn'"'"'t found or is corrupted!'
sky_message='Error: Couldn'"'"'t load texture data\textures\skyboxes\jajlands1\jajlands1_ft.jpg!'
declare -A messages=(
  [map - missing]=$map_message [map - truncated]=$map_message
  [map - header]=$map_message [map - random]=$map_message
  [model - missing]=$model_message [model - truncated]=$model_message
  [model - header]=$model_message [model - random]=$model_message
  [sky - missing]=$sky_message [sky - header]=$sky_message [sky - random]=$sky_message
)
# Silent: a JPEG cut short still decodes, as far as it goes; the game says nothing of its sounds and
# fonts, and plays on without them.
damages=(missing truncated header random)
BoxLine='^(Error|Map Unavailable|Model Unavailable|Multiple runs): '

# damage FILE HOW: spoils the file in place.
damage() {
  local size
  size=$(stat -c %s "$1")
  case $2 in
  missing) rm "$1" ;;
  truncated) truncate -s $((size / 2)) "$1" ;;
  header) printf "${headers[$kind]}" | dd of="$1" conv=notrunc status=none ;;
  random) LC_ALL=C awk -v n="$size" 'BEGIN { srand(19); for (i = 0; i < n; i++) printf "%c", int(rand() * 256) }' >"$1" ;;
  esac
}

loops() { grep -c '^LOOP (' "$game/log.log"; }
loops_reach() { [ "$(loops)" -ge "$1" ]; }
frames() { wait_for "$1 more frames" 60 loops_reach $(($(loops) + $1)); }

# run_case KIND HOW
run_case() {
  kind=$1
  local how=$2 name="$1-$2" expected=${messages[$1 - $2]:-}
  game="$SCRATCH/$name"
  mkdir -p "$game"
  cp -r "$BUILD/data" "$game/data" # a copy: the damage must not reach the build's own folder
  damage "$game/data/${files[$kind]}" "$how"

  (cd "$game" && exec "$BUILD/orvalen" 2>"$game/stderr.log") &
  GAME_PID=$!
  GAME_PIDS+=("$GAME_PID")
  # A box holds the loading until it is answered.
  [ -z "$expected" ] || answer_box "${expected%%: *}"
  wait_for "the game window" 60 window_named "Orvalen v1.0"
  # An answered box took the keyboard focus with it; the game runs its frames while it has it.
  xdotool windowfocus --sync "$(window_named "Orvalen v1.0")" 2>/dev/null
  wait_for "LOOP lines" 60 log_has "$game" "^LOOP ("
  frames 5
  xdotool keydown Escape
  frames 3
  xdotool keyup Escape
  frames 10
  xdotool keydown Escape
  frames 3
  xdotool keyup Escape
  frames 5
  kill -0 "$GAME_PID" 2>/dev/null || fail "$name: the game died while playing on"
  for caption in "Map Unavailable" "Model Unavailable" "Error"; do
    window_named "$caption" >/dev/null && fail "$name: a \"$caption\" box is still up"
  done

  quit_game "$game" "$name"
  local said
  said=$(grep -E "$BoxLine" "$game/stderr.log")
  [ "$said" = "$expected" ] || fail "$name: the game said \"$said\", expected \"$expected\""
  echo "$name: ${expected:-silent}, played on, ended cleanly"
  rm -rf "$game"
}

printf '[general]\ndrivers = null\n' >"$SCRATCH/alsoft.conf"
export ALSOFT_CONF="$SCRATCH/alsoft.conf"

cases=("$@")
if [ ${#cases[@]} -eq 0 ]; then
  for kind in map model sky sound font; do
    for how in "${damages[@]}"; do cases+=("$kind-$how"); done
  done
fi
for name in "${cases[@]}"; do
  run_case "${name%%-*}" "${name#*-}"
done
echo "bad_input_test: ${#cases[@]} passed, 0 failed"
