#!/usr/bin/env bash
# Static checks of the project's own sources; fails on any finding.
#  1. clang-format: every C++ file under src/ tests/ bench/ fuzz/ packaging/ is formatted as
#     .clang-format says.
#  2. clang-tidy: every project source in the compilation databases of the given build folders
#     passes the checks of .clang-tidy (findings count as errors).
#
# Usage: scripts/lint.sh [PRESET|BUILD_DIR...]   (default: product sanitize, which hold every
# source between them). Each build is configured and brought up to date, so that the files Qt's moc
# generates exist.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source_dirs=(src tests bench fuzz packaging)
[ $# -eq 0 ] && set -- product sanitize

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

echo "== clang-format"
mapfile -t sources < <(find "${source_dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) \
    -not -path 'fuzz/corpus*' 2>/dev/null | sort)
if clang-format --dry-run -Werror "${sources[@]}" 2>"$work/format.log"; then
    echo "${#sources[@]} files formatted"
else
    cat "$work/format.log"
    echo "clang-format: $(grep -c 'error:' "$work/format.log") places differ; run clang-format -i" >&2
    status=1
fi

echo "== clang-tidy"
builds=()
for what in "$@"; do
    if [ -f "$what/CMakeCache.txt" ]; then
        build=$what
    else
        cmake --preset "$what" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
        build=$(sed -n 's/^-- Build files have been written to: //p' "$work/configure.log")
    fi
    builds+=("$build")
    if ! cmake --build "$build" >"$work/build.log" 2>&1; then
        cat "$work/build.log"
        echo "lint: the build in $build failed" >&2
        exit 1
    fi
done
# One database of the project's own translation units, each once, from all given build folders.
python3 - "$root" "$work/compile_commands.json" "${source_dirs[*]}" "${builds[@]}" <<'EOF'
import json, os, re, sys
root, out, dirs, builds = sys.argv[1], sys.argv[2], sys.argv[3].split(), sys.argv[4:]
prefixes = tuple(os.path.join(root, d) + os.sep for d in dirs)
seen, entries = set(), []
for build in builds:
    with open(os.path.join(build, "compile_commands.json")) as f:
        for entry in json.load(f):
            path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
            if path.startswith(prefixes) and path not in seen:
                seen.add(path)
                # Without the build's precompiled headers (GCC's are of no use to clang-tidy),
                # each unit reads its own includes, as a build without them would.
                entry["command"] = re.sub(
                    r" -Winvalid-pch|( -Xclang)? -include(-pch)?( -Xclang)? \S*cmake_pch\.hxx\S*",
                    "", entry["command"])
                entries.append(entry)
with open(out, "w") as f:
    json.dump(entries, f, indent=1)
print(f"{len(entries)} translation units")
EOF
mapfile -t units < <(python3 -c 'import json,sys; [print(e["file"]) for e in json.load(open(sys.argv[1]))]' \
    "$work/compile_commands.json")
dirs_pattern=$(IFS='|' && echo "${source_dirs[*]}")
header_filter="^$root/($dirs_pattern)/.*\.h$"
# GCC's compile commands may carry warning flags that clang does not know.
if ! printf '%s\0' "${units[@]}" |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy --quiet -p "$work" --warnings-as-errors='*' \
        --header-filter="$header_filter" --extra-arg=-Wno-unknown-warning-option \
        >"$work/tidy.log" 2>&1; then
    status=1
fi
# A finding in a header shows once per file that includes it: list each place once.
findings=$(grep -E '^/.*: (warning|error): ' "$work/tidy.log" | sort -u || true)
if [ -n "$findings" ]; then
    echo "$findings"
    echo "clang-tidy: $(echo "$findings" | wc -l) findings" >&2
    echo "many can be fixed with: clang-tidy -p ${builds[0]} --fix-errors --checks=-*,CHECK FILE" >&2
    status=1
elif [ "$status" -ne 0 ]; then
    cat "$work/tidy.log"
else
    echo "${#units[@]} translation units clean"
fi

exit "$status"
