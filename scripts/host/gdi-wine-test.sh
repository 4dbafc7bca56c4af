#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the case table of tests/host/qt/wine/GdiCases.h with the platform's GDI (a Win32
# program built with mingw-w64, run once under Wine) and compares the pixels with our
# drawing context's:
#   scripts/host/gdi-wine-test.sh <build folder> <comparison test program>
# Exits 77 (the test is skipped) with the reason when mingw-w64 or Wine is missing, and fails
# when Wine is there but cannot start. The
# Wine prefix is made once per build folder and kept; GDI needs no display, so none is used.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:?build folder}/gdi
compare=${2:?comparison test program}
mkdir -p "$out" && out=$(cd "$out" && pwd)

source "$root/scripts/wine-tools.sh"

src=$root/tests/host/qt/wine
exe=$out/gdi-reference.exe
if ! [ "$exe" -nt "$src/GdiReferenceWin32.cpp" ] || ! [ "$exe" -nt "$src/GdiCases.h" ]; then
  if ! "$cxx" -std=c++20 -O1 -Wall -Wextra -Wpedantic -static -I"$src" "$src/GdiReferenceWin32.cpp" \
       -o "$exe.new" -lgdi32 -luser32; then
    echo "FAILED: the Win32 drawing program does not build"
    exit 1
  fi
  mv "$exe.new" "$exe"
fi

unset DISPLAY WAYLAND_DISPLAY
wine_prefix "$out/prefix" "$out/wineboot.log" || exit 1

echo "$(date +%T) drawing with GDI under Wine"
rm -f "$out/gdi-reference.bin"
(cd "$out" && timeout 300 "$wine" "$exe" gdi-reference.bin)
rc=$?
"$wineserver" -k 2>/dev/null
if [ $rc -ne 0 ] || ! [ -s "$out/gdi-reference.bin" ]; then
  echo "FAILED: the Win32 drawing program ended with $rc"
  exit 1
fi

echo "$(date +%T) comparing with our drawing context"
TAVRENDALE_GDI_REFERENCE=$out/gdi-reference.bin QT_QPA_PLATFORM=offscreen "$compare"
