#!/bin/sh
# Every catalogue is complete: lupdate over the sources leaves a copy of each
# .ts file as it is (no text new or vanished), and no entry is unfinished.
# usage: complete.sh LUPDATE SOURCELIST "LUPDATE OPTIONS" TSFILE...
set -eu
lupdate=$1 sources=$2 options=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # shellcheck disable=SC2086 # the options are words
  "$lupdate" -silent $options "@$sources" -ts "$copy"
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not up to date with the sources (cmake --build BUILD --target update_translations):"
    diff "$ts" "$copy" | head -20
    status=1
  fi
  if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
    echo "$(basename "$ts") has unfinished or vanished entries"
    status=1
  fi
done
exit $status
