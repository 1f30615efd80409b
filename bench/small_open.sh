#!/bin/sh
# The slowest small files quorvel_cli measure opens: black images of the
# largest size, 8192 x 8192, 16 bits a channel with alpha, deflated to about
# half a megabyte as PNG and as TIFF (made by ImageMagick), with the size of
# each file, the processor time and the peak memory (/usr/bin/time), in all
# and a pixel. Target: 2 s, 8 bytes a pixel.
# usage: bench/small_open.sh PATH/TO/quorvel_cli
set -eu
cli=$1 side=8192
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
convert -size ${side}x$side 'xc:rgba(0,0,0,1)' -depth 16 "PNG64:$dir/black.png"
convert -size ${side}x$side 'xc:rgba(0,0,0,1)' -depth 16 -type TrueColorAlpha -compress zip \
  -define tiff:rows-per-strip=$side "$dir/black.tif"
for image in black.png black.tif; do
  QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %U %S %M" -o "$dir/time" \
    "$cli" measure "$dir/$image" --day 10 --month 5 --year 2024 --hour 12 --min 35 --lat 51.5 >/dev/null 2>&1 || true
  read -r seconds user system kb <<EOT
$(tail -n 1 "$dir/time")
EOT
  printf 'quorvel_cli measure, %s (%s bytes, %sx%s, 16-bit RGBA): processor %s s, peak memory %d MB, %s bytes a pixel\n' \
    "$image" "$(wc -c <"$dir/$image")" "$side" "$side" "$(awk "BEGIN { print $user + $system }")" $((kb / 1024)) \
    "$(awk "BEGIN { printf \"%.1f\", $kb * 1024 / ($side * $side) }")"
done
