#!/usr/bin/env bash
# Builds the fuzz programs of tests/fuzz with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-fuzz/, then fuzzes each one for the
# given number of seconds (default 60), starting from its seeds in
# tests/fuzz/corpus/<name>. Inputs that reach new code are kept in
# build-fuzz/corpus/<name>, inputs that crash in build-fuzz/crashes/<name>/,
# each program's output in build-fuzz/logs/<name>.log. Prints per program the
# executions, the coverage reached (edges and features of kvui's own code; Qt,
# SQLite and Exiv2 are not instrumented) and whether it crashed; fails when one
# did. Further arguments name the programs to run (default: all).
# Usage: scripts/fuzz.sh [seconds] [name...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
if ! command -v clang++ >/dev/null; then
  echo "scripts/fuzz.sh needs clang++ with libFuzzer (scripts/setup.sh installs them)" >&2
  exit 1
fi

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in "$root"/tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    names+=("${name#fuzz_}")
  done
fi

build="$root/build-fuzz"
args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKVUI_FUZZ=ON
  -DKVUI_BUILD_BENCH=OFF -DKVUI_BUILD_HOST=OFF)
command -v ccache >/dev/null && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${names[@]/#/fuzz_}"

# Whole allocation stacks, so that lsan.supp can name the frames of the system's
# libraries, which keep no frame pointers.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/cmake/lsan.supp:print_suppressions=0"
mkdir -p "$build/logs"
failed=0
printf '%-16s %12s %10s %8s %8s  %s\n' program executions "exec/s" edges features result
for name in "${names[@]}"; do
  corpus="$build/corpus/$name"
  crashes="$build/crashes/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus" "$crashes"
  result=ok
  # New inputs go to the first folder; the seeds in the tree stay as they are.
  if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "$root/tests/fuzz/corpus/$name" \
    >"$log" 2>&1; then
    result="CRASH: $(grep -o "Test unit written to .*" "$log" | tail -1 | sed 's/Test unit written to //')"
    failed=1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
  edges=$(echo "$coverage" | awk '{print $2}')
  features=$(echo "$coverage" | awk '{print $4}')
  printf '%-16s %12s %10s %8s %8s  %s\n' "$name" "${executions:--}" "${speed:--}" \
    "${edges:--}" "${features:--}" "$result"
done
exit $failed
