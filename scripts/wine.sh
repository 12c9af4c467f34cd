#!/usr/bin/env bash
# Runs the Windows test programs (built by scripts/windows.sh) under Wine,
# headless, in a fresh prefix: the x86_64 build always, the i686 build when
# Wine's 32-bit part (wine32:i386) installs. Fails when a program fails or
# times out, and prints GoogleTest's summary lines of each.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
programs=(windows_tests platform_tests libs_tests frame_tests engine_tests views_tests export_tests settings_tests)

bash scripts/deps.sh wine

# wine32 comes from the i386 architecture, whose index can be out of step
# with amd64's; when it does not install, the i386 architecture is removed
# again (if nothing else uses it) so later apt-get runs are not hurt.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
have32=0
if installed wine32:i386; then
  have32=1
else
  echo "== trying to install wine32:i386"
  added=0
  dpkg --print-foreign-architectures | grep -qx i386 || { dpkg --add-architecture i386; added=1; }
  if DEBIAN_FRONTEND=noninteractive timeout 300 apt-get update -qq >/dev/null 2>&1 &&
     DEBIAN_FRONTEND=noninteractive timeout 600 apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>&1; then
    have32=1
  else
    echo "wine32:i386 did not install: the i686 build is not run"
    if [ $added = 1 ] && ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
      dpkg --remove-architecture i386
      DEBIAN_FRONTEND=noninteractive timeout 300 apt-get update -qq >/dev/null 2>&1 || true
    fi
  fi
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
timeout 120 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
timeout 60 wineserver -w
echo "== Wine prefix ready in $((SECONDS - prefix_start)) s"

fail=0
run_build() {
  local bin=$1 arch=$2 log
  for prog in "${programs[@]}"; do
    [ -f "$bin/$prog.exe" ] || continue
    log=$(mktemp)
    echo "== $arch $prog"
    local rc=0
    (cd "$bin" && timeout -k 10 300 wine "$prog.exe") >"$log" 2>&1 || rc=$?
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

run_build build-win-x86_64/bin x86_64
if [ $have32 = 1 ]; then
  run_build build-win/bin i686
fi
timeout 30 wineserver -w || true
echo "== Wine stage: $((SECONDS - start)) s"
exit $fail
