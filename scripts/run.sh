#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The run command: installs what is missing, builds the program and starts it. Without a
# display it starts a virtual X server with a window manager, runs the program there and
# saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh build run

build=$root/build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRENDALE_BUILD_TESTS=OFF \
      -DTAVRENDALE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target tavrendale

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$build/src/app/tavrendale"
fi

display=${TAVRENDALE_DISPLAY:-:77}
shot=$root/out/screenshot.png
mkdir -p "$root/out"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$root/out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display openbox >"$root/out/openbox.log" 2>&1 &
wm=$!
sleep 1
DISPLAY=$display "$build/src/app/tavrendale" >"$root/out/tavrendale.log" 2>&1 &
app=$!
for _ in $(seq 100); do DISPLAY=$display xdotool search --name '^Tavrendale$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
DISPLAY=$display import -window root "$shot"
cat <<MSG
Tavrendale is running on the virtual display $display (no display was found).
Screenshot of its window: $shot
To look at it live: x11vnc -display $display   (or any VNC viewer after starting x11vnc)
To stop it:         kill $app $wm $xvfb
MSG
