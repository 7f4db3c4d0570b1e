#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Fails on any failure. Each
# stage prints how long it took, and the run ends with a table of them.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

stages=()
current_stage=
stage_start=$SECONDS
# Closes the stage running, if any, and opens the next one.
stage() {
  [ -n "$current_stage" ] && finish_stage
  current_stage=$1
  stage_start=$SECONDS
  echo "== $1"
}
finish_stage() {
  local took=$((SECONDS - stage_start))
  stages+=("$current_stage|$took")
  echo "   ($current_stage: ${took}s)"
  current_stage=
}
# On the way out, also after a failure: the stage that failed shows how far it got.
print_stages() {
  [ -n "$current_stage" ] && finish_stage
  echo
  echo "| stage | seconds |"
  echo "|---|---|"
  local total=0 entry
  for entry in "${stages[@]}"; do
    echo "| ${entry%|*} | ${entry##*|} |"
    total=$((total + ${entry##*|}))
  done
  echo "| all | $total |"
}
trap print_stages EXIT

stage "packages"
scripts/install-deps.sh

stage "build and unit tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

stage "unit and window tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTORVANE_SANITIZE=address,undefined -DTORVANE_BUILD_BENCH=OFF -DTORVANE_BUILD_UI=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers/lsan.supp:print_suppressions=0 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

stage "monkey test under the sanitizers"
# A few fixed seeds, each for a fixed number of actions: the same actions on any machine, so
# that a failure here is never chance. Longer runs on new seeds look further (README).
MONKEY_BUILD_DIR=build-asan scripts/monkey.sh --seeds 1200 1 7 31 42

stage "static checks: clang-format and clang-tidy"
scripts/lint.sh build

stage "Debian package: build, contents, headless start"
scripts/test-deb.sh build

stage "fuzzing"
scripts/fuzz.sh 60

stage "memory check"
scripts/memcheck.sh

finish_stage
echo "== all tests passed"
