#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang with ASan and UBSan) in
# build-fuzz and runs each from its committed seed corpus, with movable
# memory blocks that really move at every lock.
#
# Usage: fuzz.sh                      each target for a fixed number of runs (CI)
#        fuzz.sh --long SECONDS [T..] each target (or those named) for SECONDS,
#                                     growing build-fuzz/corpus/<target>
# A crash leaves its input in build-fuzz/crashes/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

# Runs per target in CI: about a minute each on an idle machine.
declare -A runs=([protocol]=300 [settings]=150 [texts]=3000 [recording]=100000)
targets=(protocol settings texts recording)
seconds=""
if [ "${1:-}" = "--long" ]; then
  seconds="${2:?fuzz.sh --long SECONDS [target...]}"
  shift 2
  [ $# -gt 0 ] && targets=("$@")
fi

bash scripts/deps.sh linux fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQF_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export QF_GLOBAL_MOVE=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
mkdir -p build-fuzz/crashes
for t in "${targets[@]}"; do
  # The committed corpus stays as it is; new inputs go to a working copy:
  # a fresh one for CI, so that its runs start from the same inputs, and
  # one kept between long campaigns.
  if [ -n "$seconds" ]; then
    work=corpus/$t
    limit=(-max_total_time="$seconds")
  else
    work=ci-corpus/$t
    rm -rf build-fuzz/"$work"
    limit=(-runs="${runs[$t]}" -max_total_time=120)
  fi
  mkdir -p build-fuzz/"$work"
  cp -n tests/fuzz/corpus/"$t"/* build-fuzz/"$work"/
  echo "== fuzz_$t ${limit[*]}"
  (cd build-fuzz/bin && ./fuzz_"$t" "${limit[@]}" -timeout=60 -print_final_stats=1 \
     -artifact_prefix=../crashes/"$t"- ../"$work") 2>&1 \
    | grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::number_of_executed_units|ERROR|invariant|SUMMARY|crash-'
done
echo "== fuzzing passed"
