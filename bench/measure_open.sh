#!/bin/sh
# Opening a large image in quorvel_cli measure, whole process: the limb found
# on a SIDE x SIDE x 16-bit image (FITS; FITS stored as one tile compressed
# with RICE_1, GZIP_2, HCOMPRESS_1 (also as 32-bit integers, of 16-bit
# values and across the whole range) and PLIO_1; as one tile of quantized
# floats; in RICE tiles of 512 x 512; grey PNG, colour PNG and TIFF, made by
# make_sun_image), with the elapsed and processor time and the peak memory
# (/usr/bin/time), in all and a pixel. Target: 2 s, 8 bytes a pixel.
# usage: bench/measure_open.sh PATH/TO/quorvel_cli PATH/TO/make_sun_image [SIDE]
set -eu
cli=$1 maker=$2 side=${3:-8000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
QT_QPA_PLATFORM=offscreen "$maker" "$side" "$dir"
for image in sun.fits sun.tiled.fits sun.gzip2.fits sun.hcompress.fits sun.hcompress32.fits sun.hcompress32wide.fits sun.plio.fits sun.float.fits sun.squares.fits \
  sun.png sun.rgb.png sun.rgb.tif; do
  QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %U %S %M" -o "$dir/time" \
    "$cli" measure "$dir/$image" --day 10 --month 5 --year 2024 --hour 12 --min 35 --lat 51.5 --spot $((side / 2)),$((side / 2)) >"$dir/out" 2>/dev/null
  read -r seconds user system kb <"$dir/time"
  printf 'quorvel_cli measure, %sx%s 16-bit %s: %s s (processor %s s), peak memory %d MB, %s bytes a pixel (%s)\n' \
    "$side" "$side" "${image#sun.}" "$seconds" "$(awk "BEGIN { print $user + $system }")" $((kb / 1024)) \
    "$(awk "BEGIN { printf \"%.1f\", $kb * 1024 / ($side * $side) }")" "$(head -n 1 "$dir/out")"
done
