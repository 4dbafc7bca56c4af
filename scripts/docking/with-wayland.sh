#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a private headless Wayland session of a real compositor, with XWayland:
#   scripts/docking/with-wayland.sh mutter|kwin <command> [args...]
# The command finds WAYLAND_DISPLAY, DISPLAY and XAUTHORITY set, a session bus of its own, and
# the compositor's name and process id in WAYLAND_COMPOSITOR and WAYLAND_COMPOSITOR_PID;
# scripts/docking/wayland-pointer.py drives the pointer there. The screen is WAYLAND_SIZE (1280x1024). Exits 77 (the test is skipped), with
# the reason, when the compositor is missing or cannot start here; the compositor and its
# XWayland are ended however the command ends.
set -u

compositor=${1:-}
shift
case $compositor in
  mutter) tools=(mutter Xwayland dbus-run-session /usr/bin/python3) ;;
  kwin) tools=(kwin_wayland Xwayland dbus-run-session /usr/bin/python3) ;;
  *) echo "with-wayland.sh: unknown compositor '$compositor' (mutter or kwin)" >&2; exit 2 ;;
esac
source "$(dirname "$0")/../require-tools.sh"
require_tools --why "scripts/deps.sh wayland installs it" "${tools[@]}"

# The session bus the compositor offers its interfaces on, shared with the command.
if [ -z "${WITH_WAYLAND_OWN_BUS:-}" ]; then
  WITH_WAYLAND_OWN_BUS=1 exec dbus-run-session -- "$0" "$compositor" "$@"
fi

size=${WAYLAND_SIZE:-1280x1024}
work=$(mktemp -d)
chmod 700 "$work"
mkdir -m 700 "$work/run" "$work/home"
compositor_pid=
session_pids=
cleanup() {
  if [ -n "$compositor_pid" ]; then
    # The compositor runs in a process group of its own, with XWayland in it.
    kill -TERM -- "-$compositor_pid" 2>/dev/null
    for _ in $(seq 50); do
      kill -0 -- "-$compositor_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL -- "-$compositor_pid" 2>/dev/null
  fi
  # The X displays' lock files and sockets of a compositor that could not remove them itself
  # (a test may end it on purpose).
  local lock n owner
  for lock in /tmp/.X*-lock; do
    [ -f "$lock" ] || continue
    owner=$(tr -d ' ' <"$lock" 2>/dev/null)
    n=${lock#/tmp/.X}; n=${n%-lock}
    case " $session_pids " in *" $owner "*) ;; *) continue ;; esac
    kill -0 "$owner" 2>/dev/null && continue
    rm -f "$lock" "/tmp/.X11-unix/X$n"
  done
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/run WAYLAND_COMPOSITOR=$compositor
socket=tavrendale-wayland
set -m # the compositor gets a process group of its own
case $compositor in
  mutter)
    # A home of its own: nothing the user set up, and nothing written into theirs.
    HOME=$work/home mutter --headless --wayland --virtual-monitor "$size" --wayland-display "$socket" \
      >"$work/compositor.log" 2>&1 &
    ;;
  kwin)
    kwin=$(command -v kwin_wayland)
    # The binary carries a file capability, which some containers refuse to execute; a copy
    # without it runs. (KWin only takes its own platform plugin under the name kwin_wayland.)
    "$kwin" --help >/dev/null 2>&1
    if [ $? -eq 126 ]; then
      mkdir "$work/bin" && cp "$kwin" "$work/bin/kwin_wayland" && kwin=$work/bin/kwin_wayland
    fi
    # KWin starts the given program once XWayland is up; it tells where the X server is.
    printf '#!/bin/sh\nprintf "%%s\\n%%s\\n" "$DISPLAY" "$XAUTHORITY" >"%s/x11.part" && mv "%s/x11.part" "%s/x11"\n' \
      "$work" "$work" "$work" >"$work/tell-x11"
    chmod +x "$work/tell-x11"
    HOME=$work/home KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$kwin" --virtual --xwayland \
      --width "${size%x*}" --height "${size#*x}" --socket "$socket" \
      --no-lockscreen --no-global-shortcuts --no-kactivities "$work/tell-x11" >"$work/compositor.log" 2>&1 &
    ;;
esac
compositor_pid=$!
disown # its end, also when a test ends it, is no news
set +m

display=
auth=
for _ in $(seq 300); do
  kill -0 "$compositor_pid" 2>/dev/null || skip "$compositor did not start here" "$work/compositor.log"
  if [ -S "$XDG_RUNTIME_DIR/$socket" ]; then
    case $compositor in
      mutter)
        display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/compositor.log" | head -n 1)
        auth=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name '.mutter-Xwaylandauth.*' | head -n 1)
        [ -n "$display" ] && [ -n "$auth" ] && break
        ;;
      kwin)
        [ -s "$work/x11" ] && { display=$(sed -n 1p "$work/x11"); auth=$(sed -n 2p "$work/x11"); break; }
        ;;
    esac
  fi
  sleep 0.1
done
[ -n "$display" ] || skip "$compositor started no XWayland within 30 s" "$work/compositor.log"
session_pids=$(ps -e -o pid=,pgid= | awk -v group="$compositor_pid" '$2 == group {printf "%s ", $1}')

export WAYLAND_DISPLAY=$socket DISPLAY=$display XAUTHORITY=$auth WAYLAND_COMPOSITOR_PID=$compositor_pid
[ -n "$auth" ] || unset XAUTHORITY
echo "$compositor on $WAYLAND_DISPLAY, XWayland on $DISPLAY" >&2

# The X keyboard library hands strndup a buffer without a terminating zero, which the strict
# string checks of a sanitized build report as an overflow when a program connects.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

"$@"
