#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private virtual X server managed by openbox:
#   scripts/docking/with-xserver.sh <command> [args...]
# Each run takes a free display number of its own (Xvfb -displayfd), so runs can go in
# parallel. Exits 77 (the test is skipped) when Xvfb, the window manager or xdotool is missing.
# XSERVER_WM=icewm takes icewm instead of openbox; XSERVER_WM=none leaves out the window
# manager (and the need for one and for xdotool). The command finds the choice in XSERVER_WM.
set -u

export XSERVER_WM=${XSERVER_WM:-openbox}
case $XSERVER_WM in
  openbox) wm=(openbox --sm-disable); tools=(Xvfb openbox xdotool) ;;
  icewm) wm=(icewm); tools=(Xvfb icewm xdotool) ;;
  none) wm=(); tools=(Xvfb) ;;
  *) echo "with-xserver.sh: unknown window manager '$XSERVER_WM' (openbox, icewm or none)" >&2; exit 2 ;;
esac
source "$(dirname "$0")/../require-tools.sh"
require_tools "${tools[@]}"

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 ${XSERVER_SIZE:-1280x1024x24} -nolisten tcp 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb did not start" "$work/xvfb.log"
export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
echo "virtual X server on display $DISPLAY" >&2

if [ "$XSERVER_WM" != none ]; then
  # A home of its own: nothing the user set up, and nothing written into theirs.
  HOME=$work "${wm[@]}" >"$work/wm.log" 2>&1 &
  wm_pid=$!
fi
# The window manager is ready once it has announced itself on the root window.
for _ in $( [ -n "$wm_pid" ] && seq 100); do
  if command -v xprop >/dev/null 2>&1; then
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  elif [ "${_}" -ge 10 ]; then
    break
  fi
  sleep 0.1
done
# The window managers announce themselves before they have finished starting up.
[ -n "$wm_pid" ] && sleep 0.5

# The X keyboard library hands strndup a buffer without a terminating zero, which the strict
# string checks of a sanitized build report as an overflow when a program connects.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

"$@"
