# Helpers for end-to-end tests: the real programs under the test's Xvfb, driven with xdotool.
# Sourced by the test scripts; $BUILD is the build folder (the game folder).

set -u
BUILD=$(cd "$1" && pwd)
SCRATCH=$(mktemp -d)
# The single-instance lock lives in the runtime folder; give each test its own.
export XDG_RUNTIME_DIR="$SCRATCH/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
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

# start_game FOLDER: starts the game there in the background; sets GAME_PID.
start_game() {
  (cd "$1" && exec "$BUILD/orvalen") &
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

window_named() { xdotool search --name "^$1\$" | head -n1; }

log_has() { grep -q -- "$2" "$1/log.log" 2>/dev/null; }
