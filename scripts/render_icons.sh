#!/usr/bin/env bash
# Renders the SVG icon into the PNG sizes the program and the desktop use, and packs the
# Windows sizes into one .ico. Run by hand after changing data/org.example.Imc.svg, and commit
# what it writes; needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
png() { echo "$top/data/icons/$1x$1/org.example.Imc.png"; }
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$top/data/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$top/data/org.example.Imc.svg" -o "$(png "$size")"
done
# 256 pixels is stored as PNG, the way Windows reads its largest size.
icotool --create --output="$top/data/org.example.Imc.ico" \
    "$(png 16)" "$(png 24)" "$(png 32)" "$(png 48)" "$(png 64)" --raw="$(png 256)"
