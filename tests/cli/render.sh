#!/bin/sh
# Runs quorvel_cli render with --out FILE appended and checks its exit status
# and what it leaves: a non-empty PNG after status 0, no file otherwise, and
# (when given) the expected message among its standard error lines.
# usage: render.sh EXIT_STATUS FILE EXPECTED_STDERR|- COMMAND [ARG...]
set -u
expected_rc=$1 out=$2 expected_err=$3
shift 3
err=$(mktemp)
trap 'rm -f "$err"' EXIT
rm -f "$out"
"$@" --out "$out" 2>"$err"
rc=$?
status=0
if [ "$rc" != "$expected_rc" ]; then
  echo "exit status $rc, expected $expected_rc"; cat "$err"; status=1
fi
if [ "$expected_rc" = 0 ]; then
  # Every PNG file opens with these eight bytes.
  signature=$(head -c 8 "$out" 2>/dev/null | od -An -tx1 | tr -d ' \n')
  if [ ! -s "$out" ] || [ "$signature" != 89504e470d0a1a0a ]; then
    echo "$out is not a non-empty PNG file"; status=1
  fi
elif [ -e "$out" ]; then
  echo "$out was written although the input failed its check"; status=1
fi
if [ "$expected_err" != - ] && ! grep -qxF "$(cat "$expected_err")" "$err"; then
  echo "standard error lacks the message of $expected_err:"; cat "$err"; status=1
fi
exit $status
