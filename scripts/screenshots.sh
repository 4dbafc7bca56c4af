#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the README: the program runs on a private virtual X server with a
# window manager and is driven with xdotool, as a user would. A real two-minute run is
# answered by scripts/answer-pairs.py, which reads each pair from the program's
# accessibility tree (AT-SPI, on a private session bus) and types the answer. Then the main
# window, its results and work curve and an exam sheet again in each of the program's other
# languages (--lang), the windows found by their titles in that language (translations/).
#   scripts/screenshots.sh [output folder]      (default docs/screenshots)
# The Marks part of the Sheet results window in every language comes from an Uchida-Kraepelin
# sitting that misses two features of the typical curve, made by tools/sittingshot (the real
# sheet of seed 7, answered to that curve) rather than sat for 35 minutes.
# TAVRENDALE_BINARY=path uses an already built program instead of building one, and
# TAVRENDALE_SITTING_SHOT=path such a sitting_shot.
# TAVRENDALE_DISPLAY=:N uses that display number; by default the X server takes a free one.
# TAVRENDALE_SCREEN=WxH is the screen's size (1600x900 unless set).
# TAVRENDALE_LANGUAGES_ONLY=1 takes only the pictures in the other languages;
# TAVRENDALE_MARKS_ONLY=1 only those of the Marks part.
# TAVRENDALE_HISTORY_ONLY=1 takes only the History window's, in every language, on a screen of
# 1366 x 768, over a history kept from the CSV files of scripts/history-csv.py.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-$root/docs/screenshots}")
mkdir -p "$out"

# Built first, then the rest runs again inside a session bus of its own.
if [ -z "${TAVRENDALE_SHOTS_SESSION:-}" ]; then
  scripts/deps.sh build run shots
  program=${TAVRENDALE_BINARY:-}
  if [ -z "$program" ]; then
    build=$root/build-shots
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRENDALE_BUILD_TESTS=OFF \
          -DTAVRENDALE_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build" --target tavrendale sitting_shot -j 2
    program=$build/src/app/tavrendale
    export TAVRENDALE_SITTING_SHOT=${TAVRENDALE_SITTING_SHOT:-$build/tools/sittingshot/sitting_shot}
  fi
  TAVRENDALE_SHOTS_SESSION=1 TAVRENDALE_BINARY=$(realpath "$program") exec dbus-run-session -- "$0" "$out"
fi
program=$TAVRENDALE_BINARY

logs=$(mktemp -d)
# The program's settings and history in the script's own folder, never the user's: the results
# ask whether to keep a history, as on a fresh machine.
export XDG_CONFIG_HOME=$logs/config XDG_DATA_HOME=$logs/data
screen=${TAVRENDALE_SCREEN:+${TAVRENDALE_SCREEN}x24}
screen=${screen:-${TAVRENDALE_HISTORY_ONLY:+1366x768x24}}
screen=${screen:-1600x900x24}
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$logs"
}
trap cleanup EXIT

if [ -n "${TAVRENDALE_DISPLAY:-}" ]; then
  Xvfb "$TAVRENDALE_DISPLAY" -screen 0 "$screen" -nolisten tcp >"$logs/xvfb.log" 2>&1 &
  pids+=($!)
  display=$TAVRENDALE_DISPLAY
else
  # The server writes the number of the free display it took to descriptor 3.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$logs/display" >"$logs/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$logs/display" ] && break; sleep 0.1; done
  [ -s "$logs/display" ] || { echo "Xvfb did not start:" >&2; cat "$logs/xvfb.log" >&2; exit 1; }
  display=:$(tr -d '[:space:]' <"$logs/display")
fi
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >"$logs/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# A plain grey-blue desktop instead of black behind the windows.
xsetroot -solid '#4a6c8c' 2>/dev/null || true

# The accessibility bus, through which the answering script reads the pairs.
for launcher in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$launcher" ] && { "$launcher" --launch-immediately >"$logs/atspi.log" 2>&1 & pids+=($!); break; }
done
sleep 1

window_of() { # title
  local id="" pattern
  # The title as it stands, whatever characters a translation gives it.
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window titled '$1'" >&2; exit 1; }
  echo "$id"
}

