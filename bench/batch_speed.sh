#!/usr/bin/env bash
# Times `qfftana batch` over 20 one-hour recordings with one worker and with
# two, in a temporary folder outside the repository, and prints the ratio
# (the goal: two workers take under 60 % of one worker's time on 2 cores).
# The two are timed in turn ROUNDS times and the fastest of each counts, so
# that other work on the machine weighs less.
# Usage: bench/batch_speed.sh [BUILD] [COUNT] [SECONDS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-20}
seconds=${3:-3600}
rounds=${4:-2}
qfftana=$PWD/$build/bin/qfftana
cmake --build "$build" --target qfftana longdemo -j2 >/dev/null
tmp=$(mktemp -d /tmp/qfbatch.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
"$build/bin/longdemo" "$seconds" "$tmp/rec01.edf"
for i in $(seq -w 2 "$count"); do cp "$tmp/rec01.edf" "$tmp/rec$i.edf"; done
echo "$count recordings of $seconds s, $(du -sh "$tmp" | cut -f1); load: $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A best=([1]=999999 [2]=999999)
for round in $(seq "$rounds"); do
  for jobs in 1 2; do
    rm -rf "$tmp/out$jobs"
    start=$(date +%s.%N)
    "$qfftana" batch "$tmp"/rec*.edf --out "$tmp/out$jobs" --settings "$tmp/settings" --jobs "$jobs" --quiet
    took=$(echo "$(date +%s.%N) - $start" | bc)
    echo "round $round, --jobs $jobs: $took s"
    best[$jobs]=$(echo "if ($took < ${best[$jobs]}) $took else ${best[$jobs]}" | bc)
  done
done
cmp "$tmp/out1/summary.csv" "$tmp/out2/summary.csv"
echo "fastest: --jobs 1 ${best[1]} s, --jobs 2 ${best[2]} s"
echo "ratio: $(echo "scale=3; ${best[2]} / ${best[1]}" | bc) (goal: under 0.600); load: $(cut -d' ' -f1-3 /proc/loadavg)"
