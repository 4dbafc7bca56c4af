#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the README: the program runs on a virtual X server with a
# window manager and is driven with xdotool, as a user would.
#   scripts/screenshots.sh [output folder]      (default docs/screenshots)
# TAVRENDALE_BINARY=path uses an already built program instead of building one.
# TAVRENDALE_DISPLAY=:N uses that display number; by default the X server takes a free one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/docs/screenshots}
mkdir -p "$out"

scripts/deps.sh build run

program=${TAVRENDALE_BINARY:-}
if [ -z "$program" ]; then
  build=$root/build-shots
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRENDALE_BUILD_TESTS=OFF \
        -DTAVRENDALE_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --target tavrendale -j 2
  program=$build/src/app/tavrendale
fi

logs=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$logs"
}
trap cleanup EXIT

if [ -n "${TAVRENDALE_DISPLAY:-}" ]; then
  Xvfb "$TAVRENDALE_DISPLAY" -screen 0 800x600x24 -nolisten tcp >"$logs/xvfb.log" 2>&1 &
  pids+=($!)
  display=$TAVRENDALE_DISPLAY
else
  # The server writes the number of the free display it took to descriptor 3.
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$logs/display" >"$logs/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$logs/display" ] && break; sleep 0.1; done
  [ -s "$logs/display" ] || { echo "Xvfb did not start:" >&2; cat "$logs/xvfb.log" >&2; exit 1; }
  display=:$(tr -d '[:space:]' <"$logs/display")
fi
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$logs/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# A plain grey desktop instead of black behind the windows.
xsetroot -solid '#4a6c8c' 2>/dev/null || true

"$program" >"$logs/app.log" 2>&1 &
pids+=($!)

window_of() { # title
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
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
click_at() { # window x y
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

main=$(window_of Tavrendale)
sleep 1
shoot "$main" "$out/main-start.png"

# Start a run (the Start button lies in the Controls frame) and answer a few pairs.
click_at "$main" 212 172
for digit in 3 8 5 1 9 4; do
  xdotool type --window "$main" "$digit"
  xdotool key --window "$main" Return
  sleep 0.2
done
sleep 2.5
xdotool mousemove --window "$main" 60 212   # point at the first link: it turns bold
sleep 0.3
shoot "$main" "$out/main-running.png"

# Stop, confirm with Yes, and show the results.
click_at "$main" 252 172
sleep 0.5
xdotool key Return    # the question box has the focus; Yes is its default
sleep 0.5
shoot "$main" "$out/main-results.png"

# Back, then the About window through the pop-up menu.
click_at "$main" 130 188
click_at "$main" 284 220
xdotool key t
about=$(window_of "About Tavrendale")
sleep 0.5
shoot "$about" "$out/about.png"
xdotool key --window "$about" space
