#!/bin/sh
# Renders the about-window picture data/Images/Inform.bmp with ImageMagick: 179 x 141 pixels,
# an uncompressed 24-bit Windows bitmap, showing the product's name in two speech bubbles.
# Rerun after changing the drawing: sh scripts/data/make_picture.sh
set -eu

out="$(cd "$(dirname "$0")/../.." && pwd)/data/Images/Inform.bmp"
mkdir -p "$(dirname "$out")"
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
plain=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# BMP3 without an alpha channel is the bitmap form every reader accepts.
convert -size 179x141 gradient:'#2b5f8f-#7fb3d5' \
    -fill '#ffffff' -stroke '#1d4466' -strokewidth 2 \
    -draw 'roundrectangle 8,10 170,78 14,14' \
    -draw 'polygon 36,77 30,96 56,77' \
    -fill '#fff3c4' -stroke '#8a6d1d' \
    -draw 'roundrectangle 70,92 170,128 10,10' \
    -draw 'polygon 148,127 158,138 138,127' \
    -stroke none -fill '#1d4466' \
    -font "$bold" -pointsize 26 -annotate +19+53 'Беседка' \
    -fill '#8a6d1d' -font "$plain" -pointsize 13 -annotate +80+115 'Поболтаем?' \
    -fill '#ffffff' -font "$bold" -pointsize 12 -annotate +10+128 'v2.40' \
    -alpha off -type TrueColor "BMP3:$out"
