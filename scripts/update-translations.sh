#!/usr/bin/env bash
# Refreshes the translation catalogues from the sources.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate -silent -no-obsolete -locations none core platform values transport model health operations persistence notify http session board monitor desktop ui cli \
    -ts translations/ZTK_en.ts translations/ZTK_pl.ts translations/ZTK_es.ts \
        translations/ZTK_fr.ts translations/ZTK_it.ts translations/ZTK_de.ts
