#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles sources that build only on Windows for Windows, syntax only, with mingw-w64 and
# against the Qt headers of this build, so that they cannot break unseen on a machine that
# builds for X11:
#   scripts/win32-syntax.sh <Qt include folders, separated by ':'> <source>...
# Exits 77 (the test is skipped) when mingw-w64 is missing.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

source "$root/scripts/require-tools.sh"
cxx=x86_64-w64-mingw32-g++-posix
require_tools "$cxx"

IFS=: read -r -a qt_folders <<<"${1:?Qt include folders}"
shift
# Qt's targets bring the host's own system folders and platform definitions along; mingw-w64
# has its own, and the host's would break it.
includes=(-I"$root/src")
for folder in "${qt_folders[@]}"; do
  case $folder in
    "" | /usr/include | /usr/local/include | */mkspecs/*) ;;
    *) includes+=(-isystem "$folder") ;;
  esac
done

# Qt's own Windows builds compile with UNICODE; the sources call the A functions by name.
failures=0
for source in "$@"; do
  if "$cxx" -fsyntax-only -std=c++20 -Wall -Wextra -Wpedantic -Werror -DUNICODE -D_UNICODE \
       "${includes[@]}" "$source"; then
    echo "compiles for Windows: $source"
  else
    echo "FAILED: $source does not compile for Windows"
    failures=$((failures + 1))
  fi
done
exit $((failures == 0 ? 0 : 1))
