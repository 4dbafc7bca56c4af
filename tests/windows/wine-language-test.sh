#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine speaks the user's display language: started with a Japanese
# locale (Wine takes the display language from LANG), the exam sheets window it opens from the
# command line is titled as translations/sheet_ja.ts translates its title; started in the C
# locale, in English. The titles are read from the window manager's own list
# (tests/windows/WindowList.cpp), so the test pins no wording of its own.
#   tests/windows/wine-language-test.sh <tavrendale.exe> <work folder>
# The work folder keeps the Wine prefix and, where the system has no Japanese locale, one made
# with the C library's localedef; it gets a screenshot of each window in <work folder>/shots.
# Exits 77 (skipped) with the reason when Wine, Xvfb, ImageMagick, mingw-w64, Python or
# localedef is missing; a Wine that is installed but cannot start fails the test.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
exe=$(realpath "${1:?tavrendale.exe}")
results=$(mkdir -p "${2:?work folder}" && realpath "$2")

source "$root/scripts/wine-tools.sh"
source "$here/window-list.sh"
require_tools import python3

# The title of the exam sheets window in English and as the Japanese catalog translates it.
english_title="Exam sheets"
if ! japanese_title=$(python3 "$root/scripts/translated.py" sheet ja "$english_title"); then
  echo "FAILED: translations/sheet_ja.ts has no finished translation of \"$english_title\""
  exit 1
fi

# Wine asks the C library for the locale: without a Japanese one installed it would fall back
# to English unseen, so one is made for this test alone.
locale=ja_JP.UTF-8
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  command -v localedef >/dev/null 2>&1 || skip "no $locale locale, and no localedef to make one (package libc-bin)"
  if [ ! -f "$results/locales/$locale/LC_MESSAGES/SYS_LC_MESSAGES" ]; then
    mkdir -p "$results/locales"
    localedef -i ja_JP -f UTF-8 "$results/locales/$locale" >"$results/localedef.log" 2>&1 ||
      skip "localedef cannot make $locale (package locales)" "$results/localedef.log"
  fi
  export LOCPATH=$results/locales
fi

lister=$results/window-list.exe
build_window_list "$lister" || exit 1

# Wine hands the environment on to Windows programs: the test command's headless Qt platform
# must not reach this one, nor a language chosen around the test.
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR LANGUAGE LC_ALL LC_MESSAGES
export exe lister results wine wineserver locale english_title japanese_title

run() {
  local failures=0
  # One prefix, made on the first run and kept: the program writes nothing into it.
  wine_prefix "$results/prefix" "$results/boot.log" || return 1
  mkdir -p "$results/shots"

  titles() { timeout 30 "$wine" "$lister" 2>/dev/null | tr -d '\r' | awk '$1 == "window" {
    t = $0; for (k = 0; k < 8; k++) sub(/^[^ ]+ /, "", t); print t }'; }
  titled() { titles | grep -qxF "$1"; }
  wait_for() { # seconds, command...: until the command succeeds
    local limit=$((SECONDS + $1))
    shift
    until "$@"; do
      [ $SECONDS -ge $limit ] && return 1
      sleep 0.5
    done
  }

  # sheet <LANG> <expected title> <unexpected title> <shot name>
  sheet() {
    echo "$(date +%T) LANG=$1: tavrendale.exe --sheet kraepelin-15"
    LANG=$1 "$wine" "$exe" --sheet kraepelin-15 >"$results/program-$4.log" 2>&1 &
    local program=$!
    if wait_for 120 titled "$2"; then
      echo "ok: with LANG=$1 the exam sheets window is titled \"$2\""
      titled "$3" && { echo "FAILED: and a window is titled \"$3\" as well"; failures=$((failures + 1)); }
      sleep 1
      import -window root "$results/shots/$4.png"
    else
      echo "FAILED: with LANG=$1 no window is titled \"$2\"; the windows are titled:"
      titles | sed 's/^/  /'
      failures=$((failures + 1))
    fi
    "$wineserver" -k 2>/dev/null
    wait "$program" 2>/dev/null
  }
  sheet "$locale" "$japanese_title" "$english_title" sheets-ja
  sheet C.UTF-8 "$english_title" "$japanese_title" sheets-en
  [ $failures -eq 0 ] && echo "every check passed"
  [ $failures -eq 0 ]
}

export -f run wine_prefix
XSERVER_WM=none XSERVER_SIZE=1024x768x24 "$root/scripts/docking/with-xserver.sh" bash -c run
