# SPDX-License-Identifier: GPL-3.0-or-later
# Finding and measuring the program's windows on an X server (XWayland's too), for the drag
# tests; sourced. Needs xdotool, xprop and xwininfo.

# Prints the id of the visible window with exactly this title once its window manager has framed
# it, waiting up to $2 seconds (30) for it.
find_window() {
  local id deadline=$((SECONDS + ${2:-30}))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
      echo "$id"; return 0
    fi
    sleep 0.1
  done
  return 1
}

# Sets X Y WIDTH HEIGHT: the client area of a window, as the X server has it.
# (xwininfo rather than xdotool's geometry, which adds the offset in the frame twice.)
client_of() {
  read -r X Y WIDTH HEIGHT <<<"$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')"
}

# Sets client_of's four, FL FT FR FB (the outer frame, right and bottom exclusive) and TITLE
# (the title bar's height).
frame_of() {
  local el er et eb
  client_of "$1"
  read -r el er et eb <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,//g')"
  FL=$((X - el)); FT=$((Y - et)); FR=$((X + WIDTH + er)); FB=$((Y + HEIGHT + eb)); TITLE=$et
}
