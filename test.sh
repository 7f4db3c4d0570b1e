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

# Two builds serve every check (CMakePresets.json): the product build, as the package ships
# it, and one sanitizer build with clang, where the unit and window tests, the monkey and the
# fuzzers run and the benchmarks are compiled. The tests are built once, in the build that
# checks the most.
stage "product build: the program and its window session"
cmake --preset product
cmake --build build-product -j "$jobs"

stage "sanitizer build: tests, monkey, fuzzers, benchmarks (clang, ASan, UBSan)"
cmake --preset sanitize
cmake --build build-asan -j "$jobs"

stage "unit and window tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers/lsan.supp:print_suppressions=0 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

stage "monkey test under the sanitizers"
# A few fixed seeds, each for a fixed number of actions: the same actions on any machine, so
# that a failure here is never chance. Longer runs on new seeds look further (README).
scripts/monkey.sh --seeds 1200 1 7 31 42

stage "fuzzing"
scripts/fuzz.sh 60

stage "memory check"
scripts/memcheck.sh

stage "Debian package: build, contents, headless start"
scripts/test-deb.sh

stage "static checks: clang-format and clang-tidy"
scripts/lint.sh product sanitize

finish_stage
echo "== all tests passed"
