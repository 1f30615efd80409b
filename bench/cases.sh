#!/bin/sh
# Prints N random batch cases (default 1000000), one a line, TAB separated:
# day, month, year 1800-2199, hour, minute, zone -12..12, DST, latitude and
# longitude with one decimal. The same seed every time: the same cases.
# usage: bench/cases.sh [N]
awk -v n="${1:-1000000}" 'BEGIN {
  srand(2006)
  for (i = 0; i < n; i++)
    printf "%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.1f\t%.1f\n",
      1 + int(rand() * 28), 1 + int(rand() * 12), 1800 + int(rand() * 400),
      int(rand() * 24), int(rand() * 60), int(rand() * 25) - 12, int(rand() * 2),
      rand() * 180 - 90, rand() * 360 - 180
}'
