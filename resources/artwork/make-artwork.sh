#!/usr/bin/env bash
# Draws the setup window's picture and the program icon: a USB stick whose body holds
# the two file panels of a two-pane file manager. Run from anywhere; rewrites
#   resources/setup-picture.bmp  (72 x 71, 24 bit, for the setup window)
#   resources/velmora.ico        (16, 32 and 48 pixels, for the window and the executable)
# Needs ImageMagick 6 (Debian's imagemagick package).
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One drawing on a 288 x 284 canvas (four times 72 x 71), scaled down for each use.
draw_stick() {
  local background=$1 out=$2
  convert -size 288x284 "xc:$background" \
    -fill '#9aa3ad' -stroke '#5b636b' -strokewidth 6 -draw 'roundrectangle 112,8 176,70 8,8' \
    -fill '#5b636b' -stroke none -draw 'rectangle 126,24 138,40' -draw 'rectangle 150,24 162,40' \
    -fill '#1d4f91' -stroke '#0f2f5c' -strokewidth 8 -draw 'roundrectangle 52,66 236,272 30,30' \
    -fill '#f4f7fb' -stroke '#0f2f5c' -strokewidth 5 -draw 'rectangle 72,98 140,232' \
    -draw 'rectangle 148,98 216,232' \
    -fill '#f2b632' -stroke none -draw 'rectangle 72,98 140,118' \
    -fill '#7fb2e5' -draw 'rectangle 148,98 216,118' \
    -fill '#0f2f5c' -draw 'rectangle 82,132 128,140' -draw 'rectangle 82,152 120,160' \
    -draw 'rectangle 82,172 130,180' -draw 'rectangle 158,132 204,140' -draw 'rectangle 158,152 196,160' \
    -fill '#f2b632' -draw 'circle 144,252 144,262' \
    "$out"
}

draw_stick '#d4d0c8' "$work/picture.png"
convert "$work/picture.png" -filter Lanczos -resize '72x71!' -type TrueColor BMP3:setup-picture.bmp

draw_stick none "$work/icon.png"
for size in 16 32 48; do
  convert "$work/icon.png" -gravity center -background none -extent 288x288 -filter Lanczos \
    -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" velmora.ico
