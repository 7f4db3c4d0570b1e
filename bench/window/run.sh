#!/bin/sh
# The window at scale: for each size, writes a synthetic archive.dat of all twenty
# categories, then opens the real window on it headless in a fresh process, which first times
# `LC_ALL=C sort` on the same file, and prints its figures and their ratios to the sort as
# Markdown tables.
#
#   bench/window/run.sh [BUILD_DIR] [ITEMS...]      (default: build 100000 1000000)
#
# With BASELINE_BUILD set to the build folder of other code (say, the commit before a change),
# its bench_window runs right after, on the same archive, for a before-and-after in one run.
# The builds need the targets bench_window and generate_window_archive (Release).
set -eu

build_dir=${1:-build}
[ $# -gt 0 ] && shift
sizes=${*:-100000 1000000}
baseline=${BASELINE_BUILD:-}

for tool in bench_window generate_window_archive; do
    if [ ! -x "$build_dir/bench/window/$tool" ]; then
        echo "missing $build_dir/bench/window/$tool: cmake --build $build_dir --target $tool" >&2
        exit 1
    fi
done
build_dir=$(cd "$build_dir" && pwd)
if [ -n "$baseline" ]; then
    if [ ! -x "$baseline/bench/window/bench_window" ]; then
        echo "missing $baseline/bench/window/bench_window" >&2
        exit 1
    fi
    baseline=$(cd "$baseline" && pwd)
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane_window_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
for items in $sizes; do
    dir="$work/$items"
    mkdir -p "$dir"
    "$build_dir/bench/window/generate_window_archive" "$items" "$dir/archive.dat"
    bytes=$(wc -c < "$dir/archive.dat")
    echo
    echo "### $items items (archive.dat of $((bytes / 1048576)) MiB)"
    echo
    repeat=5
    [ "$items" -gt 100000 ] && repeat=3
    (cd "$dir" && QT_QPA_PLATFORM=offscreen \
        "$build_dir/bench/window/bench_window" --repeat "$repeat")
    if [ -n "$baseline" ]; then
        echo
        echo "#### The same archive with $baseline"
        echo
        (cd "$dir" && QT_QPA_PLATFORM=offscreen \
            "$baseline/bench/window/bench_window" --repeat "$repeat")
    fi
done
