#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time with a fixed seed.
# Fails on any crash, leak, sanitizer report or timeout. Usage: scripts/fuzz.sh [seconds]
# (default 60 per target); FUZZ_BUILD_DIR picks the build folder (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(parse_line load_archive fill_placeholder)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTORVANE_BUILD_FUZZ=ON -DTORVANE_SANITIZE=address,undefined \
  -DTORVANE_BUILD_UI=OFF -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  # New inputs go to a scratch folder so that runs stay reproducible from the seed corpus.
  work="$build/corpus/$target"
  rm -rf "$work" "$build/artifacts/$target"
  mkdir -p "$work" "$build/artifacts/$target"
  log="$build/fuzz_$target.log"
  echo "== fuzzing $target for ${seconds}s"
  if "$build/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" \
      -dict=fuzz/archive.dict -seed=1 -max_total_time="$seconds" -timeout=60 \
      -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target/" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "   $target: ${runs:-?} executions in ${seconds}s, no fault"
  else
    echo "   $target FAILED; log: $log; inputs: $build/artifacts/$target/"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 || true
    status=1
  fi
done
exit $status
