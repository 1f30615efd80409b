#!/bin/sh
# Exit statuses of quorvel_cli, one row a case: the status, where standard
# output goes (/dev/full: a full disk) and the arguments. A failed render
# leaves no file; an over-long batch line is answered without being held.
# Many blocks of batch cases come back in their order, on every core and on one.
# usage: status.sh PATH/TO/quorvel_cli STYLE_INI GOLDEN_DIR WORKDIR
set -u
cli=$1 style=$2 golden=$3 dir=$4
failed=0
row() {  # EXPECTED_STATUS STDOUT ARG...
  want=$1 out=$2
  shift 2
  rm -f "$dir/pic.png" "$dir/pic.bmp" "$dir/pic.pdf"
  "$cli" "$@" <"$dir/in" >"$out" 2>"$dir/err"
  got=$?
  if [ "$got" != "$want" ] || { [ "$got" != 0 ] && ls "$dir"/pic.* >/dev/null 2>&1; }; then
    echo "quorvel_cli $*: status $got, expected $want"; cat "$dir/err"; failed=1
  fi
}
mkdir -p "$dir" && printf '21\t6\t2006\t12\t0\t0\t0\t51.5\t0\n' >"$dir/in"
export QT_QPA_PLATFORM=offscreen
when="--day 21 --month 6 --year 2006 --hour 12 --min 0"
row 3 /dev/full ephem $when
row 3 /dev/full ephem --batch
row 3 /dev/full table --from 2006-01-01 --to 2006-12-31
row 3 /dev/full --help
row 0 /dev/null --version
row 1 /dev/null table --from 2006-06-21 --lat 95
row 2 /dev/null table --from 2006-06-21 --step 9223372036854775807h
row 2 /dev/null table --from 2006-06-21 --step 0
row 2 /dev/null table --from 1582-10-14
row 2 /dev/null table --from 1582-10-15T00:00 --tz 1
row 2 /dev/null ephem -- --lat 5
row 2 /dev/null ephem $when --precise --delta-t 1e300
row 0 /dev/null ephem --day 1 --month 1 --year -1999 --hour 0 --min 0 --precise
# measure checks its options before it opens the image (which is missing here).
row 2 /dev/null measure "$dir/missing.png" --model bogus
row 1 /dev/null measure "$dir/missing.png" $when --lat 95
row 2 /dev/null render $when --out "$dir/pic.bmp"
row 1 /dev/null render $when --lat 95 --out "$dir/pic.png"
row 3 /dev/null render $when --out "$dir/missing/pic.png"
row 3 /dev/null render --view graphics --style "$dir/missing.ini" $when --out "$dir/pic.pdf"
row 0 /dev/null render --view graphics --style "$style" $when --out "$dir/pic.pdf"
: >"$dir/empty.ini"  # a style of zeros: no diameter, no sizes
row 1 /dev/null render --view graphics --style "$dir/empty.ini" $when --out "$dir/pic.png"
row 1 /dev/null render --view graphics --style "$style" $when --diameter-px 100000 --out "$dir/pic.png"
# render needs quorvel_cli_qt beside quorvel_cli (or in ../libexec/quorvel/).
cp "$cli" "$dir/quorvel_cli" && "$dir/quorvel_cli" render $when --out "$dir/pic.png" 2>/dev/null
[ $? = 3 ] || { echo "render without quorvel_cli_qt: not status 3"; failed=1; }
# One line of 100 MB: one answer, and at most 64 MB of memory.
answer=$(head -c 100000000 /dev/zero | tr '\0' 7 | /usr/bin/time -f %M -o "$dir/kb" "$cli" ephem --batch)
if [ "$answer" != "$(printf 'error\tthe line is longer than 1048576 bytes')" ] || [ "$(cat "$dir/kb")" -gt 65536 ]; then
  echo "over-long line: '$answer', $(cat "$dir/kb") kB"; failed=1
fi
# 29 golden cases doubled 13 times: 237,568 lines, many blocks of work.
head -n 29 "$golden/batch_hostile.in" >"$dir/many.in" && head -n 29 "$golden/batch_hostile.out" >"$dir/many.out"
for step in 1 2 3 4 5 6 7 8 9 10 11 12 13; do
  for f in in out; do cat "$dir/many.$f" "$dir/many.$f" >"$dir/twice" && mv "$dir/twice" "$dir/many.$f"; done
done
for cores in all one; do
  if [ $cores = one ]; then run="taskset -c $(taskset -pc $$ | sed 's/.*: *//; s/[,-].*//')"; else run=""; fi
  $run "$cli" ephem --batch <"$dir/many.in" | cmp -s - "$dir/many.out" || { echo "batch on $cores core(s): answers differ"; failed=1; }
done
exit $failed
