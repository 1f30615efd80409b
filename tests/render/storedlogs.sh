#!/bin/sh
# Draws each case of logs/cases.txt to the log of its redraw and compares it
# byte for byte with the stored logs/NAME.log; with QUORVEL_UPDATE_GOLDEN set,
# stores the new logs instead and says for each what changed, by kind of line.
# usage: storedlogs.sh PATH/TO/quorvel_cli
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
style=$here/../ui/orrag_style.ini
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
grep -v -e '^#' -e '^$' "$here/logs/cases.txt" | while read -r name options; do
    options=$(printf '%s' "$options" | sed "s|@STYLE@|$style|g")
    # shellcheck disable=SC2086 # the options are words without blanks
    if ! QT_QPA_PLATFORM=offscreen "$cli" render $options --out "$out/$name.log" 2>"$out/stderr"; then
        echo "$name: quorvel_cli failed: $(cat "$out/stderr")"
        exit 1
    fi
    if [ -n "${QUORVEL_UPDATE_GOLDEN:-}" ]; then
        # What the renewal changes, by the first word of the lines: "state -4 +3, print -1 +1".
        changed=$(diff "$here/logs/$name.log" "$out/$name.log" 2>/dev/null | awk '
            /^[<>] / { n[$2] += 0; if ($1 == "<") gone[$2]++; else came[$2]++ }
            END { for (k in n) printf "%s%s -%d +%d", (s++ ? ", " : ""), k, gone[k], came[k] }')
        cp "$out/$name.log" "$here/logs/$name.log" && echo "stored logs/$name.log: ${changed:-unchanged}"
    elif ! cmp -s "$here/logs/$name.log" "$out/$name.log"; then
        echo "$name: the redraw differs from logs/$name.log (first differences, stored < now):"
        diff "$here/logs/$name.log" "$out/$name.log" | head -n 8
        exit 1
    fi
done
