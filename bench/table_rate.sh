#!/bin/sh
# Rows per second of "quorvel_cli table" as a whole process: a year at
# one-minute steps (525,600 rows), the best of three runs.
# usage: bench/table_rate.sh PATH/TO/quorvel_cli
set -eu
cli=$1
for run in 1 2 3; do
  start=$(date +%s%N)
  "$cli" table --from 2026-01-01T00:00 --to 2026-12-31T23:59 --step 1m --lat 51.5 --long 0 >/dev/null
  end=$(date +%s%N)
  echo $(( end - start ))
done | sort -n | head -n 1 | awk '{
  printf "quorvel_cli table, a year at one-minute steps: %.0f rows per second (525600 rows in %.3f s)\n",
    525600 / ($1 / 1e9), $1 / 1e9 }'
