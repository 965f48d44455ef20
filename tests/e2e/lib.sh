# Helpers for end-to-end tests: the real programs under the test's Xvfb, driven with xdotool.
# Sourced by the test scripts; $BUILD is the build folder (the game folder).

set -u
BUILD=$(cd "$1" && pwd)
SCRATCH=$(mktemp -d)
# The single-instance lock lives in the runtime folder; give each test its own.
export XDG_RUNTIME_DIR="$SCRATCH/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
# The player's options are the test's own: none unless a test writes them.
export XDG_CONFIG_HOME="$SCRATCH/config"
GAME_PIDS=()

cleanup() {
  for pid in "${GAME_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null; done
  rm -rf "$SCRATCH"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A scratch game folder: the data beside an empty working folder, as an installed game has it.
make_game_folder() {
  local folder="$SCRATCH/${1:-game}"
  mkdir -p "$folder"
  [ -d "$BUILD/data" ] && ln -s "$BUILD/data" "$folder/data"
  echo "$folder"
}

# start_game FOLDER [ARGUMENTS...]: starts the game there in the background; sets GAME_PID.
start_game() {
  (cd "$1" && exec "$BUILD/orvalen" "${@:2}") &
  GAME_PID=$!
  GAME_PIDS+=("$GAME_PID")
}

# wait_for WHAT SECONDS COMMAND...: retries the command until it succeeds.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && fail "timed out waiting for $what"
    sleep 0.2
  done
}

# The id of the window with exactly this title, a child of the root or of the frame a window manager
# put round it. xwininfo reads UTF-8 titles too (the message boxes set only those), which xdotool's
# name search does not.
window_named() {
  xwininfo -root -tree 2>/dev/null | grep -F "\"$1\": (" | head -n1 | awk '{print $1}' | grep .
}

log_has() { grep -q -- "$2" "$1/log.log" 2>/dev/null; }

# quit_game FOLDER [WHO]: a quit request (SIGTERM) ends the game started last, playing in FOLDER,
# with status 0 and a complete log that reaches the shutdown.
quit_game() {
  local who=${2:-the game}
  kill -TERM "$GAME_PID"
  wait "$GAME_PID"
  local status=$?
  [ "$status" -eq 0 ] || fail "$who: the quit request gave exit status $status"
  [ -z "$(tail -c1 "$1/log.log")" ] || fail "$who: the last log line is incomplete"
  grep -q '^PlayerManager destroyed\.$' "$1/log.log" || fail "$who: the log does not reach the shutdown"
}

# answer_box CAPTION: waits for a modal message box and presses its default button.
answer_box() {
  wait_for "the $1 box" 30 window_named "$1"
  local box
  box=$(window_named "$1")
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key --window "$box" Return
  sleep 0.5
  if window_named "$1" >/dev/null; then
    # A window without a manager may get no keyboard focus; click the button instead.
    local WIDTH=200 HEIGHT=100
    eval "$(xdotool getwindowgeometry --shell "$box" 2>/dev/null)"
    xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT - 20)) click 1 2>/dev/null
  fi
}
