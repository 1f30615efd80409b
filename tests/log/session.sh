#!/bin/sh
# A month of an observer's log through quorvel_cli, as a transcript: each
# command, what it printed and its exit status, compared with a stored one;
# the AAVSO and BAA reports compared with their stored files. Every refused
# input must leave the log's bytes as they were (or make no log at all).
# With QUORVEL_UPDATE_GOLDEN set, stores the new outputs instead.
# usage: session.sh PATH/TO/quorvel_cli EXPECTED_TRANSCRIPT WORKDIR
set -u
cli=$1 expected=$2 dir=$3
here=$(dirname "$expected")
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
log="--log $dir/log.sqlite"
run() {  # the command's arguments after "log"
  echo "\$ log $*" | sed "s|$dir/||g"
  "$cli" log "$@" $log >out 2>&1
  status=$?
  sed "s|$dir/||g" out
  echo "status $status"
}
refused() {  # must fail with status 1 and leave the log unchanged
  before=$(cat log.sqlite* 2>/dev/null | sha256sum)
  run "$@"
  [ "$(cat log.sqlite* 2>/dev/null | sha256sum)" = "$before" ] || echo "THE LOG CHANGED"
}
{
  printf 'not pixels' >text.png
  refused add --time 2026-11-01T08:00Z --seeing G --north 1,2 --south 0,0
  run add --time 2026-11-01T08:30Z --seeing G --north 2,8 --south 3,15 --observer ABCR --name "Anna B. Carter"
  run add --time 2026-11-02T09:05Z --seeing E --north 2,10 --south 2,12
  run add --time 2026-11-02T14:40Z --seeing F --north 2,7 --south 2,9
  run add --time 2026-11-04T10:15Z --seeing P --total 3,11
  run add --time 2026-11-05T07:55Z --seeing G --north 0,0 --south 0,0
  run add --time 2026-11-08T09:12Z --seeing G --group 12.5,-30,5,D,120 --group -8,10,3,C,40 --equipment "Refractor 80" --method projection --aperture-mm 80
  run add --time 2026-11-09T09:20Z --seeing 2 --group 12.3,-17,6,D,140 --group -8,23.5,2,B --group 20,-70,1,A --equipment "Refractor 80"
  run add --time 2026-11-09T09:20Z --seeing G --total 1,1 --observer XYZR
  refused add --time 2026-11-10T09:00Z --seeing X --total 1,1
  refused add --time 2026-11-31T09:00Z --seeing G --total 1,1
  refused add --time 2026-11-10T09:00Z --seeing G --north 5,3 --south 0,0
  refused add --time 2026-11-10T09:00Z --seeing G --north -1,2 --south 0,0
  refused add --time 2026-11-10T09:00Z --seeing G --total 0,4
  refused add --time 2026-11-09T09:20Z --seeing G --total 1,1 --observer ABCR
  refused add --time 2026-11-10T09:00Z --seeing G --total 1,1 --equipment "Newton 200"
  refused relink --observation 7 --group 1 --track 99
  refused relink --observation 7 --group 1 --track 2
  run relink --observation 7 --group 3 --track new
  run list
  run track --track 1
  run track --track 4
  run tracks --month 2026-11 --time 2026-11-10T09:00Z
  run predict --track 1 --time 2026-11-10T09:00Z
  # A disk of radius 300 at (410, 340) drawn here: the place as a pixel, in
  # two orientations, with the limb given, behind the limb; not an image.
  convert -size 800x700 xc:black -fill white -draw 'circle 410,340 410,40' -blur 0x1 disk.png
  run predict --track 1 --time 2026-11-10T09:00Z --image disk.png --orient solar
  run predict --track 1 --time 2026-11-10T09:00Z --image disk.png --limb 400,350,290 --altaz --flip --lat 51.5 --long -10
  run predict --track 1 --time 2026-11-24T09:00Z --image disk.png
  refused predict --track 1 --time 2026-11-10T09:00Z --image text.png
  refused predict --track 42 --time 2026-11-10T09:00Z
  run report --month 2026-11 --format aavso --out aavso.txt --observer ABCR
  run report --month 2026-11 --format baa --out baa.csv --observer ABCR
  run report --from 2026-11-01 --to 2026-11-30 --format groups --observer ABCR
  run report --month 2026-11 --format baa --with-k
  run report --month 2026-11 --format daily --out daily.svg --observer ABCR
  run report --format butterfly --out butterfly.png --observer ABCR
  run report --month 2026-11 --format daily --out daily.bmp
  run report --month 2026-11 --format aavso --observer NOBODY
} >transcript.txt
status=0
for pair in "transcript.txt:$expected" "aavso.txt:$here/aavso_2026-11.txt" "baa.csv:$here/baa_2026-11.csv"; do
  got=${pair%%:*} want=${pair#*:}
  if [ -n "${QUORVEL_UPDATE_GOLDEN:-}" ]; then cp "$got" "$want"; fi
  if ! cmp -s "$got" "$want"; then
    echo "$got differs from $want:"; diff "$want" "$got" | head -40; status=1
  fi
done
exit $status
