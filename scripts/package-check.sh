#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, unpacks it into a
# temporary root and checks what it installs: the programs run and write a
# known table, the menu entry and the AppStream file validate, the icons are
# in the hicolor theme, and apt can satisfy the package's dependencies.
#   scripts/package-check.sh [BUILD_DIR]      default build/
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

for tool in dpkg-deb appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool missing: run scripts/setup.sh first" >&2
        exit 2
    fi
done

rm -f "$build"/crepulo_*.deb
cmake --build "$build" --target package >/dev/null
deb=$(ls "$build"/crepulo_*.deb)
echo "== $deb"
dpkg-deb --info "$deb" | grep -E "^ (Package|Version|Depends|Recommends):"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

fail() { echo "FAILED: $*" >&2; exit 1; }

for path in usr/bin/crepulo usr/bin/crepulo-cli \
            usr/share/applications/de.crepulo.Crepulo.desktop \
            usr/share/metainfo/de.crepulo.Crepulo.metainfo.xml \
            usr/share/icons/hicolor/16x16/apps/de.crepulo.Crepulo.png \
            usr/share/icons/hicolor/32x32/apps/de.crepulo.Crepulo.png \
            usr/share/icons/hicolor/48x48/apps/de.crepulo.Crepulo.png \
            usr/share/icons/hicolor/scalable/apps/de.crepulo.Crepulo.svg; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done

[ "$("$root/usr/bin/crepulo" --version)" = "crepulo 1.0" ] || fail "crepulo --version"
[ "$("$root/usr/bin/crepulo-cli" --version)" = "crepulo-cli 1.0" ] || fail "crepulo-cli --version"

# The table of 21 June 2009 at the start-up place, byte for byte.
expected=$(printf 'Datum (Jahr-Monat-Tag)\tMorgend\344mmerung\tAbendd\344mmerung\r\n2009-06-21\t\t04:34\t\t22:40\r\n' | od -An -tx1)
actual=$("$root/usr/bin/crepulo-cli" table --year 2009 --month 6 --day 21 | od -An -tx1)
[ "$expected" = "$actual" ] || fail "the installed crepulo-cli wrote another table"
[ "$("$root/usr/bin/crepulo-cli" table --country Österreich --place Wien --year 2012 | wc -c)" = 9571 ] \
    || fail "the installed crepulo-cli wrote a leap-year table of another size"

# The desktop program starts and keeps running until it is stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/crepulo" >/dev/null 2>&1
status=$?
set -e
[ "$status" = 124 ] || fail "the installed crepulo ended by itself with status $status"

desktop-file-validate "$root/usr/share/applications/de.crepulo.Crepulo.desktop" | grep -v "hint:" || true
desktop-file-validate "$root/usr/share/applications/de.crepulo.Crepulo.desktop" >/dev/null \
    || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/de.crepulo.Crepulo.metainfo.xml" >/dev/null \
    || fail "AppStream metainfo"

# Every dependency must be a Debian package apt can install here.
apt-get install --simulate --no-install-recommends "$PWD/$deb" >/dev/null 2>&1 \
    || apt-get install --simulate --no-install-recommends "$PWD/$deb" || fail "dependencies cannot be satisfied"

echo "== Package check passed: installs, runs, validates"