# Captures a window with its frame: the client area widened by the frame extents.
shoot() { # window file
  local id=$1 file=$2 x y w h l r t b
  x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')
  h=$(xwininfo -id "$id" | sed -n 's/.*Height: *//p')
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  import -window root -crop "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))" +repage "$file"
  echo "wrote $file"
}

# Clicks at a point of a window's client area.
click_at() { # window x y [button]
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
  sleep 0.3
}

# An exam sheet in progress: opened from the command line with a fixed seed, started with
# Enter and answered by typing, as on paper, and given more digits after a wait where one is
# given (Kraepelin 50 x 15 s just after its first call to move on). In another language,
# language_args holds its --lang and sheets_title the window's title there.
language_args=()
sheets_title="Exam sheets"
sheet_shot() { # format file digits [seconds to wait, digits after the wait]
  start_sheet "$1"
  xdotool type --delay 100 "$3"
  if [ -n "${4:-}" ]; then
    sleep "$4"
    xdotool type --delay 100 "$5"
  fi
  sleep 0.3
  shoot "$sheet_window" "$out/$2"
  kill "$sheet_program"
  wait "$sheet_program" 2>/dev/null || true
}

# Opens an exam sheet from the command line with a fixed seed and starts it with Enter, going
# through its procedure as a user does (Enter past the instructions and the practice pairs, then
# the 3-2-1); sheet_program holds the program's process and sheet_window its window.
start_sheet() { # format [more options]
  "$program" "${language_args[@]}" --sheet "$1" --seed 7 "${@:2}" >"$logs/sheet-$1.log" 2>&1 &
  sheet_program=$!
  pids+=($sheet_program)
  sheet_window=$(window_of "$sheets_title")
  sleep 1
  xdotool windowactivate --sync "$sheet_window" 2>/dev/null || true
  xdotool key Return
  sleep 0.5
  xdotool key Return
  sleep 0.3
  xdotool key Return
  sleep 3.5
}

