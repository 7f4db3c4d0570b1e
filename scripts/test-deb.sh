#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks what it installs:
# the program, its launcher entry, the icons and the AppStream metainfo; then starts the
# installed program headless on the sample catalogue.
#
# Usage: scripts/test-deb.sh [BUILD_DIR]   (default: build; configured and built as needed)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build}
app_id=org.torvane.Database

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

echo "== building the package in $build"
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target torvane-database torvane-icons
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
debs=("$work"/package/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

echo "== package metadata"
[ "$(dpkg-deb -f "$deb" Package)" = torvane-database ] && pass "package name" || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] && pass "depends on the Qt widgets library" ||
    fail "Depends lacks libqt6widgets6: $depends"

echo "== contents"
root=$work/root
dpkg -x "$deb" "$root"
binary=$root/usr/bin/torvane-database
if [ -x "$binary" ] && file "$binary" | grep -q 'ELF.*executable'; then
    pass "usr/bin/torvane-database"
else
    fail "no executable usr/bin/torvane-database"
fi

desktop=$root/usr/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    pass "launcher entry"
    grep -qx 'Exec=torvane-database' "$desktop" || fail "launcher does not run torvane-database"
    grep -qx "Icon=$app_id" "$desktop" || fail "launcher does not name the icon $app_id"
    grep -qx 'Categories=Game;Utility;' "$desktop" || fail "launcher categories"
    grep -q '^Name\[it\]=' "$desktop" || fail "launcher has no Italian name"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate --no-hints "$desktop" && pass "launcher entry validates" ||
            fail "desktop-file-validate"
    fi
else
    fail "no usr/share/applications/$app_id.desktop"
fi

for size in 16 32 48 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ -f "$icon" ] && file "$icon" | grep -q "PNG image data, $size x $size,"; then
        pass "icon ${size}x${size}"
    else
        fail "icon ${size}x${size} missing or of the wrong size"
    fi
done

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    pass "metainfo"
    grep -q '<image>[^<]*docs/screenshot\.png</image>' "$metainfo" ||
        fail "metainfo does not reference docs/screenshot.png"
    # validate-tree also checks that the metainfo's launchable and the icon are installed.
    appstreamcli validate --no-net --strict "$metainfo" && pass "metainfo validates" ||
        fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$root" >/dev/null && pass "installed tree validates" ||
        fail "appstreamcli validate-tree"
else
    fail "no usr/share/metainfo/$app_id.metainfo.xml"
fi

echo "== starting the installed program headless"
run=$work/run
mkdir -p "$run"
cp "$source_dir/examples/archive.dat" "$run/archive.dat"
export QT_QPA_PLATFORM=offscreen
# The window's screenshot hook saves a picture once the window is up, then closes it.
if (cd "$run" && TORVANE_SCREENSHOT="$run/window.png" timeout 300 "$binary") &&
    file "$run/window.png" | grep -q 'PNG image data'; then
    pass "the window came up and drew itself ($(file -b "$run/window.png" | cut -d, -f2))"
else
    fail "the installed program did not show its window"
fi
# Left alone, the program runs until the window is closed: the timeout must be what ends it.
set +e
(cd "$run" && timeout 5 "$binary" >/dev/null 2>&1)
status=$?
set -e
[ "$status" -eq 124 ] && pass "still running after 5 s" || fail "the program ended with status $status"

if [ "$failures" -ne 0 ]; then
    echo "== $failures package check(s) failed" >&2
    exit 1
fi
echo "== package checks passed"
