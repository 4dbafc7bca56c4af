#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Answers the pairs of a running Tavrendale test as a person would, for the screenshots.

    scripts/answer-pairs.py <main window id> [seconds] [language]

Reads the two operands from the program's own accessibility tree (AT-SPI: the program
must run with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 on a session bus with the accessibility
bus up), as a screen reader names them ("First number: 7"), types the unit digit of their
sum with xdotool and presses Enter, until the run ends (the answer field is disabled) or the
time is up. The pace is a person's: harder pairs take longer, the second minute goes faster
than the first, and about one answer in fifteen is a slip of the finger. A program started
in another language (--lang id) names its controls in that language: the names are then taken
from its catalogs in translations/.
"""
import random
import re
import subprocess
import sys
import time

import pyatspi

import translated


def name_in(language, english):
    """`english`, a name of the main window, as the program shows it in `language`."""
    if language == "en":
        return english
    catalog = translated.CATALOGS / f"app_{language}.ts"
    return translated.translation(catalog, english) or english


def operand(language, english):
    """The pattern of an operand's name, such as "First number: %1", with the digit as group 1."""
    return re.compile("^" + re.escape(name_in(language, english)).replace("%1", r"(\d)") + "$")


def main_window():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tavrendale":
                for window in app:
                    if window is not None and window.name == "Tavrendale":
                        return window
        time.sleep(0.1)
    sys.exit("Tavrendale is not on the accessibility bus")


def find(window, role, prefix):
    """The first descendant of `window` with this role whose name starts with `prefix`."""
    for child in window:
        if child is None:
            continue
        if child.getRoleName() == role and (child.name or "").startswith(prefix):
            return child
        found = find(child, role, prefix)
        if found is not None:
            return found
    return None


def read(label):
    label.clear_cache()
    return label.name


def running(field):
    """A run is going while the answer field takes answers."""
    field.clear_cache()
    return field.getState().contains(pyatspi.STATE_ENABLED)


def answer(window_id, digit):
    subprocess.run(["xdotool", "key", "--window", window_id, str(digit), "Return"], check=True)


def main():
    window_id = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 150.0
    language = sys.argv[3] if len(sys.argv) > 3 else "en"
    operands = (operand(language, "First number: %1"), operand(language, "Second number: %1"))
    rng = random.Random(20240102)
    window = main_window()
    first = find(window, "label", name_in(language, "First number: %1").split("%1")[0])
    second = find(window, "label", name_in(language, "Second number: %1").split("%1")[0])
    field = find(window, "text", name_in(language, "Answer"))
    if any(control is None for control in (first, second, field)):
        sys.exit("the operands or the answer field are not on the accessibility bus")
    started = time.monotonic()
    answered = 0
    while time.monotonic() - started < seconds:
        if not running(field):
            if answered == 0 and time.monotonic() - started < 5:
                time.sleep(0.05)  # the run has not started yet
                continue
            break
        texts = (read(first), read(second))
        match = [pattern.match(text) for pattern, text in zip(operands, texts)]
        if not all(match):
            time.sleep(0.05)
            continue
        a, b = (int(m.group(1)) for m in match)
        elapsed = time.monotonic() - started
        pace = 1.25 if elapsed < 61.44 else 0.95
        think = pace + 0.035 * (a + b) + (0.3 if a + b >= 10 else 0.0) + rng.gauss(0.0, 0.15)
        time.sleep(max(0.25, think))
        digit = (a + b) % 10
        if rng.random() < 1 / 15:
            digit = (digit + rng.choice((1, 9))) % 10
        answer(window_id, digit)
        answered += 1
        # Wait for the next pair before reading again (a pair may repeat; then go on).
        for _ in range(15):
            time.sleep(0.02)
            if (read(first), read(second)) != texts:
                break
    print(f"answered {answered} pairs in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    main()