# English: the main window through a run, its work curve and the About window, each exam
# sheet, and the main and About windows at a scale of 1.5. TAVRENDALE_LANGUAGES_ONLY=1 leaves
# them as they are and takes only the other languages' pictures.
# The History window in `language` over a history of its own: keeping switched on by its
# access key, the generated files imported through the file dialog, Uchida-Kraepelin chosen in
# the filter and its three newest sittings selected for the curves; as <file>.
history_shot() { # language file
  local language=$1 home app window key dialog
  shown() { python3 scripts/translated.py "$1" "$language" "$2" || true; }
  home=$(mktemp -d -p "$logs")
  python3 scripts/history-csv.py "$home/csv"
  XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$program" --lang "$language" --history \
    >"$logs/history-$language.log" 2>&1 &
  app=$!
  pids+=($app)
  window=$(window_of "$(shown history History)")
  sleep 1
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  key=$(shown history "&Keep a history of my sittings on this computer" | sed -n 's/.*&\(.\).*/\1/p' |
    tr '[:upper:]' '[:lower:]')
  xdotool key "alt+$key"
  sleep 1
  xdotool key alt+i
  dialog=$(window_of "$(shown history "Import CSV files into the history")")
  sleep 0.5
  xdotool type --delay 20 "$home/csv/"
  xdotool key Return
  sleep 1.5
  xdotool key shift+Tab ctrl+a Return
  # The import runs once the dialog has gone.
  for _ in $(seq 200); do xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$dialog" || break; sleep 0.1; done
  sleep 2
  xdotool key alt+f Down Tab shift+Down shift+Down
  xdotool mousemove 1360 760
  sleep 1
  shoot "$window" "$out/$2"
  kill "$app"
  wait "$app" 2>/dev/null || true
}
if [ -n "${TAVRENDALE_HISTORY_ONLY:-}" ]; then
  history_shot en history.png
  for language in $(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' cmake/Translations.cmake); do
    history_shot "$language" "history-$language.png"
  done
  exit 0
fi

# The Marks part in each language, as marks[-<language>].png: the curve, its scores' tab left
# for the marks' by the tab's access key, and a missed feature chosen, which the curve frames.
marks_shot() { # language
  local language=$1 suffix="" title key results
  [ "$language" = en ] || suffix=-$language
  shown() { python3 scripts/translated.py "$1" "$language" "$2" || true; }
  "${TAVRENDALE_SITTING_SHOT:?the path of sitting_shot}" --lang "$language" --sheet uchida --seed 7 \
    --amounts 60,56,53,51,50,51,52,52,53,54,53,59,55,56,58,66,63,61,62,62,60,59,59,58,58,57,57,56,56,60 \
    >"$logs/marks-$language.log" 2>&1 &
  pids+=($!)
  title=$(shown sheetresults "Sheet results – %1, seed %2" | sed "s/%1/.*/; s/%2/7/")
  results=""
  for _ in $(seq 100); do
    results=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [ -n "$results" ] && break
    sleep 0.1
  done
  [ -n "$results" ] || { echo "no Sheet results window in $language" >&2; exit 1; }
  sleep 1
  xdotool windowactivate --sync "$results" 2>/dev/null || true
  key=$(shown sheetresults "&Marks" | sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]')
  xdotool key "alt+$key"
  sleep 0.3
  # Down to the fourth feature of the typical curve: line 15 is not second only to line 1.
  xdotool key Down Down Down Down Down Down Down
  xdotool mousemove 0 0
  sleep 0.5
  shoot "$results" "$out/marks$suffix.png"
  xdotool key Escape
  sleep 0.5
}
if [ -n "${TAVRENDALE_MARKS_ONLY:-}" ]; then
  for language in en $(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' cmake/Translations.cmake); do
    marks_shot "$language"
  done
  exit 0
fi

if [ -z "${TAVRENDALE_LANGUAGES_ONLY:-}" ]; then
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$logs/app.log" 2>&1 &
  app=$!
  pids+=($app)

  main=$(window_of Tavrendale)
  sleep 1
  shoot "$main" "$out/main-start.png"

  # A two-minute run: the duration field (in the Options frame) gets 2, then Start (in the
  # Controls frame), and the pairs are answered until the clock reaches 2:00.
  click_at "$main" 156 161
  xdotool key --window "$main" End BackSpace
  xdotool type --window "$main" 2
  click_at "$main" 212 172
  /usr/bin/python3 scripts/answer-pairs.py "$main" 150 &
  answering=$!
  pids+=($answering)
  sleep 25
  xdotool mousemove --window "$main" 60 212   # point at the first link: it turns bold
  sleep 0.3
  shoot "$main" "$out/main-running.png"
  xdotool mousemove --window "$main" 300 40
  wait "$answering"
  sleep 1
  shoot "$main" "$out/main-results.png"

  # The log's context menu, then the work curve of the run.
  click_at "$main" 120 80 3
  xdotool key w
  curve=$(window_of "Work curve")
  sleep 1
  shoot "$curve" "$out/workcurve.png"
  # Escape as the keyboard gives it, to the active window: a key sent to the window itself
  # would close it on the press and send the release after it into the void.
  xdotool windowactivate --sync "$curve" 2>/dev/null || true
  xdotool key Escape
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Work curve$' >/dev/null 2>&1 || break
    sleep 0.1
  done

  # Back, then the About window through the pop-up menu.
  click_at "$main" 130 188
  click_at "$main" 284 220
  xdotool key t
  about=$(window_of "About Tavrendale")
  sleep 0.5
  shoot "$about" "$out/about.png"
  xdotool key --window "$about" space 2>/dev/null || true
  sleep 0.5
  xdotool key alt+x
  sleep 0.5
  xdotool key alt+y
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    echo "the program did not close by Alt+X, Alt+Y; ending it" >&2
    kill "$app"
  fi
  wait "$app" 2>/dev/null || true

  # Each format, the others after their first pairs.
  sheet_shot kraepelin-15 sheet-kraepelin-15.png 3917052846 13.2 482
  sheet_shot kraepelin-30 sheet-kraepelin-30.png 05827163940518
  sheet_shot uchida sheet-uchida.png 2705813964105728396410573
  sheet_shot pauli sheet-pauli.png 6914027538164920735816492073581649207358

  # The results of a practice sheet of Kraepelin 50 x 15 s (10 columns), answered pair by pair
  # as the sheet names them to screen readers, until the time is up and the results open,
  # shown at the size they open at where the screen has room beside the sheet.
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_sheet kraepelin-15 --practice
  /usr/bin/python3 scripts/answer-sheet.py "$sheet_window" 170
  results=""
  for _ in $(seq 100); do
    results=$(xdotool search --onlyvisible --name '^Sheet results' 2>/dev/null | head -1) && [ -n "$results" ] && break
    sleep 0.1
  done
  [ -n "$results" ] || { echo "no Sheet results window" >&2; exit 1; }
  xdotool windowsize "$results" 1010 560
  sleep 1
  shoot "$results" "$out/sheet-results.png"
  kill "$sheet_program"
  wait "$sheet_program" 2>/dev/null || true

  # The examiner's display for a printed practice sheet of Kraepelin 50 x 15 s, the calls as a
  # tone and the time shown, the procedure switched off, just after the first call; then Stop,
  # and the entry of what was done on paper with a value beyond the column refused.
  "$program" --sheet kraepelin-15 --practice --seed 7 >"$logs/examiner.log" 2>&1 &
  examiner_program=$!
  pids+=($examiner_program)
  examiner=$(window_of "$sheets_title")
  sleep 1
  xdotool windowactivate --sync "$examiner" 2>/dev/null || true
  # A key at a time: the window acts on each before the next.
  for key in alt+x Down alt+t alt+i Return; do
    xdotool key "$key"
    sleep 0.4
  done
  sleep 14.9
  shoot "$examiner" "$out/examiner.png"
  xdotool key Escape
  sleep 0.7
  xdotool key alt+y
  sleep 0.7
  xdotool type --delay 80 18
  xdotool key Tab
  xdotool type --delay 80 "3, 11"
  xdotool key Tab
  sleep 0.1
  xdotool key Tab
  xdotool type --delay 80 27
  xdotool key Return
  sleep 0.5
  shoot "$examiner" "$out/paper-entry.png"
  kill "$examiner_program"
  wait "$examiner_program" 2>/dev/null || true


  # reaches the About window through the access key of "A&bout".
  QT_SCALE_FACTOR=1.5 "$program" >"$logs/app-scaled.log" 2>&1 &
  scaled=$!
  pids+=($scaled)
  main=$(window_of Tavrendale)
  sleep 1
  shoot "$main" "$out/main-start@1.5x.png"
  xdotool key alt+b
  sleep 0.5
  xdotool key t
  about=$(window_of "About Tavrendale")
  sleep 0.5
  shoot "$about" "$out/about@1.5x.png"
  kill "$scaled"
  wait "$scaled" 2>/dev/null || true
fi

# The other languages: the main window at the start, after a two-minute run and its work
# curve, and Kraepelin 50 x 15 s after its first call, as <name>-<language>.png.
language_shots() { # language
  local language=$1 app main curve key
  # A text as the program shows it in the language: in English while it has no translation.
  shown() { python3 scripts/translated.py "$1" "$language" "$2" || true; }
  # The pointer out of the pictures, in the screen's far corner.
  xdotool mousemove 1590 890
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --lang "$language" >"$logs/app-$language.log" 2>&1 &
  app=$!
  pids+=($app)
  main=$(window_of "$(shown app Tavrendale)")
  sleep 1
  shoot "$main" "$out/main-$language.png"
  click_at "$main" 156 161
  xdotool key --window "$main" End BackSpace
  xdotool type --window "$main" 2
  click_at "$main" 212 172
  xdotool mousemove 1590 890
  /usr/bin/python3 scripts/answer-pairs.py "$main" 150 "$language"
  sleep 1
  shoot "$main" "$out/results-$language.png"
  # The work curve by its item's access key in that language.
  click_at "$main" 120 80 3
  key=$(shown app "Show &work curve" | sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]')
  xdotool key "$key"
  curve=$(window_of "$(shown workcurve "Work curve")")
  sleep 1
  shoot "$curve" "$out/workcurve-$language.png"
  kill "$app"
  wait "$app" 2>/dev/null || true

  language_args=(--lang "$language")
  sheets_title=$(shown sheet "Exam sheets")
  xdotool mousemove 1590 890
  sheet_shot kraepelin-15 "sheet-$language.png" 3917052846 13.2 482
}
for language in $(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' cmake/Translations.cmake); do
  language_shots "$language"
done
for language in en $(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' cmake/Translations.cmake); do
  marks_shot "$language"
done
