#!/usr/bin/env bash
# Fuzzes each target for a bounded time under AddressSanitizer and UndefinedBehaviorSanitizer.
# Inputs that crash are kept in FUZZ_BUILD/fuzz-run/crashes/<target>/ and named in the output; any
# crash fails the run.
# Usage: fuzz/run.sh FUZZ_BUILD DATA_FOLDER [SECONDS_PER_TARGET] [TARGET...]
#   FUZZ_BUILD: a build folder configured with -DORVALEN_FUZZ=ON and built (target orvalen_fuzz;
#               tests/sanitizers/run-suite.sh makes one)
#   DATA_FOLDER: a baked data folder; its maps seed the whole-map target
#   SECONDS_PER_TARGET: 60 by default; TARGETs: map whole-map model wave image replay options script
#               by default
# Environment: FUZZ_RUNS=N stops each target after N executions (the time still bounds it).
# The corpus each target grows stays in FUZZ_BUILD/fuzz-run/corpus/<target>/, so a later run goes on
# from where this one stopped; each target's libFuzzer output is FUZZ_BUILD/fuzz-run/<target>.log.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
data=$(realpath "$2")
seconds=${3:-60}
shift $(($# < 3 ? $# : 3))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(map whole-map model wave image replay options script)

work="$build/fuzz-run"
# The image target writes every input to a file; in memory when the machine has a tmpfs.
export TMPDIR="$work/tmp"
[ -w /dev/shm ] && TMPDIR=$(mktemp -d -p /dev/shm orvalen-fuzz.XXXXXX)
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$here/../tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="suppressions=$here/../tests/sanitizers/ubsan.supp:print_stacktrace=1:halt_on_error=1"

# The program a target runs: the whole-map target is the map loader fed full-size maps.
program_of() {
  case $1 in
  whole-map) echo map ;;
  *) echo "$1" ;;
  esac
}

# The longest input a target makes. The hand-made seeds are a few hundred bytes; 4 KiB leaves room
# for maps of a few hundred cells, models of dozens of faces and every image header. The
# whole-map target's limit fits the baked map, which lays out a full-size terrain.
max_len_of() {
  case $1 in
  whole-map) echo 400000 ;;
  *) echo 4096 ;;
  esac
}

# make_seeds TARGET FOLDER: the target's hand-made seeds (the baked maps for the whole-map
# target) and the inputs kept as regressions.
make_seeds() {
  local program
  program=$(program_of "$1")
  cp "$here/../tests/fuzz-regressions/$program"/* "$2/"
  if [ "$1" = whole-map ]; then
    find "$data/maps" -name '*.ktqw' -exec cp {} "$2/" \;
  else
    cp "$here/seeds/$1"/* "$2/"
  fi
}

# report_speed TARGET: executions a second of wall time and of the process's own processor time;
# on a shared machine the second is the one that says what one quiet core would do.
report_speed() {
  local units
  units=$(awk '/^stat::number_of_executed_units/ {print $2}' "$work/$1.log")
  read -r wall user system <"$work/$1.time"
  awk -v t="$1" -v n="${units:-0}" -v w="$wall" -v c="$user + $system" -v k="$(ls "$work/corpus/$1" | wc -l)" \
    'BEGIN { split(c, p, " + "); cpu = p[1] + p[2];
             printf "%s: %d executions, %.0f/s of wall time, %.0f/s of processor time (%.1f s), corpus %d inputs\n",
                    t, n, n / (w > 0 ? w : 1), n / (cpu > 0 ? cpu : 1), cpu, k }'
}

failed=()
for target in "${targets[@]}"; do
  program=$(program_of "$target")
  seeds="$work/seeds/$target"
  corpus="$work/corpus/$target"
  crashes="$work/crashes/$target"
  rm -rf "$seeds" "$crashes" "$TMPDIR"
  mkdir -p "$seeds" "$corpus" "$crashes" "$TMPDIR"
  make_seeds "$target" "$seeds"
  options=(-max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=30 -rss_limit_mb=4096
    -dict="$here/dict/$program.dict" -print_final_stats=1 -artifact_prefix="$crashes/")
  [ -z "${FUZZ_RUNS:-}" ] || options+=(-runs="$FUZZ_RUNS")
  echo "=== fuzzing $target for ${seconds}s from $(ls "$seeds" | wc -l) seeds"
  status=0
  TIMEFORMAT="%R %U %S"
  { time "$build/orvalen_fuzz_$program" "${options[@]}" "$corpus" "$seeds" 2>"$work/$target.log" ||
    status=$?; } 2>"$work/$target.time"
  if [ $status -ne 0 ] || [ -n "$(ls "$crashes")" ]; then
    tail -n 60 "$work/$target.log"
    failed+=("$target")
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|^#[0-9]+[[:space:]]+DONE' \
    "$work/$target.log" || true
  report_speed "$target"
done
rm -rf "$TMPDIR"

if [ ${#failed[@]} -gt 0 ]; then
  for target in "${failed[@]}"; do
    for crash in "$work/crashes/$target"/*; do
      [ -f "$crash" ] || continue
      echo "crash input for $target: $crash ($(stat -c %s "$crash") bytes)"
      [ "$(stat -c %s "$crash")" -gt 4096 ] || base64 -w0 "$crash" && echo
    done
  done
  echo "crashed: ${failed[*]}"
fi
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
