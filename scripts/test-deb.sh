#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks what it installs:
# the program, its launcher entry, the icons, the AppStream metainfo, the MIME type, the manual
# page, the copyright file and the changelog; runs lintian on it; then starts the installed
# program headless on the sample catalogue.
#
# Usage: scripts/test-deb.sh   (in the product build: preset "product", folder build-product)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=build-product
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
cmake --preset product >/dev/null
cmake --build "$build" --target torvane-database torvane-icons torvane-debian-docs
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
debs=("$work"/package/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

echo "== package metadata"
[ "$(dpkg-deb -f "$deb" Package)" = torvane-database ] && pass "package name" || fail "package name"
# The one version number, kept in CMake, that the package, the metainfo and the changelog share.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] && [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] &&
    pass "package version $version" ||
    fail "package version $(dpkg-deb -f "$deb" Version), the project's is '$version'"
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
    grep -qx 'Exec=torvane-database %f' "$desktop" ||
        fail "launcher does not run torvane-database with a file"
    grep -qx "Icon=$app_id" "$desktop" || fail "launcher does not name the icon $app_id"
    grep -qx 'Categories=Game;RolePlaying;' "$desktop" || fail "launcher categories"
    grep -qx 'MimeType=application/x-torvane-archive;' "$desktop" || fail "launcher MIME type"
    # The window's X11 class is the program's name; this ties the window to its launcher.
    grep -qx 'StartupWMClass=torvane-database' "$desktop" || fail "launcher StartupWMClass"
    grep -q '^Name\[it\]=' "$desktop" || fail "launcher has no Italian name"
    # Hints included: a second main category, for one, is only a hint and shows twice in menus.
    if validation=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$validation" ]; then
        pass "launcher entry validates without a remark"
    else
        fail "desktop-file-validate: $validation"
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
    grep -q '<image>[^<]*docs/screenshot-resized\.png</image>' "$metainfo" ||
        fail "metainfo does not reference docs/screenshot-resized.png"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "metainfo's newest release is not $version"
    grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "metainfo licence"
    grep -q '<mediatype>application/x-torvane-archive</mediatype>' "$metainfo" ||
        fail "metainfo does not provide the MIME type"
    # validate-tree also checks that the metainfo's launchable and the icon are installed.
    appstreamcli validate --no-net --strict "$metainfo" && pass "metainfo validates" ||
        fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$root" >/dev/null && pass "installed tree validates" ||
        fail "appstreamcli validate-tree"
else
    fail "no usr/share/metainfo/$app_id.metainfo.xml"
fi

mime_xml=$root/usr/share/mime/packages/$app_id.xml
if [ -f "$mime_xml" ]; then
    pass "MIME type"
    xmllint --noout "$mime_xml" && pass "MIME type XML is well-formed" || fail "xmllint $mime_xml"
    # Built into a copy, as the package's trigger would build it into /usr/share/mime.
    cp -r "$root/usr/share/mime" "$work/mime"
    # It reports a file it cannot read yet exits 0: its messages count as failures too.
    if update-mime-database "$work/mime" >"$work/mime.log" 2>&1 &&
        ! grep -qiE 'error|warning' "$work/mime.log"; then
        grep -qx '50:application/x-torvane-archive:archive\.dat' "$work/mime/globs2" &&
            pass "archive.dat is application/x-torvane-archive" ||
            fail "globs2 does not map archive.dat: $(cat "$work/mime/globs2")"
        grep -qx 'application/x-torvane-archive text/plain' "$work/mime/subclasses" ||
            fail "application/x-torvane-archive is not a kind of text/plain"
    else
        fail "update-mime-database: $(cat "$work/mime.log")"
    fi
else
    fail "no usr/share/mime/packages/$app_id.xml"
fi

# Compressed with gzip -9n: no file name or time stamp in the header, so the bytes are reproducible.
reproducible_gzip() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' ')" = 1f8b080000000000 ] && gzip -t "$1"
}

man_page=$root/usr/share/man/man1/torvane-database.1.gz
if [ -f "$man_page" ] && reproducible_gzip "$man_page"; then
    pass "manual page"
    if page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$man_page" \
        2>"$work/man.log") && [ ! -s "$work/man.log" ]; then
        for heading in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES; do
            grep -qx "$heading" <<<"$page" || fail "manual page has no $heading section"
        done
        grep -q -- '--check FILE' <<<"$page" || fail "manual page does not describe --check"
        pass "manual page renders without warnings"
    else
        fail "man --warnings: $(cat "$work/man.log")"
    fi
else
    fail "no gzip -9n usr/share/man/man1/torvane-database.1.gz"
fi

doc=$root/usr/share/doc/torvane-database
copyright=$doc/copyright
if [ -f "$copyright" ]; then
    pass "copyright file"
    head -n1 "$copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "copyright file is not in the machine-readable format"
    holder=$(sed -n 's/^Copyright (c) //p' LICENSE)
    grep -qx "Copyright: $holder" "$copyright" || fail "copyright file does not name '$holder'"
    # The licence text, indented and with " ." for blank lines, must be LICENSE's word for word.
    awk 'on { sub(/^ /, ""); sub(/^\.$/, ""); print } prev == "" && /^License: Expat$/ { on = 1 }
         { prev = $0 }' "$copyright" >"$work/license"
    sed '1,/^Copyright (c) /d' LICENSE | sed '1{/^$/d}' | diff -u - "$work/license" &&
        pass "copyright file carries LICENSE" ||
        fail "copyright file's licence text differs from LICENSE"
else
    fail "no usr/share/doc/torvane-database/copyright"
fi

changelog=$doc/changelog.gz
if [ -f "$changelog" ] && reproducible_gzip "$changelog"; then
    pass "changelog"
    gzip -dc "$changelog" >"$work/changelog"
    newest=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
    [ "$newest" = "$version" ] && pass "changelog's newest entry is $version" ||
        fail "changelog's newest entry is $newest, the package $version"
else
    fail "no gzip -9n usr/share/doc/torvane-database/changelog.gz"
fi

echo "== lintian"
# Errors and warnings fail; info tags are shown. Lintian's note about running as root is noise.
if lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1; then
    pass "lintian: no errors or warnings"
else
    fail "lintian reports errors or warnings"
fi
grep -v '^running with root privileges' "$work/lintian.log" || true

echo "== starting the installed program headless"
run=$work/run
mkdir -p "$run"
cp "$source_dir/examples/archive.dat" "$run/archive.dat"
export QT_QPA_PLATFORM=offscreen
# The window remembers itself in the user's settings; here in empty ones of its own.
export XDG_CONFIG_HOME=$work/config
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
