#!/usr/bin/env bash
# Brings the translation files up to date with the texts in the code: new texts are added as
# unfinished, vanished ones are marked so. With --check it changes nothing and fails when the
# committed files are not up to date, or when a translation is unfinished or vanished.
set -euo pipefail
cd "$(dirname "$0")/.."
# Qt 6's own (qt6-l10n-tools), before any other on the PATH: Qt 5's writes the files otherwise.
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$LUPDATE" ] || LUPDATE=$(command -v lupdate)
languages=(de fr es it pt_BR nl pl ru ja zh_CN)
ts_files=()
for language in "${languages[@]}"; do ts_files+=("translations/mosavo_$language.ts"); done

run_lupdate() { # folder with the .ts files to update
    local ts=()
    for file in "${ts_files[@]}"; do ts+=("$1/$(basename "$file")"); done
    # TR, TR_MARK and TR_N are the core's marks (see src/core/Texts.h).
    "$LUPDATE" -silent -locations none \
        -tr-function-alias QT_TRANSLATE_NOOP+=TR,QT_TRANSLATE_NOOP+=TR_MARK,translate+=TR_N \
        -extensions cpp,h src -ts "${ts[@]}" 2>&1 | grep -v '^$' || true
}

if [ "${1:-}" != "--check" ]; then
    run_lupdate translations
    exit 0
fi

# lupdate writes locations relative to each file, so it runs on the files in place; the committed
# ones are kept aside and put back whatever happens.
work=$(mktemp -d)
cp "${ts_files[@]}" "$work/"
trap 'cp "$work"/*.ts translations/; rm -rf "$work"' EXIT
run_lupdate translations >"$work/lupdate.log"
status=0
for file in "${ts_files[@]}"; do
    committed="$work/$(basename "$file")"
    if ! cmp -s "$committed" "$file"; then
        echo "$file is not up to date with the code: run scripts/update-translations.sh" >&2
        diff -u "$committed" "$file" | head -20 >&2
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$file" || true)
    vanished=$(grep -c 'type="vanished"\|type="obsolete"' "$file" || true)
    if [ "$unfinished" != 0 ] || [ "$vanished" != 0 ]; then
        echo "$file: $unfinished unfinished and $vanished vanished messages" >&2
        status=1
    fi
done
exit $status
