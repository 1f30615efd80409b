#!/bin/sh
# Rows per second of "quorvel_cli table --model precise" as a whole process:
# N rows (default 1000000) a minute apart from 2026-01-01, then N/100 rows a
# day apart from 1900-01-01 (each row a full evaluation); prints both rates.
# usage: bench/precise_table_rate.sh PATH/TO/quorvel_cli [N]
set -eu
cli=$1
n=${2:-1000000}
rate() {  # rows step from to
  start=$(date +%s.%N)
  "$cli" table --model precise --lat 51.5 --long -0.1 --step "$2" --from "$3" --to "$4" >/dev/null
  end=$(date +%s.%N)
  awk -v n="$1" -v s="$start" -v e="$end" -v step="$2" 'BEGIN {
    printf "%d rows, step %s: %.3f s, %.0f rows per second\n", n, step, e - s, n / (e - s) }'
}
last_minute=$(date -u -d "2026-01-01 00:00 UTC + $((n - 1)) minutes" +%Y-%m-%dT%H:%M)
rate "$n" 1m 2026-01-01T00:00 "$last_minute"
days=$((n / 100))
last_day=$(date -u -d "1900-01-01 12:00 UTC + $((days - 1)) days" +%Y-%m-%d)
rate "$days" 1d 1900-01-01 "$last_day"
