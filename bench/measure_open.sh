#!/bin/sh
# Opening a large image in quorvel_cli measure, whole process: the limb found
# on an 8000 x 8000 x 16-bit image (FITS and PNG, made by make_sun_image),
# with the elapsed time and the peak memory (/usr/bin/time). Target: 2 s, 1 GB.
# usage: bench/measure_open.sh PATH/TO/quorvel_cli PATH/TO/make_sun_image [SIDE]
set -eu
cli=$1 maker=$2 side=${3:-8000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
QT_QPA_PLATFORM=offscreen "$maker" "$side" "$dir/sun.fits" "$dir/sun.png"
for image in sun.fits sun.png; do
  QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %M" -o "$dir/time" \
    "$cli" measure "$dir/$image" --day 10 --month 5 --year 2024 --hour 12 --min 35 --lat 51.5 --spot $((side / 2)),$((side / 2)) >"$dir/out" 2>/dev/null
  read -r seconds kb <"$dir/time"
  printf 'quorvel_cli measure, %sx%s 16-bit %s: %s s, peak memory %d MB (%s)\n' "$side" "$side" \
    "${image#sun.}" "$seconds" $((kb / 1024)) "$(head -n 1 "$dir/out")"
done
