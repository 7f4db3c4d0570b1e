#!/usr/bin/env bash
# The monkey test of the window: the real window, headless, driven by random user actions
# (clicks on every control, typing into every box, keys, selections, double clicks, resizing,
# closing, opening other catalogues, F5, files changed on disk) session after session on
# random archives made from the fuzz corpus and the sample catalogue, with the window's
# invariants checked after every action. Built with
# AddressSanitizer and UndefinedBehaviorSanitizer, leak checking on. Fails on a broken
# invariant, a hang, or any sanitizer report, and prints the seed and the actions that led
# there.
#
# Usage: scripts/monkey.sh SECONDS [SEED]          run for SECONDS (default 60) with SEED (1)
#        scripts/monkey.sh --replay SEED ACTIONS   the same run again, its first ACTIONS actions
#        scripts/monkey.sh --seeds ACTIONS SEED... the first ACTIONS actions of each seed, as
#                                                  ./test.sh runs it: the same actions on a fast
#                                                  machine and a slow one, a seed per core
# It runs in the sanitizer build (preset "sanitize", folder build-asan) that ./test.sh makes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan

if [ "${1:-}" = --replay ]; then
  [ $# -eq 3 ] || { echo "usage: $0 --replay SEED ACTIONS" >&2; exit 2; }
  seeds=("$2")
  limit=(--actions "$3")
  what="replay of seed SEED, $3 actions"
elif [ "${1:-}" = --seeds ]; then
  [ $# -ge 3 ] || { echo "usage: $0 --seeds ACTIONS SEED..." >&2; exit 2; }
  limit=(--actions "$2")
  what="seed SEED, $2 actions"
  shift 2
  seeds=("$@")
else
  seconds=${1:-60}
  seeds=("${2:-1}")
  limit=(--seconds "$seconds")
  what="${seconds}s with seed SEED"
fi

cmake --preset sanitize >/dev/null
cmake --build "$build" -j "$(nproc)" --target window_monkey

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One seed's run. The window remembers itself between runs: each run starts from empty
# settings of its own, so that a replay plays what the run played.
run_seed() {
  local seed=$1
  echo "== monkey test of the window: ${what/SEED/$seed}"
  mkdir -p "$work/config-$seed"
  XDG_CONFIG_HOME=$work/config-$seed "$build/tests/monkey/window_monkey" --seed "$seed" \
    "${limit[@]}" --data "$PWD"
}
if [ "${#seeds[@]}" -eq 1 ]; then
  run_seed "${seeds[0]}"
  exit
fi
# Seeds are independent runs of one core each: as many at a time as there are cores, each
# seed's output shown whole when it is done.
for seed in "${seeds[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
    wait -n || true
  done
  (
    set +e
    run_seed "$seed" >"$work/log-$seed" 2>&1
    echo $? >"$work/status-$seed"
  ) &
done
wait
status=0
for seed in "${seeds[@]}"; do
  cat "$work/log-$seed"
  [ "$(cat "$work/status-$seed" 2>/dev/null)" = 0 ] || status=1
done
exit $status
