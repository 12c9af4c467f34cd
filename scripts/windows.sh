#!/usr/bin/env bash
# Cross-compiles the 32-bit Windows modules with mingw-w64 and checks their
# export tables against scripts/exports.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh windows
build=build-win
mkdir -p "$build"

# KissFFT is two C files; the Windows build compiles Debian's own source.
kiss="$build/kissfft"
if [ ! -f "$kiss/kiss_fft.c" ]; then
  if ! grep -rqs 'deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    cat > /etc/apt/sources.list.d/qfftana-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    apt-get update -qq
  fi
  rm -rf "$build/kissfft-src" && mkdir -p "$build/kissfft-src"
  (cd "$build/kissfft-src" && apt-get source -qq kissfft >/dev/null 2>&1)
  rm -rf "$kiss" && mv "$(find "$build/kissfft-src" -maxdepth 1 -mindepth 1 -type d | head -n 1)" "$kiss"
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release -DQF_KISSFFT_SOURCE_DIR="$PWD/$kiss" >/dev/null
cmake --build "$build" -j"$(nproc)"
bash scripts/check-exports.sh "$build/bin" scripts/exports.txt
