#!/bin/sh
# Regenerates vellumry.ico: an open book whose pages carry grey lines of text, one line
# on the right page lit in amber like the reading block moving through a document.
# Needs ImageMagick's convert. Run from anywhere; writes beside this script.
set -eu
cd "$(dirname "$0")"

convert -size 256x256 xc:none \
    -stroke '#5b3a1f' -strokewidth 6 -fill '#9a6233' \
    -draw 'polygon 10,62 128,86 246,62 246,218 128,242 10,218' \
    -stroke '#b9a98f' -strokewidth 3 -fill '#fffaf0' \
    -draw 'polygon 22,48 124,70 124,226 22,204' \
    -draw 'polygon 132,70 234,48 234,204 132,226' \
    -stroke none -fill '#f2a81d' \
    -draw 'polygon 142,126 226,108 226,128 142,146' \
    -stroke '#8c8c8c' -strokewidth 7 -draw 'stroke-linecap round' \
    -draw 'line 36,78 110,94' -draw 'line 36,102 110,118' -draw 'line 36,126 110,142' \
    -draw 'line 36,150 110,166' -draw 'line 36,174 96,187' \
    -draw 'line 146,94 220,78' -draw 'line 146,166 220,150' -draw 'line 146,190 200,178' \
    -stroke '#6b3a00' -draw 'line 148,130 220,114' \
    -depth 8 -define icon:auto-resize=256,48,32,16 vellumry.ico
