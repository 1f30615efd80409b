#!/bin/sh
# Runs a command and compares its standard output (and, when given, its
# standard error) with stored files, and its exit status with the expected one;
# with QUORVEL_UPDATE_GOLDEN set, stores the outputs instead.
# usage: golden.sh EXPECTED_STDOUT EXPECTED_STDERR|- EXIT_STATUS STDIN|- COMMAND [ARG...]
set -u
expected_out=$1 expected_err=$2 expected_rc=$3 input=$4
shift 4
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
if [ "$input" = - ]; then input=/dev/null; fi
"$@" <"$input" >"$out" 2>"$err"
rc=$?
if [ -n "${QUORVEL_UPDATE_GOLDEN:-}" ]; then  # store the new outputs instead
  [ "$expected_out" = /dev/null ] || cp "$out" "$expected_out"
  [ "$expected_err" = - ] || [ "$expected_err" = /dev/null ] || cp "$err" "$expected_err"
fi
status=0
if [ "$rc" != "$expected_rc" ]; then
  echo "exit status $rc, expected $expected_rc"; cat "$err"; status=1
fi
if ! cmp -s "$out" "$expected_out"; then
  echo "standard output differs from $expected_out:"; diff "$expected_out" "$out" | head -40; status=1
fi
if [ "$expected_err" != - ] && ! cmp -s "$err" "$expected_err"; then
  echo "standard error differs from $expected_err:"; diff "$expected_err" "$err" | head -40; status=1
fi
exit $status
