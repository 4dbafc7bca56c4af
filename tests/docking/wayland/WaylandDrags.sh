#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a GNOME or KDE Wayland desktop (run it through scripts/docking/with-wayland.sh):
#   WaylandDrags.sh <tavrendale executable> <wayland-pointer.py>
# Started as a user starts it, it runs on XWayland; its main window opens centred; drags by the
# title bar, driven through the compositor's own input and released after a pause, snap as on
# X11; and a user who asks for native Wayland gets it, without docking and without a warning.
set -u
program=${1:?tavrendale executable}
pointer=${2:?wayland-pointer.py}
python=/usr/bin/python3
source "$(dirname "$0")/../../../scripts/require-tools.sh"
require_tools xdotool xprop xwininfo "$python"
if [ "$WAYLAND_COMPOSITOR" = mutter ] && ! "$python" -c 'import dbus' 2>/dev/null; then
  skip "python3-dbus is not installed (scripts/deps.sh wayland installs it)"
fi

# KWin snaps a window itself within 10 pixels of a screen edge or another window, so the drags
# there end farther away than that, still within the program's own range.
case $WAYLAND_COMPOSITOR in
  kwin) near=12 ;;
  *) near=10 ;;
esac

. "$(dirname "$0")/../../../scripts/docking/x-windows.sh"

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

log=$(mktemp)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  rm -f "$log"
}
trap cleanup EXIT

# Starts the program with the environment given, as a user's desktop starts it.
start() {
  env -u QT_QPA_PLATFORM "$@" "$program" >"$log" 2>&1 &
  program_pid=$!
}
stop() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=
}

# Drags window $1 by its title bar by ($2, $3) in small steps, holds still for 300 ms, and
# lets go: a user aiming at an edge.
drag() {
  frame_of "$1"
  local px=$((FL + (FR - FL) / 3)) py=$((FT + TITLE / 2)) steps=() i
  steps+=(move "$px" "$py" sleep 200 down sleep 100)
  for i in 1 2 3 4 5 6 7 8; do
    steps+=(move $((px + $2 * i / 8)) $((py + $3 * i / 8)) sleep 40)
  done
  steps+=(sleep 300 up)
  "$python" "$pointer" "$WAYLAND_COMPOSITOR" "${steps[@]}"
}

# Clicks at ($1, $2) with the compositor's pointer.
click() { "$python" "$pointer" "$WAYLAND_COMPOSITOR" move "$1" "$2" sleep 100 down sleep 50 up; }

# Waits up to 3 s for window $1's frame to stand at left $2 (and top $3 when given).
wait_left() {
  for _ in $(seq 30); do
    frame_of "$1"
    [ "$FL" -eq "$2" ] && { [ -z "${3:-}" ] || [ "$FT" -eq "$3" ]; } && return 0
    sleep 0.1
  done
  return 1
}

# The screen (the compositors here keep no panel, so it is the work area too).
read -r SW SH <<<"$(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')"

echo "-- started with no platform chosen, the program runs on XWayland"
start
main=$(find_window Tavrendale) || { fail "no X window: the program did not choose XWayland"; cat "$log"; exit 1; }
sleep 0.5

echo "-- its main window opens centred, frame included"
frame_of "$main"
[ $((FL + FR)) -ge $((SW - 1)) ] && [ $((FL + FR)) -le $((SW + 1)) ] ||
  fail "main window's frame spans $FL..$FR on a screen $SW wide"
[ $((FT + FB)) -ge $((SH - 1)) ] && [ $((FT + FB)) -le $((SH + 1)) ] ||
  fail "main window's frame spans $FT..$FB on a screen $SH high"

echo "-- released $near pixels from the screen's left edge after a pause, it ends flush"
drag "$main" $((near - FL)) 0 || fail "the drag could not be driven"
wait_left "$main" 0 || fail "main window left edge at $FL, expected 0"

echo "-- released 20 pixels away it stays"
frame_of "$main"
drag "$main" $((20 - FL)) 0 || fail "the drag could not be driven"
wait_left "$main" 20 || fail "main window left edge at $FL, expected 20"
sleep 0.5
frame_of "$main"
[ "$FL" -eq 20 ] || fail "main window moved on to $FL after the drag"

echo "-- the About window released $near pixels right of the main window, level with it, ends flush"
frame_of "$main"
MFR=$FR; MFT=$FT
# The A&bout button, then its pop-up menu's "About &Tavrendale".
click $((X + 284)) $((Y + 220)) || fail "the click could not be driven"
sleep 0.5
xdotool key t
about=$(find_window "About Tavrendale" 5) || { fail "the About window did not show"; exit 1; }
sleep 0.5
frame_of "$about"
drag "$about" $((MFR + near - FL)) $((MFT - FT)) || fail "the drag could not be driven"
wait_left "$about" "$MFR" "$MFT" || fail "About window at ($FL, $FT), expected ($MFR, $MFT)"
stop
[ -s "$log" ] && { fail "the program wrote on XWayland:"; cat "$log"; }

echo "-- asked for native Wayland, it runs there, without docking and without a warning"
start QT_QPA_PLATFORM=wayland
sleep 3
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on native Wayland"
find_window Tavrendale 1 >/dev/null && fail "the program runs on XWayland though asked for Wayland"
stop
[ -s "$log" ] && { fail "the program wrote on native Wayland:"; cat "$log"; }

# XWayland refusing the program: mutter's asks for a key the program cannot read; KWin's is
# ended while the compositor stays (a display where no X server listens stands for it).
case $WAYLAND_COMPOSITOR in
  mutter) refused=(XAUTHORITY="$(dirname "$log")") why="an auth file it cannot read" ;;
  *) refused=(DISPLAY=:999) why="no XWayland" ;;
esac
echo "-- with $why, it runs on native Wayland, without a warning"
start "${refused[@]}"
sleep 3
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
find_window Tavrendale 1 >/dev/null && fail "the program runs on XWayland"
stop
[ -s "$log" ] && { fail "the program wrote:"; cat "$log"; }

echo "-- the compositor ending in the middle of a drag does not leave the program hanging"
start
main=$(find_window Tavrendale) || { fail "the main window did not show"; exit 1; }
frame_of "$main"
"$python" "$pointer" "$WAYLAND_COMPOSITOR" move $((FL + 100)) $((FT + TITLE / 2)) sleep 100 down sleep 100 \
  move $((FL + 60)) $((FT + TITLE / 2)) sleep 100 move $((FL + 20)) $((FT + TITLE / 2)) sleep 300
kill -KILL "$WAYLAND_COMPOSITOR_PID"
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  fail "the program still runs 10 s after its display went"
else
  wait "$program_pid"
  echo "the program ended with status $? and said: $(head -n 1 "$log")"
  program_pid=
fi

[ "$failures" -eq 0 ] && echo "all drags ended where expected"
exit $((failures == 0 ? 0 : 1))
