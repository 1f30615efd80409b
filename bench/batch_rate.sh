#!/bin/sh
# Cases per second of "quorvel_cli ephem --batch" as a whole process:
# makes N random cases (default 1000000), times one run over them, prints the rate.
# usage: bench/batch_rate.sh PATH/TO/quorvel_cli [N]
set -eu
cli=$1
n=${2:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$n" 'BEGIN {
  srand(2006)
  for (i = 0; i < n; i++)
    printf "%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.1f\t%.1f\n",
      1 + int(rand() * 28), 1 + int(rand() * 12), 1800 + int(rand() * 400),
      int(rand() * 24), int(rand() * 60), int(rand() * 25) - 12, int(rand() * 2),
      rand() * 180 - 90, rand() * 360 - 180
}' >"$input"
start=$(date +%s.%N)
"$cli" ephem --batch <"$input" >/dev/null
end=$(date +%s.%N)
awk -v n="$n" -v s="$start" -v e="$end" 'BEGIN {
  printf "%d cases in %.3f s: %.0f cases per second\n", n, e - s, n / (e - s) }'
