#!/bin/sh
# Every output quorvel_cli writes, named three ways besides a plain file: a
# link to another file (the link is replaced, the file untouched), a named
# pipe with a reader (the same bytes streamed, the pipe kept) and "-"
# (standard output, render's PNG). The plain file gives the bytes expected.
# usage: writers.sh PATH/TO/quorvel_cli STYLE_INI IMAGE WORKDIR
set -u
cli=$1 style=$2 image=$3 dir=$4
failed=0
fail() { echo "$*"; failed=1; }
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 1
export QT_QPA_PLATFORM=offscreen
when="--day 21 --month 6 --year 2006 --hour 12 --min 0 --lat 51.5"
measure="measure $image $when --limb 410,340,300 --spot 410,340 --overlay"
# The same bytes each time, but for the PDF's creation date.
same() { if [ "${1##*.}" = pdf ]; then [ "$(head -c 5 "$2")" = "$(head -c 5 "$1")" ]; else cmp -s "$1" "$2"; fi; }
$cli render $when --out plain.png && $cli render $when --out - >stdout.png 2>err && cmp -s plain.png stdout.png ||
  fail "render --out -: $(cat err)"
for row in "render $when --out:png" "render $when --out:svg" "render $when --out:log" \
           "render --view graphics --style $style $when --caption --out:pdf" "$measure:png"; do
  args=${row%:*} ending=${row##*:}
  $cli $args "plain.$ending" >/dev/null 2>err || { fail "$args plain.$ending:"; cat err; continue; }
  echo secret >victim && ln -sf victim "link.$ending"
  $cli $args "link.$ending" >/dev/null 2>err || fail "$args link.$ending: $(cat err)"
  [ "$(cat victim)" = secret ] && [ ! -L "link.$ending" ] && same "plain.$ending" "link.$ending" ||
    fail "$args link.$ending: written through the link or not replaced"
  rm -f "pipe.$ending" && mkfifo "pipe.$ending" && { cat "pipe.$ending" >piped & }
  $cli $args "pipe.$ending" >/dev/null 2>err || fail "$args pipe.$ending: $(cat err)"
  wait
  [ -p "pipe.$ending" ] && same "plain.$ending" piped || fail "$args pipe.$ending: not streamed into the pipe"
done
exit $failed
