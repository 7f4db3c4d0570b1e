#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Fails on any failure.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/install-deps.sh

echo "== build and unit tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== unit and window tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTORVANE_SANITIZE=address,undefined -DTORVANE_BUILD_BENCH=OFF -DTORVANE_BUILD_UI=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizers/lsan.supp:print_suppressions=0 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
# A few fixed seeds, each for a fixed number of actions: the same actions on any machine, so
# that a failure here is never chance. Longer runs on new seeds look further (README).
MONKEY_BUILD_DIR=build-asan scripts/monkey.sh --seeds 1200 1 7 31 42

echo "== static checks: clang-format and clang-tidy"
scripts/lint.sh build

echo "== Debian package: build, contents, headless start"
scripts/test-deb.sh build

scripts/fuzz.sh 60
scripts/memcheck.sh

echo "== all tests passed"
