#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Win32 docking test program with mingw-w64 and runs it under Wine in a virtual
# desktop on a private virtual X server:
#   scripts/docking/wine-test.sh <build folder>
# Exits 77 (the test is skipped) with the reason when mingw-w64, Wine or Xvfb is missing, and
# fails when Wine is there but cannot start.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:?build folder}/wine
mkdir -p "$out"

source "$root/scripts/wine-tools.sh"
require_tools Xvfb

exe=$out/docking-wine-tests.exe
sources=("$root/src/docking/SnapRect.cpp" "$root/src/docking/Docking.cpp"
         "$root/src/docking/DockingWin32Messages.cpp" "$root/src/docking/DockingWin32.cpp"
         "$root/tests/docking/wine/WineDockingTest.cpp")
if ! "$cxx" -std=c++20 -O1 -Wall -Wextra -Wpedantic -static -I"$root/src" "${sources[@]}" \
     -o "$exe" -luser32; then
  echo "FAILED: the Win32 test program does not build"
  exit 1
fi

# A fresh prefix for every run, removed afterwards; no Mono or Gecko installers.
export WINEPREFIX=$out/prefix-$$
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
rm -rf "$WINEPREFIX"

run() {
  echo "$(date +%T) creating the Wine prefix"
  if ! "$wine" wineboot --init >"$WINEPREFIX.boot.log" 2>&1 || ! "$wineserver" -w; then
    echo "FAILED: Wine ($wine) is installed but could not create a prefix:"; tail -5 "$WINEPREFIX.boot.log"
    return 1
  fi
  # The full move loop (enter, moving, exit) runs only in Wine's own virtual desktop.
  printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' \
    '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
    >"$WINEPREFIX/desktop.reg"
  if ! "$wine" regedit /S "$WINEPREFIX/desktop.reg" >/dev/null 2>&1 || ! "$wineserver" -w; then
    echo "FAILED: Wine ($wine) is installed but could not set up its virtual desktop"
    return 1
  fi
  echo "$(date +%T) running the test program"
  timeout 120 "$wine" "$exe"
  local rc=$?
  "$wineserver" -k 2>/dev/null
  echo "$(date +%T) done"
  return $rc
}

export -f run
export wine wineserver exe
XSERVER_WM=none "$here/with-xserver.sh" bash -c run
rc=$?
rm -rf "$WINEPREFIX" "$WINEPREFIX.boot.log"
exit $rc
