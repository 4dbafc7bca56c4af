#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine, used as a person uses it: tavrendale.exe runs on Wine's
# virtual desktop on a private virtual X server and is driven by mouse and keyboard through
# xdotool. What it shows is read back the way a screen reader reads it, through UI Automation,
# the accessibility interface Qt gives every widget on Windows (tests/windows/ScreenReader.cpp),
# and window places through the window manager's own list. The program has no test hooks.
#   tests/windows/wine-test.sh <tavrendale.exe> <work folder>
# Leaves screenshots of the windows in <work folder>/shots. Exits 77 (skipped) with the reason
# when Wine, Xvfb, xdotool, ImageMagick or mingw-w64 is missing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
exe=$(realpath "${1:?tavrendale.exe}")
work=$(mkdir -p "${2:?work folder}" && realpath "$2")

source "$root/scripts/wine-tools.sh"
for tool in xdotool import; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is not installed (scripts/deps.sh test)"; exit 77; }
done

reader=$work/screen-reader.exe
if [ ! "$reader" -nt "$here/ScreenReader.cpp" ]; then
  "$cxx" -std=c++20 -O1 -Wall -Wextra -Wpedantic -static "$here/ScreenReader.cpp" -o "$reader" -loleaut32 -lole32 ||
    { echo "FAILED: the screen reader does not build"; exit 1; }
fi

# One prefix, made on the first run and kept: the program writes nothing into it.
export WINEPREFIX=$work/prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Wine hands the environment on to Windows programs: the test command's headless Qt platform
# must not reach this one.
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR
export exe reader work wine wineserver

