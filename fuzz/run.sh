#!/usr/bin/env bash
# Fuzzes each target for a bounded time under AddressSanitizer and UndefinedBehaviorSanitizer,
# seeded with the files of a baked data folder and the inputs kept in tests/fuzz-regressions/.
# Inputs that crash are kept in FUZZ_BUILD/fuzz-run/crashes/<target>/ and named in the output; any
# crash fails the run.
# Usage: fuzz/run.sh FUZZ_BUILD DATA_FOLDER [SECONDS_PER_TARGET] [TARGET...]
#   FUZZ_BUILD: a build folder configured with -DORVALEN_FUZZ=ON and built (target orvalen_fuzz;
#               tests/sanitizers/run-suite.sh makes one)
#   SECONDS_PER_TARGET: 60 by default; TARGETs: map model wave image by default
# The corpus each target grows stays in FUZZ_BUILD/fuzz-run/corpus/<target>/, so a later run goes on
# from where this one stopped.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
data=$(realpath "$2")
seconds=${3:-60}
shift $(($# < 3 ? $# : 3))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(map model wave image)

work="$build/fuzz-run"
export TMPDIR="$work/tmp"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$here/../tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="suppressions=$here/../tests/sanitizers/ubsan.supp:print_stacktrace=1:halt_on_error=1"

# seed_files TARGET: the baked files a target starts from.
seed_files() {
  case $1 in
  map) find "$data/maps" -name '*.ktqw' ;;
  model) find "$data/models" -name '*.ktqm' ;;
  wave) find "$data/sounds" -name '*.wav' ;;
  image) find "$data/textures" "$data/models" \( -name '*.bmp' -o -name '*.jpg' -o -name '*.png' \) ;;
  esac
}

# make_seeds TARGET FOLDER: copies the seeds in, and the target's kept regression inputs. An image
# input starts with a byte that picks the file's name (0 .bmp, 1 .jpg, 2 .png) and, plus 3, the
# colour-keyed loader; each baked image goes in both ways.
make_seeds() {
  local file name selector
  cp "$here/../tests/fuzz-regressions/$1"/* "$2/" 2>/dev/null || true
  while IFS= read -r file; do
    name=$(echo "${file#"$data"/}" | tr / _)
    if [ "$1" != image ]; then
      cp "$file" "$2/$name"
      continue
    fi
    case $file in *.bmp) selector=0 ;; *.jpg) selector=1 ;; *) selector=2 ;; esac
    { printf "\\x$(printf %02x $selector)"; cat "$file"; } >"$2/plain_$name"
    { printf "\\x$(printf %02x $((selector + 3)))"; cat "$file"; } >"$2/keyed_$name"
  done < <(seed_files "$1")
}

failed=()
for target in "${targets[@]}"; do
  seeds="$work/seeds/$target"
  corpus="$work/corpus/$target"
  crashes="$work/crashes/$target"
  rm -rf "$seeds" "$crashes" "$TMPDIR"
  mkdir -p "$seeds" "$corpus" "$crashes" "$TMPDIR"
  make_seeds "$target" "$seeds"
  echo "=== fuzzing $target for ${seconds}s from $(ls "$seeds" | wc -l) seeds"
  if ! "$build/orvalen_fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "$seeds" 2>"$work/$target.log"; then
    tail -n 60 "$work/$target.log"
    failed+=("$target")
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE' "$work/$target.log" || true
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
