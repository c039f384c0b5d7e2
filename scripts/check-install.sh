#!/usr/bin/env bash
# Installs the built program into a scratch DESTDIR and checks what a Linux desktop reads: the
# desktop entry, the AppStream metadata, the MIME package and the manual page. Then builds the
# Debian package and checks it with lintian (errors fail).
#   scripts/check-install.sh [BUILD_DIR]    (default: build, as left by scripts/test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
stage=$PWD/$build/stage
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr
share=$stage/usr/share
test -x "$stage/usr/bin/mosavo"
desktop-file-validate "$share/applications/org.mosavo.Mosavo.desktop"
appstreamcli validate --no-net "$share/metainfo/org.mosavo.Mosavo.metainfo.xml"

mime=$share/mime/packages/org.mosavo.Mosavo.xml
xmllint --noout "$mime"
mkdir "$scratch/mime" "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/"
update-mime-database "$scratch/mime"
grep -qx '50:application/x-mosavo-game:\*\.mzg' "$scratch/mime/globs2"
grep -q '<comment>Mosavo game</comment>' "$scratch/mime/application/x-mosavo-game.xml"

warnings=$(groff -man -ww -z "$share/man/man6/mosavo.6" 2>&1)
[ -z "$warnings" ] || { echo "$warnings" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    test -s "$share/icons/hicolor/${size}x${size}/apps/org.mosavo.Mosavo.png"
done
xmllint --noout "$share/icons/hicolor/scalable/apps/org.mosavo.Mosavo.svg"
test -s "$share/doc/mosavo/LICENSE" && test -s "$share/doc/mosavo/README.md"
test -s "$share/mosavo/pictures/CREDITS" && ls "$share/mosavo/pictures/"*.jpg >/dev/null
# The translations where the program looks for them, and the menu entry's and metadata's own.
for language in de fr es it pt_BR nl pl ru ja zh_CN; do
    test -s "$share/mosavo/translations/mosavo_$language.qm"
    grep -q "^Comment\[$language\]=" "$share/applications/org.mosavo.Mosavo.desktop"
    grep -q "<summary xml:lang=\"$language\">" "$share/metainfo/org.mosavo.Mosavo.metainfo.xml"
done

rm -f "$build"/mosavo_*.deb
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/mosavo_*-1_*.deb)
dpkg-deb -x "$package" "$scratch/deb"
desktop-file-validate "$scratch/deb/usr/share/applications/org.mosavo.Mosavo.desktop"
test -s "$scratch/deb/usr/share/mosavo/translations/mosavo_de.qm"
lintian --fail-on error "$package"
echo "checked $package"
