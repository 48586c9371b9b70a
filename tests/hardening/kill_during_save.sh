#!/usr/bin/env bash
# Kills the program's savers with SIGKILL at random moments, 100 times each: a word book of
# 100 000 words being sorted and written, and the parameter file being written. After every
# kill both files must be whole: the old state or the new one, never a mix or a torn file.
set -euo pipefail
helper=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$helper" prepare "$dir"
"$helper" check "$dir"

kill_at_random() {  # $1: what the helper writes
  local pipe="$dir/ready" pid
  for round in $(seq 100); do
    rm -f "$pipe"
    "$helper" "$1" "$dir" > "$pipe" &
    pid=$!
    for _ in $(seq 200); do [ -s "$pipe" ] && break; sleep 0.01; done
    sleep "0.$(printf '%03d' $((RANDOM % 300)))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    "$helper" check "$dir" || { echo "FAIL: $1, round $round: a file is not whole"; exit 1; }
    # Left-over temporary files of the atomic writer do no harm, but do not pile up either.
    rm -f "$dir"/*.utx.* "$dir"/Quillo.rng.* 2>/dev/null || true
  done
}
kill_at_random books
kill_at_random params
echo "PASS: 200 kills, every file whole"
