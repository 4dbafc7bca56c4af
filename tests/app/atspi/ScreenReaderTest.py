#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader finds it: its accessible tree read through AT-SPI, and a
whole run driven by the keyboard alone, checking what AT-SPI reports after every step: the
results, the answer log's menu and the Work curve window, then a run without answers whose
menu offers nothing and says why; then a short practice exam sheet opened from the command
line, answered, stopped and read back by the keyboard alone, its results' question whether to
keep a history answered and the History window read; last the main window in Indonesian, its
names and its exit question read in that language. The program keeps its settings and its
history in a temporary folder of the test's own.

    ScreenReaderTest.py <tavrendale executable>    (on an X server, inside a D-Bus session)
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

TIMEOUT = 15.0
failures = 0


def fail(message):
    global failures
    failures += 1
    print("FAILED: " + message, flush=True)


def step(message):
    print("-- " + message, flush=True)


def state_names(obj):
    return {pyatspi.stateToString(s) for s in obj.getState().getStates()}


def text_of(obj):
    text = obj.queryText()
    return text.getText(0, text.characterCount)


def describe(obj):
    return "%s %r %s" % (obj.getRoleName(), obj.name, sorted(state_names(obj)))


def matches(pattern, value):
    return re.fullmatch(pattern, value or "") is not None


def find_all(root, role, name=".*"):
    """Every descendant of `root` with this role whose name matches `name` (a pattern)."""
    found = []

    def walk(obj):
        for child in obj:
            if child is None:
                continue
            if child.getRole() == role and matches(name, child.name):
                found.append(child)
            walk(child)

    walk(root)
    return found


class Snapshot:
    """The roles and names of every descendant of `root`, read once (each read is a call
    into the program), to check many expectations against."""

    def __init__(self, root):
        self.nodes = []

        def walk(obj):
            for child in obj:
                if child is not None:
                    self.nodes.append((child.getRole(), child.name, child))
                    walk(child)

        walk(root)

    def find(self, role, name):
        return [obj for r, n, obj in self.nodes if r == role and matches(name, n)]


class ShownMenus:
    """A pop-up menu is no child of the program's accessible tree: a screen reader learns of
    it from the event that it is showing, and so does this test. The events arrive while
    pump() runs."""

    def __init__(self):
        self.menus = []
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")

    def on_showing(self, event):
        try:
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_POPUP_MENU:
                self.menus.append(event.source)
        except Exception:  # gone again before we looked
            pass


shown_menus = None


