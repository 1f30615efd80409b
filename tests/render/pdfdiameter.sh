#!/bin/sh
# The PDF of the graphics-ready view: the disk's width measured in the file
# (rendered at 254 dpi, ten pixels a millimetre) against the chosen diameter.
# usage: pdfdiameter.sh QUORVEL_CLI STYLE_FILE WORKDIR
set -eu
cli=$1 style=$2 work=$3
mkdir -p "$work"
pdf="$work/blank150.pdf"
QT_QPA_PLATFORM=offscreen "$cli" render --view graphics --style "$style" --day 21 --month 6 --year 2006 \
  --hour 12 --min 0 --lat 51.5 --long 0 --diameter-mm 150 --out "$pdf" 2>/dev/null
# Without a caption the page is square with the disk in its middle. A row
# 5 mm below the centre crosses the disk on a chord of 2 * sqrt(75^2 - 5^2) mm.
side=$(pdfinfo "$pdf" | sed -n 's/^Page size: *\([0-9.]*\) x.*/\1/p')
pixels=$(awk -v s="$side" 'BEGIN { printf "%d", s / 72 * 254 }')
pdftoppm -r 254 -png -x 0 -y $((pixels / 2 + 50)) -W "$pixels" -H 1 "$pdf" "$work/row"
row=$(ls "$work"/row*.png | head -1)
# Each pixel counts by how much of it the disk covers: its red runs from 0 on
# the navy background to 255 on the disk and its limb.
width=$(convert "$row" -depth 8 txt:- | sed -n 's/^\([0-9]*\),0: (\([0-9]*\),.*/\2/p' |
  awk '{ sum += $1 / 255 } END { printf "%.3f", sum }')
# The limb, a line of 1/96 inch centred on the circle, adds half its width at either end.
awk -v w="$width" 'BEGIN {
  measured = w / 10; expected = 2 * sqrt(75 * 75 - 25) + 25.4 / 96
  printf "chord measured %.2f mm, expected %.2f mm\n", measured, expected
  d = measured - expected; if (d < 0) d = -d
  exit (d <= 0.1 ? 0 : 1) }'
