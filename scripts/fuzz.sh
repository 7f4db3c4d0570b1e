#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, in the sanitizer build the tests share (preset
# "sanitize", folder build-asan), and runs each for a bounded time with a fixed seed, as many
# at once as the machine has cores. Fails on any crash, leak, sanitizer report or timeout.
# Usage: scripts/fuzz.sh [--built] [seconds]   (default 60 per target)
#   --built: the targets are up to date (./test.sh has just built them, and runs other checks on
#            the same build meanwhile, which must not see it configured again)
set -euo pipefail
cd "$(dirname "$0")/.."
build_first=1
[ "${1:-}" = --built ] && { build_first=0; shift; }
seconds=${1:-60}
build=build-asan
# The slowest target last, so that it has a core of its own when they do not divide evenly.
targets=(parse_line fill_placeholder load_archive)

if [ "$build_first" = 1 ]; then
  cmake --preset sanitize >/dev/null
  cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# One target's run; its log says how it went.
fuzz_one() {
  local target=$1
  # New inputs go to a scratch folder so that runs stay reproducible from the seed corpus.
  local work="$build/corpus/$target"
  rm -rf "$work" "$build/artifacts/$target"
  mkdir -p "$work" "$build/artifacts/$target"
  rm -f "$build/fuzz_$target.status"
  "$build/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" \
    -dict=fuzz/archive.dict -seed=1 -max_total_time="$seconds" -timeout=60 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target/" >"$build/fuzz_$target.log" 2>&1
  echo $? >"$build/fuzz_$target.status"
}
# Each fuzzer is one process on one core: as many at a time as there are cores.
status=0
report() {
  local target=$1 log="$build/fuzz_$1.log"
  if [ "$(cat "$build/fuzz_$target.status" 2>/dev/null)" = 0 ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "   $target: ${runs:-?} executions in ${seconds}s, no fault"
  else
    echo "   $target FAILED; log: $log; inputs: $build/artifacts/$target/"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 || true
    status=1
  fi
}
echo "== fuzzing ${targets[*]} for ${seconds}s each, $(nproc) at a time"
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
    wait -n || true
  done
  (fuzz_one "$target" || true) &
done
wait
for target in "${targets[@]}"; do
  report "$target"
done
exit $status
