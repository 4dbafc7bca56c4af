#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program through AT-SPI, the accessibility stack that screen readers use, on a
# private D-Bus session (run it through scripts/docking/with-xserver.sh):
#   run.sh <tavrendale executable>
set -u
program=${1:?tavrendale executable}
python=/usr/bin/python3
source "$(dirname "$0")/../../../scripts/require-tools.sh"
require_tools dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool "$python"
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed (scripts/deps.sh test installs it)"
exec dbus-run-session -- "$python" "$(dirname "$0")/ScreenReaderTest.py" "$program"
