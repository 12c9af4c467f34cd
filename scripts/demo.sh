#!/usr/bin/env bash
# Builds everything and runs the main job: the host on its built-in recording.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh linux
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
build/bin/qfftana demo "$@"
