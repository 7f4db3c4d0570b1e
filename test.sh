#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Fails on any failure. Each
# stage prints how long it took, and the run ends with a table of them.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

started=$SECONDS
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

# A stage that runs beside the ones that follow, on the cores they leave idle; its output and
# its time are shown when it is joined, and its failure fails the run there.
beside_name=
beside_pid=
beside_log=
beside() {
  beside_name=$1
  shift
  beside_log=$(mktemp)
  echo "== $beside_name (beside what follows)"
  (
    start=$SECONDS
    status=0
    "$@" >"$beside_log" 2>&1 || status=$?
    echo "$status $((SECONDS - start))" >"$beside_log.done"
  ) &
  beside_pid=$!
}
join_beside() {
  [ -n "$beside_pid" ] || return 0
  wait "$beside_pid" || true
  beside_pid=
  local status took
  read -r status took <"$beside_log.done" || { status=1 took=?; }
  echo "== $beside_name"
  cat "$beside_log"
  rm -f "$beside_log" "$beside_log.done"
  stages+=("$beside_name (beside)|$took")
  echo "   ($beside_name: ${took}s)"
  [ "$status" = 0 ] || { echo "$beside_name failed" >&2; exit 1; }
}

# On the way out, also after a failure: the stage that failed shows how far it got. Stages run
# beside others overlap them, so the last line is the time the whole run took.
print_stages() {
  [ -n "$beside_pid" ] && kill "$beside_pid" 2>/dev/null
  [ -n "$current_stage" ] && finish_stage
  echo
  echo "| stage | seconds |"
  echo "|---|---|"
  local entry
  for entry in "${stages[@]}"; do
    echo "| ${entry%|*} | ${entry##*|} |"
  done
  echo "| all, start to end | $((SECONDS - started)) |"
}
trap print_stages EXIT

stage "packages for the product build"
scripts/install-deps.sh build

# Two builds serve every check (CMakePresets.json): the product build, as the package ships
# it, and one sanitizer build with clang, where the unit and window tests, the monkey and the
# fuzzers run and the benchmarks are compiled. The tests are built once, in the build that
# checks the most.
finish_stage
beside "other packages" scripts/install-deps.sh all
stage "product build: the program and its window session"
cmake --preset product
cmake --build build-product -j "$jobs"
finish_stage
join_beside

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

# The fuzzers run at normal priority beside the checks below, which yield the cores to them, so
# that each fuzzer gets the core it would have alone, and the checks take what is left.
finish_stage
beside "fuzzing" scripts/fuzz.sh --built 60

stage "memory check"
nice -n 19 scripts/memcheck.sh

stage "Debian package: build, contents, headless start"
nice -n 19 scripts/test-deb.sh

stage "static checks: clang-format and clang-tidy"
nice -n 19 scripts/lint.sh build-product build-asan

finish_stage
join_beside
echo "== all tests passed"
