#!/usr/bin/env bash
# Cross-compiles the Windows modules and test programs with mingw-w64, for
# i686 (build-win/, the shipping build) and x86_64 (build-win-x86_64/), and
# checks both builds' export tables against scripts/exports.txt.
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

# The shipping 32-bit build, then the 64-bit one that Wine runs without any
# i386 packages; both with the same ordinals (cmake/Modules.cmake).
# An export failure of one build does not stop the other from building.
fail=0
for arch in i686 x86_64; do
  dir=$build; [ $arch = i686 ] || dir=$build-$arch
  echo "== Windows build: $arch"
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$arch.cmake \
        -DCMAKE_BUILD_TYPE=Release -DQF_KISSFFT_SOURCE_DIR="$PWD/$kiss" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
  OBJDUMP=$arch-w64-mingw32-objdump bash scripts/check-exports.sh "$dir/bin" scripts/exports.txt || fail=1
done
exit $fail
