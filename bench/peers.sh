#!/bin/sh
# quorvel_cli beside a peer, on the same N random cases (default 300000) in
# the same run: astronomy-engine (npm), installed into a folder of its own
# under the build tree, or skipped with a message when npm is missing.
#
# astronomy-engine is measured twice (see peer_astronomy.js): its whole node
# process (read, compute, write), and its bare compute loop over cases parsed
# beforehand: per case the Sun's equatorial and horizontal coordinates and
# its rotation axis. quorvel_cli is measured as a whole process, ephem
# --batch, which also reads, checks and writes the eleven captions. Each
# figure is the best of three runs.
# usage: bench/peers.sh PATH/TO/quorvel_cli PEER_FOLDER [N]
set -eu
cli=$1 peers=$2
n=${3:-300000}
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v npm >/dev/null 2>&1 || ! command -v node >/dev/null 2>&1; then
  echo "peers: npm or node is missing, astronomy-engine not measured"
  exit 0
fi
mkdir -p "$peers"
if [ ! -d "$peers/node_modules/astronomy-engine" ]; then
  (cd "$peers" && npm install --no-audit --no-fund --loglevel=error astronomy-engine >/dev/null) ||
    { echo "peers: npm could not install astronomy-engine, not measured"; exit 0; }
fi
input=$(mktemp)
trap 'rm -f "$input"' EXIT
"$here/cases.sh" "$n" >"$input"
seconds() {  # COMMAND...: whole-process seconds over the cases, the best of three runs
  for run in 1 2 3; do
    start=$(date +%s%N)
    "$@" <"$input" >/dev/null
    end=$(date +%s%N)
    echo $(( end - start ))
  done | sort -n | head -n 1 | awk '{ printf "%.3f", $1 / 1e9 }'
}
bare() {  # the best rate of three bare compute loops
  for run in 1 2 3; do
    NODE_PATH="$peers/node_modules" node "$here/peer_astronomy.js" bare <"$input" | awk '{ print $1 }'
  done | sort -n | tail -n 1
}
ours=$(seconds "$cli" ephem --batch)
whole=$(NODE_PATH="$peers/node_modules" seconds node "$here/peer_astronomy.js" whole)
bare=$(bare)
awk -v n="$n" -v o="$ours" -v w="$whole" -v b="$bare" 'BEGIN {
  q = n / o
  printf "peers, %d cases: quorvel_cli ephem --batch %.0f cases/s; astronomy-engine whole node process %.0f cases/s, bare compute loop %.0f values/s\n", n, q, n / w, b
  printf "peers: quorvel_cli is %.1f times astronomy-engine whole and %.1f times its bare compute loop (target 7)\n", q / (n / w), q / b }'
