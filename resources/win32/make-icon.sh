#!/usr/bin/env bash
# Draws the application icon, a small keyboard, into an .ico with 32 and 16
# pixel images: make-icon.sh OUT.ico
set -euo pipefail
out=$1
keys=()
for row in 0 1 2; do
  for col in 0 1 2 3 4 5; do
    x=$((4 + col * 4)); y=$((10 + row * 4))
    keys+=(-draw "rectangle $x,$y $((x + 2)),$((y + 2))")
  done
done
convert -size 32x32 xc:none \
  -fill 'rgb(156,207,255)' -stroke black -draw 'roundrectangle 1,7 30,25 3,3' \
  -stroke none -fill white "${keys[@]}" \
  -draw 'rectangle 8,22 23,23' \
  -define icon:auto-resize=32,16 "$out"
