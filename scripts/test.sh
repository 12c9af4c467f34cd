#!/usr/bin/env bash
# Builds everything and runs every test. Usage: test.sh [--sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  flags=(-DQF_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  # Unlocked movable blocks really move at their next lock, so a pointer
  # kept past its unlock reads freed memory and the sanitizers catch it.
  export QF_GLOBAL_MOVE=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi

bash scripts/deps.sh linux
cmake -S . -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
