#!/bin/sh
# Whole-process times of quorvel_cli log on ten years of daily observations
# (3,650 observations, 20,075 groups, 100,375 spots, made by make_log): a
# month's AAVSO, BAA and groups reports, the whole-span butterfly diagram as
# SVG, the tracks of a month and of the 10 years with their places (what
# the log dialog's Tracks tab reads), and one log add (its integrity check included). Best of 5 runs, in ms.
# usage: bench/log_report.sh PATH/TO/quorvel_cli PATH/TO/make_log
set -eu
cli=$1 make=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$make" "$dir/log.sqlite"
best() {  # LABEL FUNCTION: the best of 5 whole-process times of FUNCTION RUN_NUMBER
  bestus=""
  for i in 1 2 3 4 5; do
    start=$(date +%s%N)
    $2 $i >/dev/null
    end=$(date +%s%N)
    us=$(( (end - start) / 1000 ))
    if [ -z "$bestus" ] || [ "$us" -lt "$bestus" ]; then bestus=$us; fi
  done
  echo "$1" | awk -v us="$bestus" '{ printf "%-46s %8.1f ms\n", $0, us / 1000 }'
}
log="--log $dir/log.sqlite"
aavso() { "$cli" log report --month 2021-06 --format aavso $log; }
baa() { "$cli" log report --month 2021-06 --format baa $log; }
groups() { "$cli" log report --month 2021-06 --format groups $log; }
butterfly() { "$cli" log report --format butterfly --out "$dir/b.svg" $log; }
tracks() { "$cli" log tracks --month 2021-06 --time 2021-07-01T09:00Z $log; }
alltracks() { "$cli" log tracks --time 2026-01-01T09:00Z $log; }
add() { "$cli" log add --time "2026-02-01T10:0$1Z" --seeing G --total 1,1 $log; }
best "log report, a month, aavso (target 50 ms)" aavso
best "log report, a month, baa (target 50 ms)" baa
best "log report, a month, groups" groups
best "log report, 10 years, butterfly SVG (target 1 s)" butterfly
best "log tracks, a month's tracks placed" tracks
best "log tracks, 10 years' tracks placed" alltracks
best "log add to the 10-year log" add
