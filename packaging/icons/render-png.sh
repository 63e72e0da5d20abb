#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its two drawings (run after editing an SVG; needs
# rsvg-convert from librsvg2-bin). The small sizes come from the bolder drawing, which stays
# legible where the full one's thin edges would blur.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24; do
  rsvg-convert -w "$size" -h "$size" org.tavrel.Tavrel-small.svg -o "org.tavrel.Tavrel-$size.png"
done
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.tavrel.Tavrel.svg -o "org.tavrel.Tavrel-$size.png"
done
