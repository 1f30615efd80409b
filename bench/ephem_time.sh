#!/bin/sh
# Whole-process time of one "quorvel_cli ephem" case, started by the shell:
# the mean of N runs (default 300) in a row, the best of three such rounds,
# and whether the program links Qt (it should not: only render needs Qt).
# usage: bench/ephem_time.sh PATH/TO/quorvel_cli [N]
set -eu
cli=$1
n=${2:-300}
for round in 1 2 3; do
  start=$(date +%s%N)
  i=0
  while [ $i -lt "$n" ]; do
    "$cli" ephem --day 21 --month 6 --year 2006 --hour 12 --min 0 --lat 51.5 --long 0 >/dev/null
    i=$((i + 1))
  done
  end=$(date +%s%N)
  echo $(( end - start ))
done | sort -n | head -n 1 | awk -v n="$n" -v qt="$(ldd "$cli" | grep -c 'libQt' || true)" '{
  printf "quorvel_cli ephem, one case: %.2f ms a process (mean of %d); Qt libraries linked: %d\n", $1 / 1e6 / n, n, qt }'