def pump():
    """Hands the AT-SPI events that have arrived to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls `probe` until it returns something true; reports `what` as failed otherwise."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        pump()
        try:
            result = probe()
            if result:
                return result
        except Exception as error:  # the tree changes under our feet while windows open
            last_error = error
        time.sleep(0.05)
    fail("waited %.0f s for %s%s" % (timeout, what, " (%s)" % last_error if last_error else ""))
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


class Expect:
    """What one control must look like: role, name pattern, states it has and has not, and
    optionally its description and text."""

    def __init__(self, role, name, has=(), lacks=(), description=None, text=None):
        self.role, self.name, self.has, self.lacks = role, name, set(has), set(lacks)
        self.description, self.text = description, text

    def check(self, snapshot):
        found = snapshot.find(self.role, self.name)
        label = "%s %r" % (pyatspi.Atspi.Role(self.role).value_nick, self.name)
        if len(found) != 1:
            return "%s: found %d such controls" % (label, len(found))
        obj = found[0]
        states = state_names(obj)
        if not self.has <= states:
            return "%s lacks %s (has %s)" % (label, sorted(self.has - states), sorted(states))
        if self.lacks & states:
            return "%s has %s" % (label, sorted(self.lacks & states))
        if self.description is not None and not matches(self.description, obj.description):
            return "%s: description %r" % (label, obj.description)
        if self.text is not None and text_of(obj) != self.text:
            return "%s: text %r" % (label, text_of(obj))
        return None


def expect_all(root, what, expectations):
    """Waits until every expectation holds at once, then reports those that never did."""
    problems = []

    def probe():
        snapshot = Snapshot(root)
        problems[:] = [p for p in (e.check(snapshot) for e in expectations) if p]
        return not problems

    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        pump()
        try:
            if probe():
                return True
        except Exception as error:
            problems[:] = [str(error)]
        time.sleep(0.05)
    for problem in problems:
        fail("%s: %s" % (what, problem))
    try:
        print("   what AT-SPI shows there:", flush=True)
        for role, name, obj in Snapshot(root).nodes:
            if "showing" in state_names(obj):
                print("     %s %r" % (pyatspi.Atspi.Role(role).value_nick, name), flush=True)
    except Exception as error:
        print("     (unreadable: %s)" % error, flush=True)
    return False


ROLE = pyatspi  # ROLE.ROLE_PUSH_BUTTON and the like
SHOWN = {"showing", "visible"}
ACTIVE = {"enabled", "sensitive"}
# The commands of the answer log's context menu, as read aloud.
LOG_COMMANDS = ("Show work curve", "Save answers as CSV\u2026", "Copy results")


def find_program(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            # Read every property from the program itself rather than from a cache that is
            # only brought up to date by events this script does not wait for.
            app.set_cache_mask(Atspi.Cache.NONE)
            frames = find_all(app, ROLE.ROLE_FRAME, "Tavrendale")
            if frames and "active" in state_names(frames[0]):
                return frames[0]
    return None


def tab_through(window, *names):
    """Tab once for each push button of `names`, checking that it takes the focus."""
    for name in names:
        key("Tab")
        expect_all(window, "Tab to " + name, [Expect(ROLE.ROLE_PUSH_BUTTON, name, {"focused"})])


def find_window(title, pattern=None):
    """The program's shown top-level window titled `title` (or whose title matches `pattern`)."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tavrendale":
            app.set_cache_mask(Atspi.Cache.NONE)
            for frame in find_all(app, ROLE.ROLE_FRAME, pattern or re.escape(title)):
                if "showing" in state_names(frame):
                    return frame
    return None


def find_menu(name):
    """The program's pop-up menu called `name`, while it is shown."""
    for menu in reversed(shown_menus.menus):
        if menu.name == name and "showing" in state_names(menu):
            return menu
    return None


def operands(window):
    first = find_all(window, ROLE.ROLE_LABEL, r"First number: \d")[0].name
    second = find_all(window, ROLE.ROLE_LABEL, r"Second number: \d")[0].name
    return int(first[-1]), int(second[-1])


def main(program):
    global shown_menus
    shown_menus = ShownMenus()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # English, whatever the machine's language: the names below are the English ones.
    for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
        env.pop(name, None)
    env["LANG"] = "C.UTF-8"
    # The settings and the history in the test's own folder, never the user's.
    home = tempfile.TemporaryDirectory()
    env["XDG_CONFIG_HOME"] = os.path.join(home.name, "config")
    env["XDG_DATA_HOME"] = os.path.join(home.name, "data")
    process = subprocess.Popen([program], env=env)
    try:
        run(process)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    sheets = subprocess.Popen([program, "--sheet", "kraepelin-15", "--practice", "--seed", "7"], env=env)
    try:
        run_sheet(sheets)
    finally:
        if sheets.poll() is None:
            sheets.kill()
            sheets.wait()
    indonesian = subprocess.Popen([program, "--lang", "id"], env=env)
    try:
        run_indonesian(indonesian)
    finally:
        if indonesian.poll() is None:
            indonesian.kill()
            indonesian.wait()
    print("%d failed" % failures if failures else "every check passed", flush=True)
    return 1 if failures else 0


def find_named(root, pattern):
    """The first descendant of `root`, of any role, whose name matches `pattern`."""
    for obj in root:
        if obj is None:
            continue
        if matches(pattern, obj.name):
            return obj
        found = find_named(obj, pattern)
        if found is not None:
            return found
    return None


PAIR = r"(\d) and (\d), column (\d+), pair (\d+) of 26"


