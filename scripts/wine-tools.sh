# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build a Win32 program with mingw-w64 and run it under Wine:
# defines wine_prefix (below) and sets cxx, wine and wineserver (the 64-bit ones where Debian keeps them, in /usr/lib/wine or
# in TAVRENDALE_WINE_LIB), or exits 77 (the test is skipped) with the reason when one of them
# is missing. A Wine that is there but does not work is for the script to report as a failure.
cxx=x86_64-w64-mingw32-g++
wine_lib=${TAVRENDALE_WINE_LIB:-/usr/lib/wine}
wine=$(command -v wine64 || command -v wine || true)
[ -x "$wine_lib/wine64" ] && wine=$wine_lib/wine64
wineserver=$(command -v wineserver || true)
[ -x "$wine_lib/wineserver64" ] && wineserver=$wine_lib/wineserver64
source "$(dirname "${BASH_SOURCE[0]}")/require-tools.sh"
require_tools "$cxx"
[ -n "$wine" ] || skip "Wine is not installed (scripts/deps.sh test installs it)"
[ -n "$wineserver" ] || skip "wineserver is not installed (scripts/deps.sh test installs it)"

# Points Wine at the prefix in folder $1 (64-bit, quiet, without the Mono and Gecko installers
# or menu entries) and makes it there the first time, kept for the runs after; Wine's start-up
# messages go to the file $2. Returns 1, saying why, when Wine is there but cannot make it.
# A first wineboot now and then ends at once without a word while the machine is busy; it is
# tried a second time before that counts.
wine_prefix() {
  export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  [ -f "$WINEPREFIX/.made" ] && return 0
  local try
  for try in 1 2; do
    echo "$(date +%T) creating the Wine prefix (try $try)"
    rm -rf "$WINEPREFIX"
    if timeout 300 "$wine" wineboot --init >"$2" 2>&1 && "$wineserver" -w; then
      touch "$WINEPREFIX/.made"
      return 0
    fi
    "$wineserver" -k 2>/dev/null || true
  done
  echo "FAILED: Wine ($wine) is installed but could not create a prefix:"; tail -5 "$2"
  rm -rf "$WINEPREFIX"
  return 1
}
