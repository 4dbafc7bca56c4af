#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Wine tests' verdict on their tools (the Windows test, the GDI comparison and the Win32
# docking test): without
# Wine they are skipped (77) and say why; with a Wine that is installed but cannot start they
# fail, since a broken tool would otherwise pass unseen as a skip.
#   tests/windows/WineVerdictTest.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$root/tests/support/script-checks.sh"

# The machine's PATH without Wine, and no folder of Debian's 64-bit Wine.
path_without "$work/no-wine" 'wine*'
mkdir -p "$work/broken-wine" "$work/no-wine-lib"
# A Wine that is there but cannot start, as when its libraries are missing.
printf '%s\n' '#!/bin/sh' 'echo "wine: could not load kernel32.dll, status c0000135" >&2' 'exit 1' \
  >"$work/broken-wine/wine"
printf '%s\n' '#!/bin/sh' 'exit 0' >"$work/broken-wine/wineserver"
chmod +x "$work/broken-wine/wine" "$work/broken-wine/wineserver"
touch "$work/tavrendale.exe"

wine_test() { # PATH, test script and its arguments: sets status and output
  local path=$1
  shift
  output=$(env PATH="$path" TAVRENDALE_WINE_LIB="$work/no-wine-lib" "$@" 2>&1)
  status=$?
}
windows_test=("$here/wine-test.sh" "$work/tavrendale.exe" "$work/results")
gdi_test=("$root/scripts/host/gdi-wine-test.sh" "$work/gdi" /bin/false)
docking_test=("$root/scripts/docking/wine-test.sh" "$work/docking")

wine_test "$work/no-wine" "${windows_test[@]}"
check "without Wine the Windows test is skipped (77)" 77 "$status"
check "and says why" 1 "$(grep -c '^SKIPPED: Wine is not installed' <<<"$output")"
wine_test "$work/no-wine" "${gdi_test[@]}"
check "without Wine the GDI comparison is skipped (77)" 77 "$status"
wine_test "$work/no-wine" "${docking_test[@]}"
check "without Wine the docking test is skipped (77)" 77 "$status"

# The test gets as far as starting Wine only with its other tools; without one it is skipped,
# unless a check above failed.
(
  source "$root/scripts/require-tools.sh"
  require_tools --why "so a broken Wine is not reached; scripts/deps.sh test installs it" \
    x86_64-w64-mingw32-g++ Xvfb xdotool import
) || { [ "$failures" -eq 0 ] && exit 77; exit 1; }
wine_test "$work/broken-wine:$work/no-wine" "${windows_test[@]}"
check "with a Wine that cannot start the Windows test fails (1)" 1 "$status"
check "and says so" 1 "$(grep -c '^FAILED: Wine .* is installed but could not create a prefix' <<<"$output")"
wine_test "$work/broken-wine:$work/no-wine" "${gdi_test[@]}"
check "with a Wine that cannot start the GDI comparison fails (1)" 1 "$status"
check "and says so" 1 "$(grep -c '^FAILED: Wine .* is installed but could not create a prefix' <<<"$output")"
wine_test "$work/broken-wine:$work/no-wine" "${docking_test[@]}"
check "with a Wine that cannot start the docking test fails (1)" 1 "$status"
check "and says so" 1 "$(grep -c '^FAILED: Wine .* is installed but could not create a prefix' <<<"$output")"

checks_verdict
