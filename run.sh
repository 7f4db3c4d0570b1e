#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window on the sample
# catalogue in examples/. With no display, the window runs on a virtual X server instead:
# the script saves a screenshot of it after start-up, prints where it is, and ends.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
build_dir=${TORVANE_BUILD_DIR:-build}

scripts/install-deps.sh

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target torvane-database
program="$root/$build_dir/src/ui/torvane-database"

# The program reads archive.dat from the current directory.
cd examples

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

screenshot="$root/$build_dir/screenshot.png"
rm -f "$screenshot"
TORVANE_SCREENSHOT="$screenshot" QT_QPA_PLATFORM=xcb \
  xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$program"
if [ ! -s "$screenshot" ]; then
  echo "The window did not produce a screenshot." >&2
  exit 1
fi
echo "No display found: the window ran on a virtual X server."
echo "Screenshot of the window after start-up: $screenshot"
