#!/usr/bin/env bash
# Installs the built program into a temporary prefix, validates the desktop entry and the
# AppStream file there, starts the installed program headless, and builds the Debian package
# and checks what it holds and depends on.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
app=org.shiftgrid.Shiftgrid

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null
test -s "$prefix/share/icons/hicolor/scalable/apps/$app.svg"
test -s "$prefix/share/doc/Shiftgrid/help.html"

version=$("$prefix/bin/shiftgrid" --version)
grep -qx "Shiftgrid [0-9.]*" <<<"$version"
"$prefix/bin/shiftgrid" demo --data "$work/data" --employees 5 --weeks 1 >/dev/null 2>&1
# Without --data an installed program uses the user's data folder, never one beside itself.
missing=$(HOME=$work/home XDG_DATA_HOME=$work/home/share "$prefix/bin/shiftgrid" export master 2>&1 || true)
grep -q "not found: $work/home/share/Shiftgrid/Shiftgrid/data" <<<"$missing" || { echo "data folder: $missing"; exit 1; }
master=$("$prefix/bin/shiftgrid" export master --data "$work/data" 2>/dev/null)
grep -q '"departments"' <<<"$master"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
deb=$(ls "$work"/package/shiftgrid_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libical3; do
    case "$depends" in *"$library"*) ;; *) echo "the package does not depend on $library: $depends"; exit 1 ;; esac
done
contents=$(dpkg-deb -c "$deb")
grep -q "./usr/bin/shiftgrid$" <<<"$contents"
grep -q "./usr/share/applications/$app.desktop$" <<<"$contents"
echo "1 passed, 0 failed"
