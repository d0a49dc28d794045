#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
id=org.quendal.Quendal
for file in bin/quendal share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
    share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/48x48/apps/$id.png; do
    [ -s "$prefix/$file" ] && echo "ok: $file" || fail "missing $file"
done
[ -x "$prefix/bin/quendal" ] || fail "the program is not executable"
for size in 16 32 48; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        fail "the $size pixel icon is not $size pixels"
done
grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop" || fail "the entry names another icon"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" && echo "ok: desktop entry valid" ||
        fail "desktop-file-validate"
else
    echo "skipped: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null &&
        echo "ok: metadata valid" || fail "appstreamcli validate"
else
    echo "skipped: appstreamcli is not installed"
fi
echo "$failures failures"
[ "$failures" -eq 0 ]
