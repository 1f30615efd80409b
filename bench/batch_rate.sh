#!/bin/sh
# Cases per second of "quorvel_cli ephem --batch" as a whole process over N
# random cases (default 1000000): on every core it may use, then on one core
# (taskset), each the best of three runs.
# usage: bench/batch_rate.sh PATH/TO/quorvel_cli [N]
set -eu
cli=$1
n=${2:-1000000}
here=$(dirname "$0")
input=$(mktemp)
trap 'rm -f "$input"' EXIT
"$here/cases.sh" "$n" >"$input"
best() {  # COMMAND...: the shortest of three runs, in seconds
  for run in 1 2 3; do
    start=$(date +%s%N)
    "$@" ephem --batch <"$input" >/dev/null
    end=$(date +%s%N)
    echo $(( end - start ))
  done | sort -n | head -n 1 | awk '{ printf "%.3f", $1 / 1e9 }'
}
all=$(best "$cli")
one=$(best taskset -c "$(taskset -pc $$ | sed 's/.*: *//; s/[,-].*//')" "$cli")
awk -v n="$n" -v a="$all" -v o="$one" -v c="$(nproc)" 'BEGIN {
  printf "quorvel_cli ephem --batch, %d cases: %.0f cases per second on %d cores (%.3f s), %.0f on one core (%.3f s)\n",
    n, n / a, c, a, n / o, o }'
