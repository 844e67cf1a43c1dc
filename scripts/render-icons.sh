#!/usr/bin/env bash
# Renders the hand-written SVG sources in resources/icons-src/ to the PNGs that
# zentick.qrc compiles in. The PNGs are committed, so building needs none of
# this; run it after changing an SVG (needs rsvg-convert from librsvg2-bin).
#
#   icons-src/*.svg, icons-src/window/*.svg -> icons/…png   64x64, black on transparent
#   icons-src/mono-icon.svg                 -> mono-icon.png 64x64, black on transparent
#   icons-src/indicators/*.svg              -> icons/indicators/…png at the size the SVG declares, in colour
#   icons-src/logos/*.svg                   -> logos/…png    at the size the SVG declares
#   icons-src/logos/appIcon.svg             -> ../packaging/icons/NxN/apps/…png, hicolor sizes
#
# The single-colour icons are recoloured at run time by their alpha alone, so
# their sources must draw in black only.
set -euo pipefail
cd "$(dirname "$0")/../resources"

if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
fi

readonly iconSize=64

# Every paint outside a mask must be black (or none, or a mask/url reference).
check_black_only() {
    python3 - "$1" <<'PY'
import sys
import xml.etree.ElementTree as ET

ALLOWED = {"none", "#000", "#000000", "black"}

def walk(node, in_mask):
    tag = node.tag.rsplit("}", 1)[-1]
    in_mask = in_mask or tag == "mask"
    if not in_mask:
        for attr in ("fill", "stroke", "stop-color", "color"):
            value = node.get(attr)
            if value is not None and value.lower() not in ALLOWED and not value.startswith("url("):
                sys.exit(f"{sys.argv[1]}: {attr}={value}: single-colour icons draw in black only")
        if "style" in node.attrib:
            sys.exit(f"{sys.argv[1]}: use presentation attributes, not style")
    for child in node:
        walk(child, in_mask)

walk(ET.parse(sys.argv[1]).getroot(), False)
PY
}

render() { # source target [size]
    mkdir -p "$(dirname "$2")"
    if [ $# -ge 3 ]; then
        rsvg-convert --width "$3" --height "$3" --format png --output "$2.tmp" "$1"
    else
        rsvg-convert --format png --output "$2.tmp" "$1"
    fi
    mv "$2.tmp" "$2"
}

for src in icons-src/*.svg icons-src/window/*.svg; do
    case "$src" in icons-src/mono-icon.svg) continue ;; esac
    check_black_only "$src"
    rel=${src#icons-src/}
    render "$src" "icons/${rel%.svg}.png" "$iconSize"
done

render icons-src/mono-icon.svg mono-icon.png "$iconSize"

# Check-box marks the style sheets draw as they are, untinted.
for src in icons-src/indicators/*.svg; do
    render "$src" "icons/indicators/$(basename "$src" .svg).png"
done

for src in icons-src/logos/*.svg; do
    name=$(basename "$src" .svg)
    # The about logo embeds the app icon by a relative reference.
    (cd icons-src/logos && render "$name.svg" "../../logos/$name.png")
done

# The desktop entry's icon in the hicolor theme, at the sizes menus and docks ask for.
readonly appId=com.qlxdevices.zentick
for size in 16 22 24 32 48 64 128 256; do
    render icons-src/logos/appIcon.svg "../packaging/icons/${size}x${size}/apps/$appId.png" "$size"
done