def run_sheet(process):
    step("an exam sheet from the command line: Enter starts its procedure, each step is read, then the sheet "
         "says its first pair")
    window = wait_for("the Exam sheets window", lambda: find_window("Exam sheets"))
    if window is None:
        return
    key("Return")
    for what, pattern, then in (("the instructions", r"How this sheet is worked: 5 \+ 3 → 8 .*", "Return"),
                                ("a practice pair", r"Practice: (\d) and (\d), pair 1 of 5", "space"),
                                ("the countdown", r"The sheet starts in: [123]", None)):
        found = wait_for(what, lambda: find_named(window, pattern))
        if found is None:
            return
        if "focused" not in state_names(found):
            fail("%s has not the focus: %s" % (what, describe(found)))
        if then:
            key(then)
    sheet = wait_for("the first pair", lambda: find_named(window, PAIR.replace(r"(\d+) of", "1 of")))
    if sheet is None:
        return
    if "focused" not in state_names(sheet):
        fail("the sheet has not the focus: " + describe(sheet))

    step("answer three pairs as a pencil would, one wrongly, hearing each next pair")
    for number, right in ((1, True), (2, False), (3, True)):
        match = re.fullmatch(PAIR, sheet.name)
        if match is None or int(match.group(4)) != number:
            fail("pair %d: the sheet says %r" % (number, sheet.name))
            return
        answer = (int(match.group(1)) + int(match.group(2))) % 10
        type_text(str(answer if right else (answer + 1) % 10))
        wait_for("pair %d after the answer" % (number + 1),
                 lambda: re.fullmatch(PAIR, sheet.name) and int(re.fullmatch(PAIR, sheet.name).group(4)) == number + 1)

    step("Esc asks as Stop does; Alt+Y stops, and the results say what was answered")
    key("Escape")
    question = wait_for("the stop question", lambda: find_program_dialog("Are you sure want to stop?"))
    if question is None:
        return
    key("alt+y")
    results_title = r"Sheet results \u2013 .*, seed 7"
    results = wait_for("the Sheet results window", lambda: find_window(None, results_title))
    if results is None:
        return
    wait_for("the results' figures", lambda: find_named(results, r"Reached: 3 \(2 right, 1 wrong, 0 skipped\)"))
    step("Alt+M shows the marks: why a practice version gets no verdict, and the other published formulas")
    key("alt+m")
    wait_for("the line without a verdict", lambda: find_named(results, r"No verdict: the practice version .*"))
    wait_for("a published formula with its source",
             lambda: find_named(results, r"Speed \(panker\), right answers per column: [\s\S]*reference from .*"))
    run_history(results)
    key("Escape")
    wait_for("the results to close", lambda: not find_window(None, results_title))

    step("Esc without a sheet running closes the window and ends the program")
    wait_for("the Exam sheets window active again", lambda: "active" in state_names(window))
    key("Escape")
    expect_ended(process, "when its only window closed")


def run_history(results):
    step("the results ask once whether to keep a history; Alt+K keeps, Alt+H opens the History window")
    expect_all(results, "the history's question", [
        Expect(ROLE.ROLE_LABEL, "Keep this sitting and your later ones in a history on this computer.*", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Keep", SHOWN | ACTIVE, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Don't keep", SHOWN | ACTIVE, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "History\u2026", SHOWN | ACTIVE, description=".+"),
    ])
    key("alt+k")
    expect_all(results, "kept", [Expect(ROLE.ROLE_PUSH_BUTTON, "Keep", lacks={"showing"})])
    key("alt+h")
    history = wait_for("the History window", lambda: find_window("History"))
    if history is None:
        return
    expect_all(history, "the History window", [
        Expect(ROLE.ROLE_CHECK_BOX, "Keep a history of my sittings on this computer", SHOWN | ACTIVE | {"checked"}),
        Expect(ROLE.ROLE_TABLE, "Sittings", SHOWN, description=".*Enter opens one.*"),
        Expect(ROLE.ROLE_TABLE_CELL, "Format: Kraepelin 10 \u00d7 15 s \\(practice\\)", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, "How it ended: Stopped", SHOWN),
        Expect(ROLE.ROLE_CHART, "Curves of the selected sittings", SHOWN, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Open", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Import CSV\u2026", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Delete all", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Close", SHOWN | ACTIVE),
    ])
    key("Escape")
    wait_for("the History window to close", lambda: not find_window("History"))
    wait_for("the results active again", lambda: "active" in state_names(results))


