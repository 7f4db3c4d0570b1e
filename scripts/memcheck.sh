#!/usr/bin/env bash
# Memory check of the whole program: the real window, headless, on the sample catalogue,
# through one user session (a filter, a search, every sort, every page, a selection, a
# double click, then closing), under valgrind memcheck. Fails on any definite leak or
# memory error. MEMCHECK_BUILD_DIR picks the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MEMCHECK_BUILD_DIR:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target window_session
session=$(realpath "$build/fuzz/window_session")

# The program reads "archive.dat" from the current folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/archive.dat "$work/archive.dat"
log=$(realpath -m "$build/memcheck.log")

echo "== memory check of the window session (valgrind memcheck)"
status=0
(cd "$work" && QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=3 \
  --num-callers=40 --log-file="$log" "$session") || status=$?

grep -E 'definitely lost|indirectly lost|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== /   /'
if [ "$status" -ne 0 ]; then
  echo "   memory check FAILED (exit status $status); log: $log"
  exit 1
fi
echo "   no definite leak, no memory error"
