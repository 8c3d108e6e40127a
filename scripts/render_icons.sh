#!/usr/bin/env bash
# Renders the SVG icon into the PNG sizes the program and the desktop use. Run by hand after
# changing data/org.example.Imc.svg, and commit the PNGs; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$top/data/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$top/data/org.example.Imc.svg" \
        -o "$top/data/icons/${size}x${size}/org.example.Imc.png"
done
