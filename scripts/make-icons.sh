#!/usr/bin/env bash
# Draws the PNG icons from desktop/icons/kesto.svg (rsvg-convert, Debian's librsvg2-bin).
# The PNGs are kept in the repository, so building needs no SVG renderer; run this after
# changing the drawing.
set -euo pipefail
icons="$(cd "$(dirname "$0")/.." && pwd)/desktop/icons"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/kesto.svg" -o "$icons/kesto-$size.png"
done
