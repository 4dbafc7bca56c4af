#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drags the program's own windows by their title bars under openbox (run it through
# scripts/docking/with-xserver.sh):  ProgramDrags.sh <tavrendale executable>
set -u
program=${1:?tavrendale executable}
source "$(dirname "$0")/../../../scripts/require-tools.sh"
require_tools xdotool xprop xwininfo

. "$(dirname "$0")/../../../scripts/docking/x-windows.sh"

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$program" >"${TMPDIR:-/tmp}/tavrendale-drags-$$.log" 2>&1 &
program_pid=$!
cleanup() {
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  rm -f "${TMPDIR:-/tmp}/tavrendale-drags-$$.log"
}
trap cleanup EXIT

# Drags window $1 by its title bar by ($2, $3) in small steps.
drag() {
  frame_of "$1"
  local px=$((FL + (FR - FL) / 3)) py=$((FT + TITLE / 2)) args=() i
  args+=(mousemove "$px" "$py" sleep 0.2 mousedown 1 sleep 0.1)
  for i in 1 2 3 4 5 6 7 8; do
    args+=(mousemove $((px + $2 * i / 8)) $((py + $3 * i / 8)) sleep 0.04)
  done
  args+=(sleep 0.2 mouseup 1)
  xdotool "${args[@]}"
}

# Waits up to 5 s for window $1's frame to stand at left $2 (and top $3 when given).
wait_left() {
  for _ in $(seq 50); do
    frame_of "$1"
    [ "$FL" -eq "$2" ] && { [ -z "${3:-}" ] || [ "$FT" -eq "$3" ]; } && return 0
    sleep 0.1
  done
  return 1
}

read -r WX WY WW WH <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= *//; s/,//g' | cut -d' ' -f1-4)"

main=$(find_window Tavrendale) || { echo "FAILED: the main window did not show"; exit 1; }
sleep 0.5

echo "-- the main window released 10 pixels from the work area's left edge ends flush"
frame_of "$main"
drag "$main" $((WX + 10 - FL)) 0
wait_left "$main" "$WX" || fail "main window left edge at $FL, expected $WX"

echo "-- released 20 pixels away it stays"
frame_of "$main"
drag "$main" $((WX + 20 - FL)) 0
wait_left "$main" $((WX + 20)) || fail "main window left edge at $FL, expected $((WX + 20))"
sleep 0.5
frame_of "$main"
[ "$FL" -eq $((WX + 20)) ] || fail "main window moved on to $FL after the drag"

echo "-- the About window released 10 pixels right of the main window, level with it, ends flush"
frame_of "$main"
MFR=$FR; MFT=$FT
client_of "$main"
# The A&bout button, then its pop-up menu's "About &Tavrendale".
xdotool mousemove $((X + 284)) $((Y + 220)) sleep 0.2 click 1 sleep 0.5 key t
about=$(find_window "About Tavrendale") || { fail "the About window did not show"; exit 1; }
sleep 0.5
frame_of "$about"
drag "$about" $((MFR + 10 - FL)) $((MFT - FT))
wait_left "$about" "$MFR" "$MFT" || fail "About window at ($FL, $FT), expected ($MFR, $MFT)"

[ "$failures" -eq 0 ] && echo "all drags ended where expected"
exit $((failures == 0 ? 0 : 1))
