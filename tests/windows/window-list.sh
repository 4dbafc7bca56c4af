# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wine tests after scripts/wine-tools.sh: the window list (WindowList.cpp),
# the window manager's own list of the windows' places and titles, built for Wine.

# Builds the window list into $1 unless it is newer than its sources; says why when it
# does not build, and returns 1.
build_window_list() {
  local sources=$root/tests/windows
  [ "$1" -nt "$sources/WindowList.cpp" ] && [ "$1" -nt "$sources/WindowPlace.h" ] && return 0
  "$cxx" -std=c++20 -O1 -Wall -Wextra -Wpedantic -static "$sources/WindowList.cpp" -o "$1" ||
    { echo "FAILED: the window list does not build"; return 1; }
}
