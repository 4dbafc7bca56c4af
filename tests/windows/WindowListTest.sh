#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window list of the Windows test, built with mingw-w64 and run under Wine without a
# display: its reading of window places (WindowPlaceTest.cpp), and the list itself, which must
# end with the work area.
#   tests/windows/WindowListTest.sh <build folder>
# Exits 77 (the test is skipped) with the reason when mingw-w64 or Wine is missing, and fails
# when Wine is there but cannot start. The Wine prefix is made once per build folder and kept.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:?build folder}/window-list
mkdir -p "$out" && out=$(cd "$out" && pwd)

source "$root/scripts/wine-tools.sh"

for program in WindowList WindowPlaceTest; do
  if ! "$cxx" -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static "$here/$program.cpp" \
       -o "$out/$program.exe"; then
    echo "FAILED: $program.cpp does not build"
    exit 1
  fi
done

unset DISPLAY WAYLAND_DISPLAY
wine_prefix "$out/prefix" "$out/wineboot.log" || exit 1

failures=0
timeout 120 "$wine" "$out/WindowPlaceTest.exe" | tr -d '\r'
[ "${PIPESTATUS[0]}" -eq 0 ] || failures=$((failures + 1))
list=$(timeout 120 "$wine" "$out/WindowList.exe" | tr -d '\r')
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && tail -1 <<<"$list" | grep -Eq '^workarea -?[0-9]+ -?[0-9]+ [1-9][0-9]* [1-9][0-9]*$'; then
  echo "ok: the window list ends with the work area ($(tail -1 <<<"$list"))"
else
  echo "FAILED: the window list (exit code $status) does not end with the work area:"
  echo "$list"
  failures=$((failures + 1))
fi
"$wineserver" -k 2>/dev/null
[ "$failures" -eq 0 ]
