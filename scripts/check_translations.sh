#!/usr/bin/env bash
# Fails when a translation is not complete: lupdate run over the sources into a copy of each .ts
# finds a text with no translation (a new or changed text), one that is no longer in the
# sources, or a tr() that lupdate cannot place in a context.
# Usage: scripts/check_translations.sh LUPDATE
set -euo pipefail
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/shiftgrid_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    # English holds only the plural forms of counted texts.
    only=()
    [ "$(basename "$ts")" = shiftgrid_en.ts ] && only=(-pluralonly)
    "$lupdate" -locations none "${only[@]}" src -ts "$copy" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
    if grep -v "^Scanning\|^Updating\|Found [0-9]* source text\|^Stripping non plural\|^ *Kept [0-9]* obsolete\|^ *Removed [0-9]* obsolete\|^ *Same-text" "$work/log" | grep -q .; then
        echo "$ts: lupdate has warnings:"; grep -v "^Scanning\|^Updating" "$work/log"; status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    obsolete=$(grep -c 'type="vanished"\|type="obsolete"' "$copy" || true)
    if [ "$unfinished" -ne 0 ] || [ "$obsolete" -ne 0 ]; then
        echo "$ts: $unfinished texts without a translation, $obsolete no longer in the sources"
        echo "(cmake --build build --target update-translations, then translate what is marked unfinished)"
        diff <(grep -o '<source>.*</source>' "$ts") <(grep -o '<source>.*</source>' "$copy") | head -40 || true
        status=1
    fi
done
exit $status