run() {
  local started=$SECONDS failures=0 checks=0
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    echo "$(date +%T) creating the Wine prefix"
    rm -rf "$WINEPREFIX"
    # The program's windows are moved by Wine's own move loop, as on Windows, only in the
    # virtual desktop.
    if ! "$wine" wineboot --init >"$work/boot.log" 2>&1 || ! "$wineserver" -w; then
      echo "SKIPPED: Wine could not create a prefix:"; tail -5 "$work/boot.log"; return 77
    fi
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' \
      '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' >"$work/desktop.reg"
    "$wine" regedit /S "$work/desktop.reg" >/dev/null 2>&1 && "$wineserver" -w &&
      touch "$WINEPREFIX/.ready" || { echo "SKIPPED: Wine could not set up its virtual desktop"; return 77; }
  fi

  fail() { failures=$((failures + 1)); echo "FAILED: $*"; }
  pass() { echo "ok: $*"; }
  check() { # description, then a command that must succeed
    local what=$1
    shift
    checks=$((checks + 1))
    if "$@"; then pass "$what"; else fail "$what"; fi
  }

  # The screen reader's answers, without Windows' line ends.
  windows() { timeout 30 "$wine" "$reader" windows 2>/dev/null | tr -d '\r'; }
  tree() { timeout 30 "$wine" "$reader" tree "$1" 2>/dev/null | tr -d '\r'; }
  # "left top width height" of the top-level window with handle or title $1.
  window_rect() {
    windows | awk -v w="$1" '$1 == "window" { t = $0; sub(/^([^ ]+ ){8}/, "", t)
      if ($2 == w || t == w) { print $3, $4, $5, $6; exit } }'
  }
  # The handles of the top-level windows titled $1, front to back.
  handles() { windows | awk -v w="$1" '$1 == "window" { t = $0; sub(/^([^ ]+ ){8}/, "", t); if (t == w) print $2 }'; }
  # One element of window $1: the one whose automation id ends in ".$2", or failing that the
  # one named $2. Prints "left top width height state", "name" and "value" on three lines.
  element() {
    tree "$1" | awk -F '\t' -v key="$2" '
      $1 !~ /^window/ { split($1, f, " "); name = $1; sub(/^([^ ]+ ){8}/, "", name)
        if (f[8] ~ ("(^|[.])" key "$")) { print f[3], f[4], f[5], f[6], f[7]; print name; print $2; found = 1; exit }
        if (!byname && name == key) byname = f[3] " " f[4] " " f[5] " " f[6] " " f[7] "\n" name "\n" $2 }
      END { if (!found && byname) print byname }'
  }
  name_of() { element "$1" "$2" | sed -n 2p; }
  value_of() { element "$1" "$2" | sed -n 3p; }
  state_of() { element "$1" "$2" | sed -n '1s/.* //p'; }
  enabled() { case $(state_of "$1" "$2") in *e*) return 0 ;; *) return 1 ;; esac; }
  disabled() { ! enabled "$@"; }
  shows() { tree "$1" | grep -qF -- "$2"; }
  named() { [ "$(name_of "$1" "$2")" = "$3" ]; }
  wait_for() { # seconds, command...: until the command succeeds
    local limit=$((SECONDS + $1))
    shift
    until "$@"; do
      [ $SECONDS -ge $limit ] && return 1
      sleep 0.3
    done
  }
  window_shown() { [ -n "$(window_rect "$1")" ]; }
  window_gone() { [ -z "$(window_rect "$1")" ]; }
  # The question box: a window titled "Tavrendale" in front of the main window.
  question() { handles Tavrendale | grep -vx "$main" | head -1; }
  question_shown() { local box; box=$(question) && [ -n "$box" ] && shows "$box" "$1"; }

  # Input goes to X coordinates: Windows' screen coordinates plus the place of Wine's
  # desktop window on the X screen.
  click_at() { xdotool mousemove $((dx + $1)) $((dy + $2)) click 1; }
  click() { # window, element
    local box
    box=$(element "$1" "$2" | head -1)
    [ -n "$box" ] || { echo "no element $2 to click"; return 1; }
    set -- $box
    click_at $(($1 + $3 / 2)) $(($2 + $4 / 2))
  }
  # Drags window $1 by its title bar so that its top-left corner heads for ($2, $3); checks
  # run while the button is still down.
  grab() {
    local rect
    rect=$(window_rect "$1")
    set -- $rect
    gx=$(($1 + $3 / 2))
    gy=$(($2 + 10))
    ox=$((gx - $1))
    oy=$((gy - $2))
    xdotool mousemove $((dx + gx)) $((dy + gy)) mousedown 1
    sleep 0.3
  }
  drag_to() { # left, top: in a few steps, as a hand moves
    local i x y
    for i in 1 2 3 4 5; do
      x=$((gx + (($1 + ox - gx) * i) / 5))
      y=$((gy + (($2 + oy - gy) * i) / 5))
      xdotool mousemove $((dx + x)) $((dy + y))
      sleep 0.15
    done
    sleep 0.5
  }
  release() { xdotool mouseup 1; sleep 0.5; }
  left_is() { [ "$(window_rect "$1" | cut -d' ' -f1)" = "$2" ]; }
  top_is() { [ "$(window_rect "$1" | cut -d' ' -f2)" = "$2" ]; }

  mkdir -p "$work/shots"
  shoot() { # window, file name
    local rect
    rect=$(window_rect "$1")
    [ -n "$rect" ] || return 1
    set -- $rect "$2"
    import -window root -crop "$3x$4+$((dx + $1))+$((dy + $2))" +repage "$work/shots/$5.png"
  }

  echo "$(date +%T) starting tavrendale.exe"
  "$wine" "$exe" >"$work/program.log" 2>&1 &
  local program=$!
  if ! wait_for 120 window_shown Tavrendale; then
    echo "FAILED: the main window did not appear"
    "$wineserver" -k
    return 1
  fi
  main=$(handles Tavrendale | head -1)
  local desktop
  desktop=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -1)
  dx=0 dy=0
  [ -n "$desktop" ] && eval "$(xdotool getwindowgeometry --shell "$desktop" | sed -n 's/^X=/dx=/p; s/^Y=/dy=/p')"
  read -r wl wt ww wh < <(windows | awk '$1 == "workarea" { print $2, $3, $4, $5 }')

  echo "$(date +%T) the main window at start"
  wait_for 20 shows "$main" "Test duration (minute(s)):"
  check "the main window reads the duration's label" shows "$main" "Test duration (minute(s)):"
  check "the duration field has the focus" eval '[[ $(state_of "$main" txtTime) == *f* ]]'
  check "Stop is off at start" disabled "$main" cmdStop
  check "the answer field is off at start" disabled "$main" txtResult
  shoot "$main" main-start

  echo "$(date +%T) a run with typed answers"
  click "$main" cmdStart
  check "Start begins the run: Stop on" wait_for 10 enabled "$main" cmdStop
  check "Start and the duration field are off during the run" eval 'disabled "$main" cmdStart && disabled "$main" txtTime'
  local i a b sum digit want line lines=0 right=0
  for i in 1 2 3 4; do
    a=$(name_of "$main" lblVal1)
    b=$(name_of "$main" lblVal2)
    sum=$(((a + b) % 10))
    # The second answer is wrong on purpose.
    if [ $i -eq 2 ]; then digit=$(((sum + 1) % 10)) want=FALSE; else digit=$sum want=TRUE right=$((right + 1)); fi
    xdotool type "$digit"
    xdotool key Return
    lines=$i
    line="$a + $b = $digit | $want"
    check "answer $i is logged as \"$line\"" wait_for 10 shows "$main" "$line"
  done
  xdotool mousemove $((dx + 1)) $((dy + 1))
  shoot "$main" main-running

  echo "$(date +%T) Stop, answered No, then Yes"
  click "$main" cmdStop
  check "Stop asks first" wait_for 10 question_shown "Are you sure want to stop?"
  shoot "$(question)" stop-question
  click "$(question)" "No"
  check "No closes the question" wait_for 10 eval '[ -z "$(question)" ]'
  local before after
  before=$(name_of "$main" lblTimer)
  sleep 2.2
  after=$(name_of "$main" lblTimer)
  check "after No the run goes on: the clock moved from $before to $after" [ "$before" != "$after" ]
  check "after No Stop is still on" enabled "$main" cmdStop
  click "$main" cmdStop
  wait_for 10 question_shown "Are you sure want to stop?"
  click "$(question)" "Yes"
  check "Yes shows the results" wait_for 10 named "$main" lblTotalAnswered "Total answered: $lines"
  check "the true answers are counted" named "$main" lblTotalTrue "Total true: $right"
  check "the false answers are counted" named "$main" lblTotalFalse "Total false: $((lines - right))"
  local duration seconds
  duration=$(name_of "$main" lblDuration)
  seconds=$(echo "$duration" | awk -F '[ :]' '{ print $2 * 60 + $3 }')
  check "the duration line reads like \"Duration: 0:07\" ($duration)" eval '[[ $duration =~ ^Duration:\ 0:[0-5][0-9]$ ]]'
  check "the rate per second is true answers over seconds" \
    named "$main" lblOpSec "Operation per sec: $(awk -v t=$right -v s="$seconds" 'BEGIN { printf "%.2f", t / s }')"
  check "the rate per minute is true answers over minutes" \
    named "$main" lblOpMin "Operation per min: $(awk -v t=$right -v s="$seconds" 'BEGIN { printf "%.2f", t / (s / 60) }')"
  check "the stopped run ends with Start on" enabled "$main" cmdStart
  shoot "$main" main-results
  click "$main" cmdBack
  check "Back hides the results" wait_for 10 enabled "$main" txtTime

  echo "$(date +%T) the About menu and window"
  click "$main" cmdAbout
  local menu=
  find_menu() { menu=$(windows | awk -v m="$main" '$1 == "window" && $2 != m { print $2; exit }'); [ -n "$menu" ]; }
  check "A&bout opens its menu" wait_for 10 find_menu
  check "the menu offers About Rule, About Pauli-Kraepelin Test and About Tavrendale" \
    eval 'tree "$menu" | grep -c -e "About Rule" -e "About Pauli-Kraepelin Test" -e "About Tavrendale" | grep -qx 3'
  xdotool key t
  check "About Tavrendale opens the About window" wait_for 20 window_shown "About Tavrendale"
  about=$(handles "About Tavrendale" | head -1)
  wait_for 10 shows "$about" "author@example.com"
  check "the About window reads its texts" \
    eval 'shows "$about" "Coded by: A. N. Author aka anauthor" && shows "$about" "author@example.com" && shows "$about" "v1.0"'
  check "the credits box holds the credits" eval 'value_of "$about" txtCredits | grep -qF "3rd party components"'
  check "the OK button has the focus" eval '[[ $(state_of "$about" cmdOK) == *f* ]]'
  shoot "$about" about

  echo "$(date +%T) the About window snaps to the main window"
  local ml mt mw mh
  read -r ml mt mw mh < <(window_rect "$main")
  grab "$about"
  drag_to $((ml + mw + 8)) "$mt"
  check "dragged 8 px right of the main window, the About window parks flush against it while moving" \
    left_is "$about" $((ml + mw))
  release
  check "and stays there when let go" eval 'left_is "$about" $((ml + mw)) && top_is "$about" "$mt"'
  click "$about" cmdOK
  check "OK closes the About window" wait_for 10 window_gone "About Tavrendale"

  echo "$(date +%T) the main window snaps to the work area"
  grab "$main"
  drag_to $((wl + 8)) $((wt + 100))
  check "dragged 8 px from the work area's left edge, the window snaps to it while moving" left_is "$main" "$wl"
  release
  check "and stays there when let go" left_is "$main" "$wl"
  grab "$main"
  drag_to $((wl + 20)) $((wt + 100))
  release
  check "dragged 20 px from the edge, it stays at 20 px" left_is "$main" $((wl + 20))

  echo "$(date +%T) Exit"
  click "$main" cmdExit
  check "Exit asks first" wait_for 10 question_shown "Are you sure want to exit?"
  click "$(question)" "Yes"
  check "Yes ends the program" wait_for 20 eval '! kill -0 $program 2>/dev/null'

  echo "$(date +%T) done: $((checks - failures)) of $checks checks passed in $((SECONDS - started)) s"
  "$wineserver" -k 2>/dev/null
  wait "$program" 2>/dev/null
  [ $failures -eq 0 ]
}

export -f run
XSERVER_WM=none XSERVER_SIZE=1024x768x24 "$root/scripts/docking/with-xserver.sh" bash -c run
