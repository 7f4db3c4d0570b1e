#!/usr/bin/env bash
# How much of src/ the unit and window tests reach: builds with coverage in build-coverage
# (unoptimised, so that lines map one to one), runs every test there, and prints line and
# branch coverage per folder of src/, then the files of the core (items, catalogue and the
# libraries beside them) that fall short of 95 % of lines or 85 % of branches. Branches that
# only an exception thrown by the C++ library or Qt would take are left out.
#
# Usage: scripts/coverage.sh   (preset "coverage", folder build-coverage)
# Writes build-coverage/coverage.html, a page per file with the lines that no test reached.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-coverage
jobs=$(nproc)

scripts/install-deps.sh
if ! command -v gcovr >/dev/null; then
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends gcovr
fi

cmake --preset coverage >/dev/null
cmake --build "$build" -j "$jobs"
find "$build" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j "$jobs" --output-on-failure >/dev/null

gcovr --root . --object-directory "$build" --filter 'src/' \
  --exclude-throw-branches --exclude-unreachable-branches \
  --json-summary "$build/coverage.json" --html-details "$build/coverage.html" >/dev/null

python3 - "$build/coverage.json" <<'PY'
import json, os, sys
files = json.load(open(sys.argv[1]))["files"]
folders = {}
for f in files:
    folder = os.path.dirname(f["filename"])
    # A library's headers in an include folder of its own count with the library.
    folder = folder.split("/include/")[0]
    total = folders.setdefault(folder, [0, 0, 0, 0])
    total[0] += f["line_covered"]; total[1] += f["line_total"]
    total[2] += f["branch_covered"]; total[3] += f["branch_total"]
def share(done, of):
    return f"{100.0 * done / of:5.1f} %" if of else "    -"
print("| folder | lines | branches |")
print("|---|---|---|")
for folder in sorted(folders):
    lc, lt, bc, bt = folders[folder]
    print(f"| `{folder}/` | {share(lc, lt)} ({lc}/{lt}) | {share(bc, bt)} ({bc}/{bt}) |")
core = ("src/base", "src/templates", "src/items", "src/catalogue", "src/query", "src/chart",
        "src/export", "src/check", "src/compare")
short = [f for f in files if f["filename"].startswith(core) and
         ((f["line_total"] and f["line_covered"] < 0.95 * f["line_total"]) or
          (f["branch_total"] and f["branch_covered"] < 0.85 * f["branch_total"]))]
if short:
    print("\ncore files below 95 % of lines or 85 % of branches:")
    for f in short:
        print(f"  {f['filename']}: lines {share(f['line_covered'], f['line_total'])},"
              f" branches {share(f['branch_covered'], f['branch_total'])}")
PY
echo "details: $build/coverage.html"
