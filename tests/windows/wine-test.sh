#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine, used as a person uses it: tavrendale.exe runs on Wine's
# virtual desktop on a private virtual X server and is driven by mouse and keyboard through
# xdotool at the places its layout gives the controls. What it shows is read from the screen:
# digits by their shapes, learnt from the program's own text fields at the start (each digit
# typed into a field once), and window places from the window manager's own list
# (tests/windows/WindowList.cpp). The program has no test hooks. A practice exam sheet is then
# opened from the command line, answered by keys and stopped; its result is read from the
# results window's title and from the CSV file it saves, when told to, into the work folder.
# Last, a practice Pauli sheet is written as a PDF with --pdf, which must open no window.
# (Qt offers every widget to UI Automation, but Wine 8's client side cannot walk a tree yet.)
#   tests/windows/wine-test.sh <tavrendale.exe> <work folder>
# Leaves screenshots of the windows in <work folder>/shots and the sheet's answers in
# <work folder>/sheet-answers.csv. Exits 77 (skipped) with the reason
# when Wine, Xvfb, xdotool, ImageMagick or mingw-w64 is missing; a Wine that is installed but
# cannot start fails the test.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
exe=$(realpath "${1:?tavrendale.exe}")
results=$(mkdir -p "${2:?work folder}" && realpath "$2")

source "$root/scripts/wine-tools.sh"
source "$here/window-list.sh"
require_tools xdotool import

lister=$results/window-list.exe
build_window_list "$lister" || exit 1

# Wine hands the environment on to Windows programs: the test command's headless Qt platform
# must not reach this one.
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR
# Not "work": scripts/docking/with-xserver.sh sets that for itself.
export exe lister results wine wineserver

