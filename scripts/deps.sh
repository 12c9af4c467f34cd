#!/usr/bin/env bash
# Installs what a build needs on a fresh Debian 12 machine, and nothing when
# it is all there already. Usage: deps.sh [linux] [windows] [wine] [fuzz] [slurm]
set -euo pipefail

linux_pkgs=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
            libkissfft-dev libbiosig-dev libcairo2-dev libfontconfig-dev
            fonts-ipafont-gothic chromium)
windows_pkgs=(g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
              binutils-mingw-w64-x86-64 googletest dpkg-dev)
wine_pkgs=(wine wine64)
fuzz_pkgs=(clang libclang-rt-14-dev)
slurm_pkgs=(slurm-wlm munge)

want=()
for set in "${@:-linux}"; do
  case "$set" in
    linux) want+=("${linux_pkgs[@]}") ;;
    windows) want+=("${windows_pkgs[@]}") ;;
    wine) want+=("${wine_pkgs[@]}") ;;
    fuzz) want+=("${fuzz_pkgs[@]}") ;;
    slurm) want+=("${slurm_pkgs[@]}") ;;
    *) echo "deps.sh: unknown package set '$set'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
