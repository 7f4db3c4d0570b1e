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
#        scripts/monkey.sh --seeds ACTIONS SEED... the first ACTIONS actions of each seed in
#                                                  turn, as ./test.sh runs it: the same actions
#                                                  on a fast machine and a slow one
# MONKEY_BUILD_DIR picks the build folder (default build-asan, configured as ./test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MONKEY_BUILD_DIR:-build-asan}

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

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTORVANE_SANITIZE=address,undefined -DTORVANE_BUILD_BENCH=OFF >/dev/null
else
  cmake -S . -B "$build" -DTORVANE_BUILD_UI=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target window_monkey

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The window remembers itself between runs: each run starts from empty settings of its own,
# so that a replay plays what the run played.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
for seed in "${seeds[@]}"; do
  echo "== monkey test of the window: ${what/SEED/$seed}"
  rm -rf "${config:?}"/*
  XDG_CONFIG_HOME=$config "$build/tests/monkey/window_monkey" --seed "$seed" "${limit[@]}" \
    --data "$PWD"
done
