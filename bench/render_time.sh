#!/bin/sh
# Whole-process time of "quorvel_cli render" to PNG with every overlay:
# runs it N times (default 20) and prints the median and the slowest, in ms.
# usage: bench/render_time.sh PATH/TO/quorvel_cli [N]
set -eu
cli=$1
n=${2:-20}
out=$(mktemp --suffix=.png)
times=$(mktemp)
trap 'rm -f "$out" "$times"' EXIT
i=0
while [ $i -lt "$n" ]; do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen "$cli" render --day 21 --month 6 --year 2006 --hour 12 --min 0 \
    --lat 51.5 --long 0 --grid --posang --drift --rotation --out "$out" 2>/dev/null
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 )) >>"$times"
  i=$((i + 1))
done
sort -n "$times" | awk '{ t[NR] = $1 } END {
  printf "quorvel_cli render to PNG, %d runs: median %.1f ms, slowest %.1f ms\n", NR, t[int((NR + 1) / 2)] / 1000, t[NR] / 1000 }'
