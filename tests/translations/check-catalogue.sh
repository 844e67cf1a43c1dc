#!/usr/bin/env bash
# Fails when a text of a form or of a source file is missing from
# translations/ZTK_en.ts: lupdate, run over the folders
# scripts/update-translations.sh scans, must find nothing new.
set -euo pipefail
src=$1
folders=$(sed -n 's/^lupdate -silent -no-obsolete -locations none \(.*\) \\$/\1/p' "$src/scripts/update-translations.sh" | head -n 1)
if [ -z "$folders" ]; then
    echo "Cannot read the scanned folders from scripts/update-translations.sh" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src/translations/ZTK_en.ts" "$work/ZTK_en.ts"
cd "$src"
# shellcheck disable=SC2086
summary=$(lupdate -locations none $folders -ts "$work/ZTK_en.ts" 2>&1 | grep 'source text(s)' || true)
new=$(sed -n 's/.*(\([0-9]*\) new and.*/\1/p' <<<"$summary")
if [ -z "$new" ]; then
    echo "lupdate gave no summary: $summary" >&2
    exit 1
fi
if [ "$new" != 0 ]; then
    echo "$new text(s) are missing from translations/ZTK_en.ts; run scripts/update-translations.sh:" >&2
    diff <(grep -o '<source>[^<]*</source>' "$src/translations/ZTK_en.ts" | sort -u) \
         <(grep -o '<source>[^<]*</source>' "$work/ZTK_en.ts" | sort -u) | grep '^>' >&2 || true
    exit 1
fi
echo "Every form and source text is in translations/ZTK_en.ts"
