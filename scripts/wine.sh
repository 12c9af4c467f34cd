#!/usr/bin/env bash
# Runs the Windows test programs (built by scripts/windows.sh) under Wine,
# headless, in a fresh prefix: the x86_64 build always, with Wine's 64-bit
# loader; the i686 build too where this machine can execute 32-bit programs
# and Wine's 32-bit part (wine32:i386) installs. QF_WINE_NO32=1 skips the
# i686 build as if 32-bit programs could not run. Fails when a program fails
# or times out, and prints GoogleTest's summary lines of each.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
programs=(windows_tests platform_tests libs_tests frame_tests engine_tests views_tests export_tests settings_tests)

bash scripts/deps.sh wine

# Each side's loader, named explicitly: /usr/bin/wine prefers the 32-bit one
# whenever wine32 is installed, and that one cannot start where the kernel
# runs no 32-bit programs, not even to hand a 64-bit program on.
wine64=(env WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64)
wine32=(/usr/lib/wine/wine)

# Whether the kernel executes a 32-bit program: a 93-byte i386 ELF that only
# exits with status 42 (xor ebx,ebx; mov bl,42; xor eax,eax; inc eax;
# int 0x80). It needs nothing installed, unlike /lib/ld-linux.so.2, which a
# fresh machine does not have.
runs32() {
  local probe rc=0
  probe=$(mktemp "$PWD/.qfelf32.XXXXXX") # where the builds run: not a noexec /tmp
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' >>"$probe"
  printf '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' >>"$probe"
  printf '\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00' >>"$probe"
  printf '\x00\x10\x00\x00\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' >>"$probe"
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1 || rc=$?
  rm -f "$probe"
  [ $rc = 42 ]
}

# wine32 comes from the i386 architecture, whose index can be out of step
# with amd64's; when it does not install, the i386 architecture is removed
# again (if nothing else uses it) so later apt-get runs are not hurt.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
install_wine32() {
  installed wine32:i386 && return 0
  echo "== trying to install wine32:i386"
  local added=0
  dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; added=1; }
  if DEBIAN_FRONTEND=noninteractive timeout 300 apt-get update -qq >/dev/null 2>&1 &&
     DEBIAN_FRONTEND=noninteractive timeout 600 apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>&1; then
    return 0
  fi
  echo "wine32:i386 did not install: the i686 build is not run"
  if [ $added = 1 ] && ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
    dpkg --remove-architecture i386
    DEBIAN_FRONTEND=noninteractive timeout 300 apt-get update -qq >/dev/null 2>&1 || true
  fi
  return 1
}

have32=0
if [ "${QF_WINE_NO32:-0}" = 1 ]; then
  echo "QF_WINE_NO32=1: running the x86_64 build only"
elif ! runs32; then
  echo "this machine cannot execute 32-bit programs: running the x86_64 build only"
elif install_wine32; then
  have32=1
fi

# A fresh prefix with the null graphics driver (windows and dialogs without
# a display) and no crash dialog (a crash prints a backtrace and exits).
# A Japanese locale makes the ANSI code page 932, the plug-in's, so texts
# from its resources come back as the same bytes as on Linux; Wine reads
# the locale's name itself, no generated glibc locale is needed.
export WINEPREFIX WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
WINEPREFIX=$(mktemp -d /tmp/qfwine.XXXXXX)
unset DISPLAY WAYLAND_DISPLAY
trap 'timeout 30 wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
prefix_start=$SECONDS
timeout 120 "${wine64[@]}" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
timeout 60 "${wine64[@]}" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
timeout 60 wineserver -w
echo "== Wine prefix ready in $((SECONDS - prefix_start)) s"

fail=0
run_build() {
  local bin=$1 arch=$2 log
  shift 2 # the rest: the loader's command
  for prog in "${programs[@]}"; do
    [ -f "$bin/$prog.exe" ] || continue
    log=$(mktemp)
    echo "== $arch $prog"
    local rc=0
    (cd "$bin" && timeout -k 10 300 "$@" "$prog.exe") >"$log" 2>&1 || rc=$?
    if [ $rc != 0 ]; then
      # Everything but the passing tests' lines: failures with their output.
      grep -v -E '^\[ +(RUN|OK) +\]' "$log" | tail -n 300
      [ $rc = 124 ] && echo "$arch $prog: timed out"
      echo "$arch $prog: FAILED (exit code $rc)"
      fail=1
    else
      grep -E '^\[(==========|  PASSED  |  FAILED  |  SKIPPED ) *\]' "$log" | grep -v -E 'Running|listed below' || true
    fi
    rm -f "$log"
  done
}

run_build build-win-x86_64/bin x86_64 "${wine64[@]}"
if [ $have32 = 1 ]; then
  run_build build-win/bin i686 "${wine32[@]}"
fi
timeout 30 wineserver -w || true
echo "== Wine stage: $((SECONDS - start)) s"
exit $fail