run() {
  local started=$SECONDS failures=0 checks=0
  # One prefix, made on the first run and kept: the program writes nothing into it.
  wine_prefix "$results/prefix" "$results/boot.log" || return 1
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    # The program's windows are moved by Wine's own move loop, as on Windows, only in the
    # virtual desktop.
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' \
      '' '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' >"$results/desktop.reg"
    "$wine" regedit /S "$results/desktop.reg" >/dev/null 2>&1 && "$wineserver" -w &&
      touch "$WINEPREFIX/.ready" || { echo "FAILED: Wine could not set up its virtual desktop"; return 1; }
  fi

  fail() { failures=$((failures + 1)); echo "FAILED: $*"; }
  pass() { echo "ok: $*"; }
  check() { # description, then a command that must succeed
    local what=$1
    shift
    checks=$((checks + 1))
    if "$@"; then pass "$what"; else fail "$what"; fi
  }
  wait_for() { # seconds, command...: until the command succeeds
    local limit=$((SECONDS + $1))
    shift
    until "$@"; do
      [ $SECONDS -ge $limit ] && return 1
      sleep 0.3
    done
  }

  # --- Windows, as the window manager lists them --------------------------------------------
  windows() { timeout 30 "$wine" "$lister" 2>/dev/null | tr -d '\r'; }
  # "left top width height client-left client-top" of the window with handle or title $1.
  window_rect() {
    windows | awk -v w="$1" '$1 == "window" { t = $0; for (k = 0; k < 8; k++) sub(/^[^ ]+ /, "", t)
      if ($2 == w || t == w) { print $3, $4, $5, $6, $7, $8; exit } }'
  }
  handles() { windows | awk -v w="$1" '$1 == "window" { t = $0; for (k = 0; k < 8; k++) sub(/^[^ ]+ /, "", t); if (t == w) print $2 }'; }
  window_shown() { [ -n "$(window_rect "$1")" ]; }
  window_gone() { [ -z "$(window_rect "$1")" ]; }
  left_is() { [ "$(window_rect "$1" | cut -d' ' -f1)" = "$2" ]; }
  top_is() { [ "$(window_rect "$1" | cut -d' ' -f2)" = "$2" ]; }
  # The question box: a window titled "Tavrendale" other than the main window.
  question() { handles Tavrendale | grep -vx "$main" | head -1; }
  question_shown() { [ -n "$(question)" ]; }
  question_gone() { [ -z "$(question)" ]; }

  # --- Places: the layout in pixels of the client area of window $1 ----------------------
  # Input and screenshots use X coordinates: Windows' screen coordinates plus the place of
  # Wine's desktop window on the X screen.
  client_origin() { # window: sets cx cy
    local rect
    rect=$(window_rect "$1")
    set -- $rect
    cx=$((dx + $5)) cy=$((dy + $6))
  }
  click_in() { # window, left, top, width, height: the middle of that box
    client_origin "$1"
    xdotool mousemove $((cx + $2 + $4 / 2)) $((cy + $3 + $5 / 2)) click 1
    sleep 0.3
  }
  rest_mouse() { xdotool mousemove $((dx + 1)) $((dy + 1)); }

  # --- Reading the screen ---------------------------------------------------------------------
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
  mkdir -p "$results/shots" "$results/glyphs"
  snap() { import -window root "$results/screen.png"; }
  # ink window left top width height out.png: that box of the last snap as black ink on white,
  # cut down to the ink (ImageMagick's -trim misjudges these two-colour pictures).
  ink() {
    client_origin "$1"
    convert "$results/screen.png" -alpha off -crop "$4x$5+$((cx + $2))+$((cy + $3))" +repage -colorspace Gray \
      -threshold 55% "$6"
    cut_to_ink "$6"
  }
  cut_to_ink() { # picture: cut down to its ink in place; fails when it holds none
    local columns rows
    columns=$(runs "$1")
    rows=$(runs "$1" rows)
    [ -n "$columns" ] && [ -n "$rows" ] || return 1
    set -- "$1" $(echo "$columns" | head -1 | cut -d' ' -f1) $(echo "$columns" | tail -1 | cut -d' ' -f2) \
      $(echo "$rows" | head -1 | cut -d' ' -f1) $(echo "$rows" | tail -1 | cut -d' ' -f2)
    convert "$1" -crop "$(($3 - $2 + 1))x$(($5 - $4 + 1))+$2+$4" +repage "$1"
  }
  # The columns (or with "rows" the rows) of an ink picture that hold ink, as runs "from to".
  runs() { # picture [rows]
    local w h scale field=1
    read -r w h < <(identify -format '%w %h\n' "$1")
    scale="${w}x1!"
    [ "${2:-}" = rows ] && scale="1x$h!" field=2
    convert "$1" -scale "$scale" -depth 8 txt:- | awk -F '[,: ]+' -v f=$field '
      NR > 1 { i = $f; inked = ($0 !~ /#FFFFFF/)
               if (inked && !open) { start = i; open = 1 }
               if (!inked && open) { print start, i - 1; open = 0 } }
      END { if (open) print start, i }'
  }
  # Pictures by their pixels alone (files differ in their time stamps).
  same_pixels() { [ "$(identify -format '%#' "$1")" = "$(identify -format '%#' "$2")" ]; }
  distinct() { identify -format '%#\n' "$@" | sort -u | wc -l; }
  # The last glyph of an ink picture (text is right-aligned or ends with the digit we want).
  last_glyph() { # picture out
    local run
    run=$(runs "$1" | tail -1)
    [ -n "$run" ] || return 1
    set -- "$1" "$2" $run
    convert "$1" -crop "$(($4 - $3 + 1))x1000+$3+0" +repage "$2" && cut_to_ink "$2"
  }
  # Which learnt digit (prefix: big or small) a glyph picture is: the nearest in shape, both
  # drawn to one size (text lands on fractions of pixels, so a shape may be a pixel wider).
  digit_of() { # prefix picture
    local d score best= least=1
    convert "$2" -resize 24x32! "$results/glyphs/probe.png"
    for d in 0 1 2 3 4 5 6 7 8 9; do
      [ -f "$results/glyphs/$1-$d.png" ] || continue
      convert "$results/glyphs/$1-$d.png" -resize 24x32! "$results/glyphs/known.png"
      score=$(compare -metric RMSE "$results/glyphs/known.png" "$results/glyphs/probe.png" null: 2>&1 |
        sed -n 's/.*(\(.*\)).*/\1/p')
      if awk -v s="$score" -v l="$least" 'BEGIN { exit !(s < l) }'; then least=$score best=$d; fi
    done
    [ -n "$best" ] && awk -v l="$least" 'BEGIN { exit !(l < 0.3) }' && echo "$best"
  }
  shoot() { # window, file name: the whole window with its frame
    local rect
    rect=$(window_rect "$1")
    [ -n "$rect" ] || return 1
    set -- $rect "$2"
    import -window root -crop "$3x$4+$((dx + $1))+$((dy + $2))" +repage "$results/shots/$7.png"
  }

  # The main window's layout (pixels at 96 dpi, from its client area's top-left corner).
  local val1="8 8 81 121" val2="168 8 81 121" answer="331 11 91 118" duration="147 155 19 13"
  local start="192 156 41 33" stop="232 156 41 33" clock="320 168 97 25" about_button="240 208 89 25"
  local exit_button="336 208 89 25" log="18 26 261 130" back="16 168 265 25"
  local answered="288 112 129 17" true_line="288 128 129 17" false_line="288 144 129 17"
  local ok_button="240 240 65 25"

  echo "$(date +%T) starting tavrendale.exe"
  "$wine" "$exe" >"$results/program.log" 2>&1 &
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
  sleep 2
  rest_mouse
  snap
  shoot "$main" main-start

  echo "$(date +%T) learning the small digits from the duration field"
  local d
  for d in 0 1 2 3 4 5 6 7 8 9; do
    # "1d": the field keeps no leading zero.
    xdotool key ctrl+a
    xdotool type "1$d"
    # Away from the field, so its text cursor is not in the picture.
    xdotool key Tab
    sleep 0.4
    snap
    xdotool key shift+Tab
    ink "$main" $duration "$results/glyphs/field.png" && last_glyph "$results/glyphs/field.png" "$results/glyphs/small-$d.png"
  done
  # Three minutes: time enough on a busy machine to learn the big digits and answer before
  # the run would end by itself.
  xdotool key ctrl+a
  xdotool type 3
  check "the duration field shows each digit typed into it, each in a shape of its own" \
    eval '[ $(distinct "$results"/glyphs/small-?.png) -eq 10 ]'

  echo "$(date +%T) a run with typed answers"
  snap
  ink "$main" $clock "$results/glyphs/clock-0.png"
  click_in "$main" $start
  sleep 1
  rest_mouse
  # The answer field takes the focus at Start: learn the big digits from it.
  for d in 0 1 2 3 4 5 6 7 8 9; do
    xdotool key BackSpace
    xdotool type "$d"
    # Away from the field, so its text cursor is not in the picture.
    xdotool key Tab
    sleep 0.4
    snap
    ink "$main" $answer "$results/glyphs/big-$d.png"
    xdotool key shift+Tab
  done
  xdotool key BackSpace
  check "the answer field shows each digit typed into it, each in a shape of its own" \
    eval '[ $(distinct "$results"/glyphs/big-?.png) -eq 10 ]'
  snap
  ink "$main" $clock "$results/glyphs/clock-1.png"
  check "Start begins the run: the clock moves" eval '! same_pixels "$results/glyphs/clock-0.png" "$results/glyphs/clock-1.png"'
  local i a b sum digit right=0 answers=4 operand name
  for i in $(seq $answers); do
    snap
    for operand in val1:a val2:b; do
      name=${operand%%:*}
      ink "$main" ${!name} "$results/glyphs/${operand#*:}.png"
    done
    a=$(digit_of big "$results/glyphs/a.png")
    b=$(digit_of big "$results/glyphs/b.png")
    check "pair $i reads as two digits ($a + $b)" eval '[ -n "$a" ] && [ -n "$b" ]'
    sum=$(((${a:-0} + ${b:-0}) % 10))
    # The second answer is wrong on purpose.
    if [ "$i" -eq 2 ]; then digit=$(((sum + 1) % 10)); else digit=$sum right=$((right + 1)); fi
    xdotool type "$digit"
    xdotool key Return
    sleep 0.6
  done
  snap
  shoot "$main" main-running

  echo "$(date +%T) Stop, answered No, then Yes"
  click_in "$main" $stop
  check "Stop asks first" wait_for 10 question_shown
  shoot "$(question)" stop-question
  xdotool key alt+n
  check "No closes the question" wait_for 10 question_gone
  snap
  ink "$main" $clock "$results/glyphs/clock-2.png"
  sleep 2.2
  snap
  ink "$main" $clock "$results/glyphs/clock-3.png"
  check "after No the run goes on: the clock moves" eval '! same_pixels "$results/glyphs/clock-2.png" "$results/glyphs/clock-3.png"'
  click_in "$main" $stop
  wait_for 10 question_shown
  xdotool key alt+y
  check "Yes closes the question" wait_for 10 question_gone
  sleep 0.8
  rest_mouse
  snap
  shoot "$main" main-results
  ink "$main" $log "$results/glyphs/log.png"
  # Lines of text, not the thin lines of the focus frame around the current one.
  check "the answer log holds one line per answer ($answers)" \
    eval '[ $(runs "$results/glyphs/log.png" rows | awk "\$2 - \$1 >= 4" | wc -l) -eq $answers ]'
  local line want name
  for line in answered:$answers true_line:$right false_line:$((answers - right)); do
    want=${line#*:} name=${line%%:*}
    ink "$main" ${!name} "$results/glyphs/line.png"
    last_glyph "$results/glyphs/line.png" "$results/glyphs/count.png"
    check "the result line ${line%%:*} ends in $want" eval '[ "$(digit_of small "$results/glyphs/count.png")" = "$want" ]'
  done
  click_in "$main" $back
  sleep 0.5

  echo "$(date +%T) the About menu and window"
  local before_menu
  before_menu=$(windows | grep -c '^window')
  click_in "$main" $about_button
  find_menu() { [ "$(windows | grep -c '^window')" -gt "$before_menu" ]; }
  check "A&bout opens its menu" wait_for 10 find_menu
  local menu_rect
  menu_rect=$(windows | awk '$1 == "window" { print $3, $4; exit }')
  client_origin "$main"
  check "the menu opens at the button's bottom-left corner ($menu_rect)" \
    eval '[ "$menu_rect" = "$((cx - dx + 240)) $((cy - dy + 233))" ]'
  snap
  shoot "$(windows | awk '$1 == "window" { print $2; exit }')" about-menu
  xdotool key t
  check "About Tavrendale opens the About window" wait_for 20 window_shown "About Tavrendale"
  about=$(handles "About Tavrendale" | head -1)
  sleep 1
  rest_mouse
  shoot "$about" about

  echo "$(date +%T) the About window snaps to the main window"
  local ml mt mw mh
  read -r ml mt mw mh _ < <(window_rect "$main")
  grab "$about"
  drag_to $((ml + mw + 8)) "$mt"
  check "dragged 8 px right of the main window, the About window parks flush against it while moving" \
    left_is "$about" $((ml + mw))
  release
  check "and stays there when let go" eval 'left_is "$about" $((ml + mw)) && top_is "$about" "$mt"'
  click_in "$about" $ok_button
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
  click_in "$main" $exit_button
  check "Exit asks first" wait_for 10 question_shown
  xdotool key alt+y
  check "Yes ends the program" wait_for 20 eval '! kill -0 $program 2>/dev/null'

  echo "$(date +%T) a practice sheet from the command line"
  # Thirty seconds a column: the keys below are typed long before the call to the next one.
  local seed=7 format=kraepelin-30 csv=$results/sheet-answers.csv
  local results_title="Sheet results – Kraepelin 10 × 30 s (practice), seed $seed"
  rm -f "$csv"
  "$wine" "$exe" --sheet "$format" --practice --seed "$seed" >"$results/sheet.log" 2>&1 &
  program=$!
  # The question box is now any window titled "Tavrendale".
  main=none
  check "--sheet opens the Exam sheets window" wait_for 120 window_shown "Exam sheets"
  check "and only that window" window_gone Tavrendale
  local sheet
  sheet=$(handles "Exam sheets" | head -1)
  sleep 1
  rest_mouse
  snap
  shoot "$sheet" sheet-chosen
  # Enter starts it, after its procedure: Enter past the instructions, Space past the practice
  # pairs, and the 3-2-1; then as a pencil would: 1, 2, a pair passed, 3 taken back and written
  # again as 4, then 5.
  xdotool key Return
  sleep 1
  xdotool key Return
  sleep 0.5
  xdotool key space
  sleep 4
  xdotool type 12
  xdotool key space
  xdotool type 3
  xdotool key BackSpace
  xdotool type 45
  sleep 0.5
  snap
  shoot "$sheet" sheet-working
  xdotool key Escape
  check "Esc on the sheet asks first" wait_for 10 question_shown
  xdotool key alt+y
  check "Yes stops the sheet and shows its results ($results_title)" wait_for 30 window_shown "$results_title"
  local sheet_results
  sheet_results=$(handles "$results_title" | head -1)
  sleep 1
  rest_mouse
  snap
  shoot "$sheet_results" sheet-results

  # Save, into this test's own folder: the path typed over the suggested one.
  xdotool key alt+s
  if check "Save answers as CSV asks where" wait_for 20 window_shown "Save answers as CSV"; then
    sleep 1
    # The file name field has the focus; Wine's edit field selects all with End and then
    # Shift+Home (not Ctrl+A), each given its time.
    xdotool key End
    sleep 0.3
    xdotool key shift+Home
    sleep 0.3
    xdotool type "Z:${csv//\//\\}"
    xdotool key Return
    check "the answers are saved where asked" wait_for 20 test -s "$csv"
    check "and the dialog closes" wait_for 10 window_gone "Save answers as CSV"
  fi
  # The file's rows without the header, each "position,answer,corrections" and more.
  rows() { tr -d '\r' <"$csv" | awk -F, 'NR > 1'; }
  typed() { rows | awk -F, '{ print $4 "," $7 "," $9 }' | paste -sd ' '; }
  # Rows of another column or format, a pair that is not its neighbours' (each pair's second
  # digit is the next one's first), or an answer judged otherwise than by the unit digit of
  # the sum (a passed pair is not judged, nor timed).
  stray() { rows | awk -F, -v f="$format" '$2 != f || $3 != 1'; }
  unlinked() { rows | awk -F, 'NR > 1 && $5 != previous { print } { previous = $6 }'; }
  misjudged() {
    rows | awk -F, '($7 == "" && $8 $10 != "") || ($7 != "" && $8 != (($5 + $6) % 10 == $7 ? "TRUE" : "FALSE"))'
  }
  check "the file starts with its header" test "$(tr -d '\r' <"$csv" | head -1)" = \
    "index,format,period,position,operand1,operand2,answer,correct,corrections,answer_ms"
  check "it holds the five pairs as typed: 1, 2, passed, 4 after one correction, 5" \
    test "$(typed)" = "1,1,0 2,2,0 3,,0 4,4,1 5,5,0"
  check "every row is of this sheet's first column" test -z "$(stray)"
  check "the pairs are neighbours in the column" test -z "$(unlinked)"
  check "each answer is judged by the unit digit of the pair's sum, a passed pair not at all" test -z "$(misjudged)"

  echo "$(date +%T) Esc closes the results, then the sheet window and the program"
  xdotool key Escape
  check "Esc closes the results" wait_for 10 window_gone "$results_title"
  sleep 0.5
  xdotool key Escape
  check "Esc on the sheet window without a sheet running ends the program" \
    wait_for 20 eval '! kill -0 $program 2>/dev/null'

  echo "$(date +%T) a sheet's PDF from the command line, without a window"
  local pdf=$results/sheet.pdf
  rm -f "$pdf"
  timeout 120 "$wine" "$exe" --sheet pauli --practice --seed 7 --pdf "Z:${pdf//\//\\}" >"$results/pdf.log" 2>&1
  check "--pdf writes the PDF and ends with status 0" test $? -eq 0
  check "the file is a PDF" test "$(head -c 5 "$pdf" 2>/dev/null)" = "%PDF-"
  check "and no window was left open" window_gone "Exam sheets"

  echo "$(date +%T) done: $((checks - failures)) of $checks checks passed in $((SECONDS - started)) s"
  "$wineserver" -k 2>/dev/null
  wait "$program" 2>/dev/null
  [ $failures -eq 0 ]
}

export -f run wine_prefix
XSERVER_WM=none XSERVER_SIZE=1024x768x24 "$root/scripts/docking/with-xserver.sh" bash -c run
