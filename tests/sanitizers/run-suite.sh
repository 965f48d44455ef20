#!/usr/bin/env bash
# Builds the project with clang, AddressSanitizer and UndefinedBehaviorSanitizer (leak checking on)
# in a build folder of its own, the fuzz programs with it, and runs the whole test suite there, the
# end-to-end tests included, so the game itself runs sanitized; fuzz/run.sh can then fuzz from the
# same folder. Every report of every process goes to BUILD/sanitizer-reports;
# any report, or any failed test, fails the run. Usage: run-suite.sh [BUILD] (default build-asan).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-build-asan}")
reports="$build/sanitizer-reports"

# Findings in system libraries that are not ours are suppressed, each with its reason, in the
# two files beside this script.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1:log_path=$reports/report"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
# Tells the tests that measure resident memory that ASan's quarantine holds freed blocks.
export ORVALEN_SANITIZED=1
# Mesa's shader cache writes from a thread of its own that ends while the program runs; this
# clang's leak checker can crash on such a thread at exit ("Tracer caught signal 11"), as the
# terrain's GL tests showed. Without the cache no such thread starts.
export MESA_SHADER_CACHE_DISABLE=true
export UBSAN_OPTIONS="suppressions=$here/ubsan.supp:print_stacktrace=1:halt_on_error=1:log_path=$reports/report"

rm -rf "$reports"
mkdir -p "$reports"
CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -DORVALEN_SANITIZE=ON -DORVALEN_FUZZ=ON -DORVALEN_BENCHMARKS=OFF
status=0
if cmake --build "$build" -j2; then
  ctest --test-dir "$build" --output-on-failure -j2 || status=$?
else
  status=1
fi

# Reports of processes whose exit status no test looks at (a game killed at a test's end, a tool
# run by a script) count too.
if compgen -G "$reports/*" >/dev/null; then
  for report in "$reports"/*; do
    echo "=== sanitizer report $report"
    cat "$report"
  done
  echo "sanitizers: $(ls "$reports" | wc -l) report(s)"
  status=1
fi
exit $status
