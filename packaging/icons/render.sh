#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG drawing; run it after changing the drawing and commit
# the pictures (needs rsvg-convert, from Debian's librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" org.orbicola.Orbicola.svg \
    --output "org.orbicola.Orbicola-$size.png"
done
