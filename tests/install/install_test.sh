#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it; then
# makes the Debian package and checks that it names the libraries the program needs and
# that Debian's own checker finds nothing wrong with it, and that without the tools that
# find those libraries no package is written at all.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/../../scripts/lib/verdicts.sh"
id=org.quendal.Quendal
for file in bin/quendal share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
    share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/48x48/apps/$id.png \
    share/man/man1/quendal.1.gz share/doc/quendal/copyright share/doc/quendal/changelog.gz; do
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

package() {
    cpack -G DEB -B "$prefix/package" --config "$build/CPackConfig.cmake" "$@" >"$prefix/cpack.log" 2>&1
}
if package; then
    deb=$(ls "$prefix"/package/quendal_*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ "$depends" == *libqt6widgets6* && "$depends" == *qt6-qpa-plugins* ]] &&
        echo "ok: the package depends on $depends" || fail "the package depends on: $depends"
    if lintian --fail-on error,warning "$deb" >"$prefix/lintian.log" 2>&1; then
        echo "ok: lintian finds no error and no warning"
    else
        fail "lintian: $(cat "$prefix/lintian.log")"
    fi
    rm -rf "$prefix/package"
else
    fail "cpack: $(cat "$prefix/cpack.log")"
fi
# Where dpkg-shlibdeps cannot be found, cpack says so and writes nothing.
if package -D "CMAKE_IGNORE_PATH=/usr/bin;/bin;/usr/local/bin;/usr/sbin;/sbin" || ls "$prefix"/package/*.deb >/dev/null 2>&1; then
    fail "a package was written without dpkg-shlibdeps"
elif grep -q "needs dpkg-shlibdeps" "$prefix/cpack.log"; then
    echo "ok: without dpkg-shlibdeps: $(grep -o 'the Debian package needs.*' "$prefix/cpack.log" | head -n 1)"
else
    fail "without dpkg-shlibdeps: $(cat "$prefix/cpack.log")"
fi
verdict
