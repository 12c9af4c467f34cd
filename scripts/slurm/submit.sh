#!/usr/bin/env bash
# Submits a qfftana batch to Slurm: one array task per recording of LIST
# (one path a line, as the tables will name it; relative paths from the
# folder this is run in), then `qfftana merge DIR` once every task has
# ended, however it ended.
# Usage: submit.sh [--wait] LIST DIR [analysis options]
#   --wait   return only when the merge has run (its exit status)
# QFFTANA names the program when it is not on the PATH of the nodes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wait=()
if [ "${1:-}" = "--wait" ]; then
  wait=(--wait)
  shift
fi
if [ $# -lt 2 ]; then
  echo "usage: submit.sh [--wait] LIST DIR [analysis options]" >&2
  exit 2
fi
list=$1 dir=$2
shift 2
qfftana=${QFFTANA:-qfftana}
mkdir -p "$dir"
grep -v '^$' "$list" > "$dir/files.txt.part"
mv "$dir/files.txt.part" "$dir/files.txt"
twice=$(sort "$dir/files.txt" | uniq -d | head -1)
if [ -n "$twice" ]; then
  echo "submit.sh: $twice is listed twice" >&2
  exit 2
fi
count=$(wc -l < "$dir/files.txt")
if [ "$count" -eq 0 ]; then
  echo "submit.sh: $list lists no recording" >&2
  exit 2
fi
array=$(sbatch --parsable --array=0-$((count - 1)) --output="$dir/slurm-%A_%a.out" \
        "$here/qfftana-array.sbatch" "$dir" "$@")
array=${array%%;*}
echo "array job $array: $count recordings into $dir"
# With --wait, sbatch ends with the merge's exit status: 1 when a
# recording failed, which the tables then say.
status=0
merge=$(sbatch --parsable "${wait[@]}" --dependency=afterany:"$array" --job-name=qfftana-merge \
        --output="$dir/slurm-merge-%j.out" --wrap "$(printf '%q ' "$qfftana" merge "$dir")") || status=$?
echo "merge job ${merge%%;*}: $dir/summary.csv, $dir/coherence.csv"
exit $status
