#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/windows.sh without building anything: what --qt-path and --cached-qt answer with an
# empty cache, with the cross-compiler and without it; the check that the program imports no
# DLL but Windows' own; the Debian release whose archive Qt's source comes from.
#   tests/windows/WindowsScriptTest.sh
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$root/tests/support/script-checks.sh"

# The machine's PATH without mingw-w64.
path_without "$work/no-mingw" 'x86_64-w64-mingw32-*'

windows_sh() { # PATH, arguments...: sets status and output
  local path=$1
  shift
  output=$(env PATH="$path" TAVRENDALE_CACHE="$work/cache" TAVRENDALE_WINDOWS_OUT="$work/out" \
    bash "$root/scripts/windows.sh" "$@" 2>&1)
  status=$?
}

# --- No static Qt in the cache ----------------------------------------------------------------
windows_sh "$work/no-mingw" --qt-path
check "without mingw-w64, --qt-path answers 1 (no Qt)" 1 "$status"
check "without mingw-w64, --qt-path prints no folder" "" "$output"
windows_sh "$work/no-mingw" --test --cached-qt
check "without mingw-w64, --test --cached-qt is skipped (77)" 77 "$status"
check "and says why" 1 "$(grep -c '^SKIPPED: x86_64-w64-mingw32-g++-posix is not installed' <<<"$output")"

if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  windows_sh "$PATH" --qt-path
  check "with mingw-w64 and an empty cache, --qt-path answers 1" 1 "$status"
  windows_sh "$PATH" --test --cached-qt
  check "with mingw-w64 and an empty cache, --test --cached-qt is skipped (77)" 77 "$status"
  check "and says why" 1 "$(grep -c '^SKIPPED: no static Qt for Windows' <<<"$output")"
  windows_sh "$PATH" --language-test --cached-qt
  check "with mingw-w64 and an empty cache, --language-test --cached-qt is skipped (77)" 77 "$status"
  check "and says why" 1 "$(grep -c '^SKIPPED: no static Qt for Windows' <<<"$output")"
else
  echo "(mingw-w64 is not installed: the answers with it are not checked)"
fi

# --- The DLLs the program may import ------------------------------------------------------------
# shellcheck source=../../scripts/windows.sh
source "$root/scripts/windows.sh"
imports() { printf '\tDLL Name: %s\r\n' "$@"; }
check "Windows' own DLLs, in any case, and its API sets pass" "" \
  "$(imports KERNEL32.dll USER32.dll gdi32.DLL ole32.dll UxTheme.dll WINSPOOL.DRV msvcrt.dll \
     api-ms-win-crt-runtime-l1-1-0.dll | foreign_dlls)"
check "the compiler's, Qt's and any other library's DLLs are named" \
  "libstdc++-6.dll libwinpthread-1.dll Qt6Core.dll zlib1.dll icuuc72.dll" \
  "$(imports KERNEL32.dll libstdc++-6.dll libwinpthread-1.dll Qt6Core.dll zlib1.dll icuuc72.dll |
     foreign_dlls | paste -sd' ')"
check "a DLL named like one of Windows' own with more to it is not Windows'" "user32x.dll" \
  "$(imports user32x.dll | foreign_dlls)"

# --- The Debian release of Qt's source package --------------------------------------------------
printf '%s\n' 'PRETTY_NAME="Debian GNU/Linux 13 (trixie)"' 'VERSION_CODENAME=trixie' 'ID=debian' \
  >"$work/os-release"
check "the source list names the machine's release and its security updates" \
  "debian trixie main|debian-security trixie-security main" \
  "$(qt_source_list "$work/os-release" | sed 's/.*http:\/\/deb\.debian\.org\///' | paste -sd'|')"
printf '%s\n' 'PRETTY_NAME="Debian GNU/Linux trixie/sid"' 'ID=debian' >"$work/os-release"
qt_source_list "$work/os-release" >/dev/null 2>&1
check "a system that names no release gives no source list" 1 "$?"

checks_verdict
