#!/usr/bin/env bash
# Times `qfftana batch` over 20 one-hour recordings with one worker and with
# two, in a temporary folder outside the repository, and prints the ratio
# (the goal: two workers take under 60 % of one worker's time on 2 cores).
# Usage: bench/batch_speed.sh [BUILD] [COUNT] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=${2:-20}
seconds=${3:-3600}
qfftana=$PWD/$build/bin/qfftana
cmake --build "$build" --target qfftana longdemo -j2 >/dev/null
tmp=$(mktemp -d /tmp/qfbatch.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
"$build/bin/longdemo" "$seconds" "$tmp/rec01.edf"
for i in $(seq -w 2 "$count"); do cp "$tmp/rec01.edf" "$tmp/rec$i.edf"; done
echo "$count recordings of $seconds s, $(du -sh "$tmp" | cut -f1); load: $(cut -d' ' -f1-3 /proc/loadavg)"
declare -A took
for jobs in 1 2; do
  start=$(date +%s.%N)
  "$qfftana" batch "$tmp"/rec*.edf --out "$tmp/out$jobs" --settings "$tmp/settings" --jobs "$jobs" --quiet
  took[$jobs]=$(echo "$(date +%s.%N) - $start" | bc)
  echo "--jobs $jobs: ${took[$jobs]} s"
done
cmp "$tmp/out1/summary.csv" "$tmp/out2/summary.csv"
echo "ratio: $(echo "scale=3; ${took[2]} / ${took[1]}" | bc) (goal: under 0.600); load: $(cut -d' ' -f1-3 /proc/loadavg)"
