#!/bin/sh
# The window at scale: for each size, writes a synthetic archive.dat of all twenty
# categories, times `LC_ALL=C sort` on it for comparison, then opens the real window on it
# headless in a fresh process and prints its figures as a Markdown table.
#
#   bench/window/run.sh [BUILD_DIR] [ITEMS...]      (default: build 100000 1000000)
#
# The build needs the targets bench_window and generate_window_archive (Release).
set -eu

build_dir=${1:-build}
[ $# -gt 0 ] && shift
sizes=${*:-100000 1000000}

for tool in bench_window generate_window_archive; do
    if [ ! -x "$build_dir/bench/window/$tool" ]; then
        echo "missing $build_dir/bench/window/$tool: cmake --build $build_dir --target $tool" >&2
        exit 1
    fi
done
build_dir=$(cd "$build_dir" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/torvane_window_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

now_ns() { date +%s%N; }

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
for items in $sizes; do
    dir="$work/$items"
    mkdir -p "$dir"
    "$build_dir/bench/window/generate_window_archive" "$items" "$dir/archive.dat"
    bytes=$(wc -c < "$dir/archive.dat")
    start=$(now_ns)
    LC_ALL=C sort "$dir/archive.dat" > /dev/null
    sort_ms=$(( ($(now_ns) - start) / 1000000 ))
    echo
    echo "### $items items (archive.dat of $((bytes / 1048576)) MiB)"
    echo
    repeat=5
    [ "$items" -gt 100000 ] && repeat=3
    (cd "$dir" && QT_QPA_PLATFORM=offscreen \
        "$build_dir/bench/window/bench_window" --repeat "$repeat" --sort-ms "$sort_ms")
done
