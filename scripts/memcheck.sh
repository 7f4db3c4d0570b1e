#!/usr/bin/env bash
# Memory check of the whole program: the real window, headless, on the sample catalogue,
# through one user session (a filter, a search, every sort, every page, a selection, a
# double click, then closing), under valgrind memcheck. Fails on any definite leak or
# memory error, and then prints the stacks of what was lost. Qt's own allocations that the
# process end may outrun are suppressed in scripts/sanitizers/memcheck.supp, which says why
# each is not ours. It runs in the product build (preset "product", folder build-product).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-product

cmake --preset product >/dev/null
cmake --build "$build" -j "$(nproc)" --target window_session
session=$(realpath "$build/fuzz/window_session")

# The program reads "archive.dat" from the current folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/archive.dat "$work/archive.dat"
log=$(realpath -m "$build/memcheck.log")
suppressions=$(realpath scripts/sanitizers/memcheck.supp)

echo "== memory check of the window session (valgrind memcheck)"
status=0
# Empty settings of its own, so the session starts as designed.
(cd "$work" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite --error-exitcode=3 \
  --num-callers=40 --suppressions="$suppressions" --log-file="$log" "$session") || status=$?

grep -E 'definitely lost|indirectly lost|ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== /   /'
if [ "$status" -ne 0 ]; then
  echo "   memory check FAILED (exit status $status); log: $log"
  # The log stays in the build folder, which a CI run throws away: show what was lost here.
  awk '/definitely lost in loss record|Invalid |Conditional jump|uninitialised|Mismatched|Syscall param|overlap/ { show = 1 }
       /^==[0-9]+== $/ { show = 0 }
       show' "$log" | sed 's/^==[0-9]*== /   /' | head -200
  exit 1
fi
echo "   no definite leak, no memory error"