def run(process):
    step("the main window at start")
    window = wait_for("the main window on the accessibility bus", lambda: find_program("Tavrendale"))
    if window is None:
        return
    expect_all(window, "at start", [
        Expect(ROLE.ROLE_LABEL, "First number: 0", SHOWN),
        Expect(ROLE.ROLE_LABEL, "plus", SHOWN),
        Expect(ROLE.ROLE_LABEL, "Second number: 0", SHOWN),
        Expect(ROLE.ROLE_LABEL, "equals", SHOWN),
        Expect(ROLE.ROLE_TEXT, "Answer", SHOWN | {"editable"}, ACTIVE, description=".*unit digit.*", text=""),
        Expect(ROLE.ROLE_PANEL, "Options", SHOWN),
        Expect(ROLE.ROLE_TEXT, "Test duration in minutes", SHOWN | ACTIVE | {"focused"}, text="1",
               description="Whole minutes from 1 to 99"),
        Expect(ROLE.ROLE_CHECK_BOX, "Log test", SHOWN | ACTIVE | {"checked"}, description=".+"),
        Expect(ROLE.ROLE_CHECK_BOX, "Show timer", SHOWN | ACTIVE | {"checked"}, description=".+"),
        Expect(ROLE.ROLE_PANEL, "Controls", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Start", SHOWN | ACTIVE | {"focusable"}, description="Starts a run.*"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Stop", SHOWN, ACTIVE, description="Stops the run after asking"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Reset", SHOWN | ACTIVE, description="Stops the run without asking.*"),
        Expect(ROLE.ROLE_LABEL, "Clock: 0:00", SHOWN, description=".+"),
        Expect(ROLE.ROLE_LABEL, "Clock covered", lacks={"showing"}),
        Expect(ROLE.ROLE_PUSH_BUTTON, "About", SHOWN | ACTIVE, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Exit", SHOWN | ACTIVE, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Exam sheets", SHOWN | ACTIVE, description=r".*Pauli.*Ctrl\+E.*"),
        Expect(ROLE.ROLE_IMAGE, "Pointing hand", SHOWN),
        Expect(ROLE.ROLE_PANEL, "Result:", lacks={"showing"}),
        Expect(ROLE.ROLE_LIST, "Answer log", lacks={"showing"}, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Back", lacks={"showing"}),
    ])
    # No control is left to be read out by its glyph or not at all.
    for role in (ROLE.ROLE_PUSH_BUTTON, ROLE.ROLE_TEXT, ROLE.ROLE_CHECK_BOX, ROLE.ROLE_LIST, ROLE.ROLE_IMAGE,
                 ROLE.ROLE_PANEL):
        for obj in find_all(window, role):
            if not matches(r"[A-Za-z].*", obj.name):
                fail("unnamed or glyph-named control: " + describe(obj))

    step("Tab through the options; the access key of Show timer covers the clock and shows it again")
    key("Tab")
    expect_all(window, "Tab from the duration", [Expect(ROLE.ROLE_CHECK_BOX, "Log test", {"focused"})])
    key("Tab")
    expect_all(window, "Tab from Log test", [Expect(ROLE.ROLE_CHECK_BOX, "Show timer", {"focused"})])
    key("alt+t")
    expect_all(window, "Alt+T", [Expect(ROLE.ROLE_CHECK_BOX, "Show timer", lacks={"checked"}),
                                 Expect(ROLE.ROLE_LABEL, "Clock covered", SHOWN)])
    key("alt+t")
    expect_all(window, "Alt+T again", [Expect(ROLE.ROLE_CHECK_BOX, "Show timer", {"checked"}),
                                       Expect(ROLE.ROLE_LABEL, "Clock covered", lacks={"showing"})])

    step("Tab on past the disabled answer field and the hidden results to Start, and Space")
    tab_through(window, "About", "Exit", "Exam sheets", "Start")
    key("space")
    expect_all(window, "the run started", [
        Expect(ROLE.ROLE_PUSH_BUTTON, "Start", SHOWN, ACTIVE),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Stop", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_TEXT, "Answer", SHOWN | ACTIVE | {"focused"}),
        Expect(ROLE.ROLE_TEXT, "Test duration in minutes", SHOWN, ACTIVE),
        Expect(ROLE.ROLE_CHECK_BOX, "Log test", SHOWN, ACTIVE),
    ])

    step("answer three pairs, one of them wrongly, reading the numbers as a screen reader does")
    lines = []
    for wrong in (False, True, False):
        first, second = operands(window)
        answer = (first + second + (1 if wrong else 0)) % 10
        type_text(str(answer))
        expect_all(window, "typing %d" % answer, [Expect(ROLE.ROLE_TEXT, "Answer", text=str(answer))])
        key("Return")
        expect_all(window, "Enter", [Expect(ROLE.ROLE_TEXT, "Answer", {"focused"}, text="")])
        # The log shows the operands with the blank that stands for their sign.
        lines.append(" %d +  %d = %d | %s" % (first, second, answer, "FALSE" if wrong else "TRUE"))
    wait_for("the clock to count", lambda: find_all(window, ROLE.ROLE_LABEL, r"Clock: 0:(0[1-9]|[1-5]\d)"))

    step("Tab to Stop, Space, and Alt+Y in the question")
    tab_through(window, "About", "Exit", "Exam sheets", "Stop")
    key("space")
    question = wait_for("the stop question", lambda: find_program_dialog("Are you sure want to stop?"))
    if question is None:
        return
    expect_all(question, "the stop question", [Expect(ROLE.ROLE_PUSH_BUTTON, "Yes", SHOWN | ACTIVE),
                                               Expect(ROLE.ROLE_PUSH_BUTTON, "No", SHOWN | ACTIVE)])
    key("alt+y")

    step("the results")
    expect_all(window, "the results", [
        Expect(ROLE.ROLE_PANEL, "Result:", SHOWN),
        Expect(ROLE.ROLE_LIST, "Answer log", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_LABEL, r"Duration: 0:\d\d", SHOWN),
        Expect(ROLE.ROLE_LABEL, "Total answered: 3", SHOWN),
        Expect(ROLE.ROLE_LABEL, "Total true: 2", SHOWN),
        Expect(ROLE.ROLE_LABEL, "Total false: 1", SHOWN),
        Expect(ROLE.ROLE_LABEL, r"Operation per sec: \d+\.\d\d", SHOWN),
        Expect(ROLE.ROLE_LABEL, r"Operation per min: \d+\.\d\d", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Back", SHOWN | ACTIVE),
        Expect(ROLE.ROLE_IMAGE, "Cartoon figure", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Start", lacks={"showing"}),
        Expect(ROLE.ROLE_TEXT, "Answer", lacks={"showing"}),
    ])
    log = find_all(window, ROLE.ROLE_LIST, "Answer log")[0]
    rows = [child.name for child in log if child is not None]
    if rows != lines:
        fail("the answer log reads %r, not %r" % (rows, lines))

    step("Shift+F10 on the log opens its menu, every command offered, the work curve first")
    expect_all(window, "after the question", [Expect(ROLE.ROLE_LIST, "Answer log", {"focused"})])
    duration = find_all(window, ROLE.ROLE_LABEL, r"Duration: .*")[0].name
    key("shift+F10")
    menu = wait_for("the log's menu", lambda: find_menu("Answer log"))
    if menu is None:
        return
    expect_all(menu, "the log's menu", [Expect(ROLE.ROLE_MENU_ITEM, name, SHOWN | ACTIVE) for name in LOG_COMMANDS]
               + [Expect(ROLE.ROLE_MENU_ITEM, LOG_COMMANDS[0], {"focused"})])
    if menu.description:
        fail("the log's menu says its commands cannot be used: %r" % menu.description)
    key("Return")

    step("the work curve of the run: its charts, its figures and its buttons")
    curve = wait_for("the Work curve window", lambda: find_window("Work curve"))
    if curve is None:
        return
    pairs = [tuple(int(d) for d in re.findall(r"\d", line)[:2]) for line in lines]
    wrong = pairs[1]
    expect_all(curve, "the work curve", [
        Expect(ROLE.ROLE_CHART, "Answers per minute", SHOWN | {"focusable", "focused"},
               description=r".*Minute 1 \(partial\): 3 answered, 2 true, 1 false, median \d+\.\d\d s.*"),
        Expect(ROLE.ROLE_CHART, "Digit-pair map", SHOWN | {"focusable"},
               description=r".* %d of 100 pairs answered\. .*Errors: %d \+ %d \(1\)\. .*"
               % ((len(set(pairs)),) + wrong)),
        Expect(ROLE.ROLE_TABLE, "Indices", SHOWN, description=".+"),
        Expect(ROLE.ROLE_TABLE_CELL, r"Answered: 3 \(2 true, 1 false\)", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, re.escape(duration), SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, "Complete minutes: 0", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, "Speed: \u2013", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, "Accuracy: 66.7 %", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, r"Median time: \d+\.\d\d s", SHOWN),
        Expect(ROLE.ROLE_TABLE_CELL, r"Ended: \d\d:\d\d:\d\d", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Save as CSV\u2026", SHOWN | ACTIVE, description=".*CSV file"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Close", SHOWN | ACTIVE, description=r".*\(Esc\)"),
    ])
    key("Tab")
    expect_all(curve, "Tab from the chart", [Expect(ROLE.ROLE_CHART, "Digit-pair map", {"focused"})])
    key("Escape")
    wait_for("the Work curve window to close", lambda: not find_window("Work curve"))

    step("Alt+B, which Back and About share, goes to Back first; Space presses it")
    expect_all(window, "the work curve closed", [Expect(ROLE.ROLE_LIST, "Answer log", {"focused"})])
    key("alt+b")
    expect_all(window, "Alt+B", [Expect(ROLE.ROLE_PUSH_BUTTON, "Back", {"focused"}),
                                 Expect(ROLE.ROLE_PANEL, "Result:", SHOWN)])
    key("space")
    expect_all(window, "back", [Expect(ROLE.ROLE_PANEL, "Result:", lacks={"showing"}),
                                Expect(ROLE.ROLE_PUSH_BUTTON, "Start", SHOWN | ACTIVE),
                                Expect(ROLE.ROLE_PUSH_BUTTON, "Stop", SHOWN, ACTIVE),
                                Expect(ROLE.ROLE_LABEL, "Clock: 0:00", SHOWN),
                                Expect(ROLE.ROLE_LABEL, "First number: 0", SHOWN)])

    step("a logged run without answers: the Menu key opens the log's menu, which says why it offers nothing")
    key("alt+t")
    key("alt+t")
    expect_all(window, "Alt+T twice", [Expect(ROLE.ROLE_CHECK_BOX, "Show timer", {"focused", "checked"})])
    tab_through(window, "About", "Exit", "Exam sheets", "Start")
    key("space")
    expect_all(window, "the run started", [Expect(ROLE.ROLE_TEXT, "Answer", {"focused"})])
    tab_through(window, "About", "Exit", "Exam sheets", "Stop")
    key("space")
    if wait_for("the stop question", lambda: find_program_dialog("Are you sure want to stop?")) is None:
        return
    key("alt+y")
    expect_all(window, "the empty results", [Expect(ROLE.ROLE_LIST, "Answer log", SHOWN | {"focused"}),
                                             Expect(ROLE.ROLE_LABEL, "Total answered: 0", SHOWN)])
    key("Menu")
    menu = wait_for("the log's menu", lambda: find_menu("Answer log"))
    if menu is None:
        return
    expect_all(menu, "the log's menu after an empty run",
               [Expect(ROLE.ROLE_MENU_ITEM, name, SHOWN, ACTIVE) for name in LOG_COMMANDS])
    if menu.description != "The last run has no answers.":
        fail("the log's menu gives as its reason %r" % menu.description)
    key("Escape")
    wait_for("the log's menu to close", lambda: not find_menu("Answer log"))
    expect_all(window, "the menu closed", [Expect(ROLE.ROLE_LIST, "Answer log", {"focused"})])
    key("alt+b")
    key("space")
    expect_all(window, "back again", [Expect(ROLE.ROLE_PANEL, "Result:", lacks={"showing"})])

    step("Alt+X asks; Alt+N keeps the program, Alt+Y ends it")
    decline_then_confirm_exit(process, "alt+x", "Are you sure want to exit?", "alt+n", "Yes")


def run_indonesian(process):
    step("the main window in Indonesian (--lang id): every name read in that language")
    window = wait_for("the main window on the accessibility bus", lambda: find_program("Tavrendale"))
    if window is None:
        return
    expect_all(window, "at start, in Indonesian", [
        Expect(ROLE.ROLE_LABEL, "Angka pertama: 0", SHOWN),
        Expect(ROLE.ROLE_LABEL, "tambah", SHOWN),
        Expect(ROLE.ROLE_LABEL, "Angka kedua: 0", SHOWN),
        Expect(ROLE.ROLE_LABEL, "sama dengan", SHOWN),
        Expect(ROLE.ROLE_TEXT, "Jawaban", SHOWN | {"editable"}, ACTIVE, description="Angka satuan .*"),
        Expect(ROLE.ROLE_PANEL, "Opsi", SHOWN),
        Expect(ROLE.ROLE_TEXT, "Durasi tes dalam menit", SHOWN | ACTIVE | {"focused"}, text="1",
               description=r"Bilangan bulat 1 sampai 99 \(menit\)"),
        Expect(ROLE.ROLE_CHECK_BOX, "Catat tes", SHOWN | ACTIVE | {"checked"}, description="Menilai .*"),
        Expect(ROLE.ROLE_CHECK_BOX, "Lihat jam", SHOWN | ACTIVE | {"checked"}, description=".+"),
        Expect(ROLE.ROLE_PANEL, "Kontrol", SHOWN),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Mulai", SHOWN | ACTIVE, description="Memulai sesi .*"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Hentikan", SHOWN, ACTIVE, description="Menghentikan sesi setelah bertanya"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Atur ulang", SHOWN | ACTIVE, description="Menghentikan sesi tanpa .*"),
        Expect(ROLE.ROLE_LABEL, "Jam: 0:00", SHOWN, description=".+"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Tentang", SHOWN | ACTIVE, description="Membuka menu: .*"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Keluar", SHOWN | ACTIVE, description="Menutup program setelah bertanya"),
        Expect(ROLE.ROLE_IMAGE, "Tangan menunjuk", SHOWN),
        Expect(ROLE.ROLE_PANEL, "Hasil:", lacks={"showing"}),
        Expect(ROLE.ROLE_LIST, "Log jawaban", lacks={"showing"}, description="Satu baris per jawaban: .*"),
        Expect(ROLE.ROLE_PUSH_BUTTON, "Kembali", lacks={"showing"}),
    ])

    step("Alt+E asks in Indonesian, with the box's own Ya and Tidak; Alt+T keeps the program, Alt+Y ends it")
    decline_then_confirm_exit(process, "alt+e", "Yakin ingin keluar?", "alt+t", "Ya",
                              buttons=[Expect(ROLE.ROLE_PUSH_BUTTON, "Ya", SHOWN | ACTIVE),
                                       Expect(ROLE.ROLE_PUSH_BUTTON, "Tidak", SHOWN | ACTIVE)])


def expect_ended(process, when):
    """The program ends, with status 0, `when` ("after Yes")."""
    try:
        code = process.wait(timeout=TIMEOUT)
        if code != 0:
            fail("the program ended with exit status %d" % code)
    except subprocess.TimeoutExpired:
        fail("the program did not end " + when)


def ask_exit(exit_key, question_text):
    """Presses `exit_key`; the question box once it asks `question_text`, else None."""
    key(exit_key)
    return wait_for("the exit question", lambda: find_program_dialog(question_text))


def decline_then_confirm_exit(process, exit_key, question_text, no_key, yes_word, buttons=None):
    """`exit_key` asks `question_text` (with `buttons` where given); `no_key` keeps the program;
    asked again, Alt+Y (the button reading `yes_word`) ends it."""
    question = ask_exit(exit_key, question_text)
    if question is None:
        return
    if buttons:
        expect_all(question, "the exit question", buttons)
    key(no_key)
    wait_for("the exit question to close", lambda: not find_program_dialog(question_text))
    if process.poll() is not None:
        fail("the program ended although the exit was declined")
        return
    if ask_exit(exit_key, question_text) is None:
        return
    key("alt+y")
    expect_ended(process, "after " + yes_word)


def find_program_dialog(message):
    """The program's question box that shows `message`, once it is shown."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "Tavrendale":
            continue
        for role in (ROLE.ROLE_DIALOG, ROLE.ROLE_ALERT):
            for dialog in find_all(app, role):
                if "showing" in state_names(dialog) and find_all(dialog, ROLE.ROLE_LABEL, re.escape(message)):
                    return dialog
    return None


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
