#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""One-change mutants of a source file, and the ones the tests let through.

Each mutant changes one thing in one place of the file:
  - a comparison for its neighbour: < and <=, > and >=, == and !=, each way;
  - an integer literal by one up and by one down (0x7F becomes 0x80 and 0x7E);
  - && for || and || for &&.
Comments, string and character literals and preprocessor lines are left alone. The code is
clang-formatted, so a binary operator stands between blanks: a < or > without a blank on
both sides is a template bracket and is not touched, nor is an && that declares a reference.

For every mutant the script rebuilds the file's test program and runs it; a test that fails
(or crashes) kills the mutant. It prints the survivors (#number file:line, the original text
and the mutated one, the line itself) and the counts: killed, survived, did not compile,
timed out. The literals' mutants share one build: each literal becomes a choice between
itself and its mutants, made when the tests run by the MUTANT_ID variable, so the tests run
once per mutant without a build between; literals that must be constant (constexpr, case
labels, enum values) and the operators are built one mutant at a time.

The working tree is never changed. The script mirrors it (tracked and untracked, not
ignored files) into BUILD (default build-mutants), mutates the copy there, builds in
BUILD/build with ccache and puts the copy's original text back after every mutant, on Ctrl-C
and on errors as well; the next run copies the working tree again in any case.

  scripts/mutants.py src/docking/SnapRect.cpp               # every mutant of the file
  scripts/mutants.py --list src/engine/TestEngine.cpp       # the mutants only, nothing built
  scripts/mutants.py --lines 90-130 src/docking/SnapRect.cpp
  scripts/mutants.py --only 3,17 src/docking/SnapRect.cpp   # these mutants, by number
  scripts/mutants.py --test tests/controls/styles/chameleon_style_tests:'PaletteStylesTest.*' \\
      src/controls/chameleonButton/PaletteStyles.cpp        # other tests than the table's
  scripts/mutants.py --report out/snaprect.txt src/docking/SnapRect.cpp
  scripts/mutants.py --rev main src/docking/SnapRect.cpp   # main's file and tests, for a before/after

Options: --build DIR, --timeout SECONDS for one test run (default ten times the unmutated
run, at least 30), --build-timeout SECONDS (default 600), --jobs N (default 2),
--one-build-each (no shared build for the literals). A file takes a few minutes, most of it
spent building the mutants of its operators; run it under `nice -n 10`. The test command
does not run it.
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Which tests judge a source file: (test program relative to the build folder, gtest filter or
# None). A mutant is killed when any of them fails; they run in turn until one does.
TESTS = {
    "src/docking/SnapRect.cpp": [("tests/docking/core/docking_core_tests", "*Snap*")],
    "src/docking/SnapRect.h": [("tests/docking/core/docking_core_tests", None)],
    "src/docking/Docking.cpp": [("tests/docking/core/docking_core_tests", None)],
    "src/engine/TestEngine.cpp": [("tests/engine/engine_tests", None)],
    "src/engine/WorkCurve.cpp": [("tests/engine/engine_tests", None)],
    "src/engine/Statistics.cpp": [("tests/engine/engine_tests", None)],
    "src/controls/chameleonButton/Colors.cpp": [
        ("tests/controls/drawing/chameleon_drawing_tests", "ColoursTest.*"),
        ("tests/controls/styles/chameleon_style_tests", None),
    ],
    "src/controls/chameleonButton/PaletteStyles.cpp": [("tests/controls/styles/chameleon_style_tests", None)],
}

RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
LOGICAL = {"&&": "||", "||": "&&"}

# Longest first, so that << is never read as two <.
PUNCTUATORS = sorted(
    "<=> <<= >>= ... -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= :: "
    "< > = ! & | + - * / % ^ ~ ? : ; , . ( ) [ ] { } #".split(),
    key=len,
    reverse=True,
)
TOKEN = re.compile(
    r"(?P<ident>[A-Za-z_]\w*)|(?P<number>\.?\d(?:[eEpP][+-]|['\w.])*)|(?P<punct>"
    + "|".join(re.escape(p) for p in PUNCTUATORS)
    + r")|(?P<space>\s+)|(?P<other>.)",
    re.S,
)
INTEGER = re.compile(r"^(?:(?P<hex>0[xX][0-9a-fA-F']+)|(?P<bin>0[bB][01']+)|(?P<dec>\d[\d']*))(?P<suffix>[uUlLzZ]*)$")


@dataclass
class Mutant:
    index: int
    path: str  # relative to the repository
    offset: int
    line: int
    original: str
    mutated: str
    kind: str


def code_mask(text):
    """Blanks out comments, string and character literals and preprocessor lines.

    The result has the same length and line breaks as the text, so offsets stay valid."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            # A preprocessor line, with its backslash continuations.
            j = i
            while j < n and not (text[j] == "\n" and text[j - 1] != "\\"):
                j += 1
            blank(i, j)
            i = j
            continue
        line_start = False
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == "R" and text.startswith('"', i + 1) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^()\\ ]{0,16})\(', text[i:])
            if not m:
                i += 1
                continue
            end = text.find(")" + m.group(1) + '"', i + m.end())
            j = n if end < 0 else end + len(m.group(1)) + 2
            blank(i, j)
            i = j
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():
                # A digit separator (1'000) or the u8/L prefix belongs to the token before.
                if text[i - 1].isdigit():
                    i += 1
                    continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            blank(i, j)
            i = j
        else:
            i += 1
    return "".join(out)


def spaced(text, start, end):
    before = start == 0 or text[start - 1] in " \t\n"
    after = end >= len(text) or text[end] in " \t\n"
    return before and after


def shifted(literal, delta):
    m = INTEGER.match(literal)
    if not m:
        return None
    suffix = m.group("suffix")
    if m.group("hex"):
        digits = m.group("hex")[2:].replace("'", "")
        value = int(digits, 16) + delta
        if value < 0:
            return None
        upper = any(ch.isupper() for ch in digits if ch.isalpha()) or not any(ch.isalpha() for ch in digits)
        body = format(value, "0{}{}".format(len(digits), "X" if upper else "x"))
        return m.group("hex")[:2] + body + suffix
    if m.group("bin"):
        digits = m.group("bin")[2:].replace("'", "")
        value = int(digits, 2) + delta
        if value < 0:
            return None
        return m.group("bin")[:2] + format(value, "0{}b".format(len(digits))) + suffix
    digits = m.group("dec").replace("'", "")
    octal = len(digits) > 1 and digits.startswith("0")
    value = int(digits, 8 if octal else 10) + delta
    if value < 0 and (suffix or octal):
        return None  # no such literal: the sign would make it an expression of another type
    return ("0" + format(value, "o") if octal else str(value)) + suffix


def make_mutants(path, base=ROOT, text=None):
    """The file's text and its mutants: the file under base, or the given text."""
    if text is None:
        with open(os.path.join(base, path), encoding="utf-8") as f:
            text = f.read()
    code = code_mask(text)
    mutants = []

    def add(offset, original, mutated, kind):
        line = text.count("\n", 0, offset) + 1
        mutants.append(Mutant(len(mutants) + 1, path, offset, line, original, mutated, kind))

    for m in TOKEN.finditer(code):
        token, start, end = m.group(0), m.start(), m.end()
        if m.lastgroup == "punct":
            if token in RELATIONAL and spaced(code, start, end):
                add(start, token, RELATIONAL[token], "comparison")
            elif token in LOGICAL and spaced(code, start, end):
                add(start, token, LOGICAL[token], "logic")
        elif m.lastgroup == "number":
            for delta in (1, -1):
                mutated = shifted(token, delta)
                if mutated is not None:
                    add(start, token, mutated, "literal {:+d}".format(delta))
    return text, mutants


def apply(text, mutant):
    return text[: mutant.offset] + mutant.mutated + text[mutant.offset + len(mutant.original) :]


def source_line(text, mutant):
    start = text.rfind("\n", 0, mutant.offset) + 1
    end = text.find("\n", mutant.offset)
    return text[start : end if end >= 0 else len(text)].strip()


def parse_lines(line_range):
    """FIRST-LAST or LINE, line numbers from 1, as a (first, last) pair."""
    m = re.fullmatch(r"(\d+)(?:-(\d+))?", line_range.strip())
    if not m:
        raise argparse.ArgumentTypeError(
            "'{}' is not a line range: give FIRST-LAST or LINE, as in 90-130 or 42".format(line_range))
    first, last = int(m.group(1)), int(m.group(2) or m.group(1))
    if first < 1:
        raise argparse.ArgumentTypeError("'{}': lines are numbered from 1".format(line_range))
    if first > last:
        raise argparse.ArgumentTypeError(
            "'{}' runs backwards: the first line comes first, as in {}-{}".format(line_range, last, first))
    return first, last


def parse_only(numbers):
    """3,17,40: mutant numbers, from 1."""
    if not re.fullmatch(r"\s*\d+\s*(?:,\s*\d+\s*)*", numbers) or 0 in {int(x) for x in numbers.split(",")}:
        raise argparse.ArgumentTypeError(
            "'{}' is not a list of mutant numbers: give them from 1, separated by commas, as in 3,17,40".format(
                numbers))
    return {int(x) for x in numbers.split(",")}


def select(path, mutants, lines, only):
    """The mutants on the lines and with the numbers asked for; an empty choice is an error
    (SystemExit with the reason), since it would report no survivors for want of mutants."""
    if only:
        unknown = sorted(only - {m.index for m in mutants})
        if unknown:
            sys.exit("{}: no mutant numbered {} (the file has {}; see --list)".format(
                path, ", ".join("#{}".format(n) for n in unknown), len(mutants)))
    chosen = [m for m in mutants if (not lines or lines[0] <= m.line <= lines[1])
              and (not only or m.index in only)]
    if not chosen:
        where = " on lines {}-{}".format(*lines) if lines else ""
        numbered = " numbered {}".format(",".join(str(n) for n in sorted(only))) if only else ""
        sys.exit("{}: no mutants{}{} (the file has {}; see --list)".format(path, where, numbered, len(mutants)))
    return chosen


def read_source(path, rev):
    """The text of a file of the working tree, or of a commit's when rev is given."""
    if rev:
        return git("show", "{}:{}".format(rev, path)).decode("utf-8")
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        return f.read()


# --- the mirror and the build ---------------------------------------------------------


def git(*args):
    return subprocess.run(["git", *args], cwd=ROOT, check=True, stdout=subprocess.PIPE).stdout


def source_files(rev):
    """(path, bytes) of the working tree's files, or of a commit's when rev is given."""
    if rev:
        names = [p for p in git("ls-tree", "-r", "-z", "--name-only", rev).decode().split("\0") if p]
        for rel in names:
            yield rel, git("show", "{}:{}".format(rev, rel))
        return
    names = git("ls-files", "-z", "--cached", "--others", "--exclude-standard").decode().split("\0")
    for rel in names:
        src = os.path.join(ROOT, rel)
        if rel and os.path.isfile(src):
            with open(src, "rb") as f:
                yield rel, f.read()


def sync_mirror(tree, rev):
    """Copies every file whose text differs from the mirror's."""
    copied = 0
    for rel, data in source_files(rev):
        dst = os.path.join(tree, rel)
        try:
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        except FileNotFoundError:
            os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
        if rel.endswith((".sh", ".py")):
            os.chmod(dst, 0o755)
        copied += 1
    return copied


def run(cmd, timeout, env=None):
    """Runs a command in its own process group; returns (exit code or None on timeout, output)."""
    proc = subprocess.Popen(
        cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True, env=env
    )
    try:
        out, _ = proc.communicate(timeout=timeout)
        return proc.returncode, out.decode(errors="replace")
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        return None, out.decode(errors="replace")
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise


class Builder:
    def __init__(self, folder, rev, jobs, build_timeout):
        self.rev = rev
        # The build sits inside the mirror as build-dev sits inside the working tree, so the
        # compiler sees the same relative paths and ccache finds what other builds compiled.
        self.tree = folder
        self.build = os.path.join(folder, "build")
        self.jobs = jobs
        self.build_timeout = build_timeout
        self.env = dict(os.environ)
        self.env.setdefault("CCACHE_BASEDIR", os.path.dirname(ROOT))
        self.env.setdefault("CCACHE_NOHASHDIR", "1")
        self.env.setdefault("QT_QPA_PLATFORM", "offscreen")

    def prepare(self):
        os.makedirs(self.tree, exist_ok=True)
        copied = sync_mirror(self.tree, self.rev)
        print("mirror of {}: {} file(s) copied to {}".format(self.rev or "the working tree", copied, self.tree),
              flush=True)
        if not os.path.exists(os.path.join(self.build, "build.ninja")):
            code, out = run(
                [
                    "cmake", "-S", self.tree, "-B", self.build, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Debug",
                    "-DTAVRENDALE_BUILD_BENCH=OFF",
                    "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache",
                    # Tests are listed when ctest runs, not after every link.
                    "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST",
                ],
                self.build_timeout,
                env=self.env,
            )
            if code != 0:
                sys.exit("configuring failed:\n" + out)

    def compile(self, targets):
        return run(["cmake", "--build", self.build, "-j", str(self.jobs), "--target", *targets],
                   self.build_timeout, env=self.env)

    def test(self, program, gfilter, timeout, mutant_id=None):
        cmd = [os.path.join(self.build, program), "--gtest_brief=1", "--gtest_fail_fast"]
        if gfilter:
            cmd.append("--gtest_filter=" + gfilter)
        env = self.env
        if mutant_id is not None:
            env = dict(env, MUTANT_ID=str(mutant_id))
        return run(cmd, timeout, env=env)


# --- one file -------------------------------------------------------------------------


def targets_of(tests):
    return sorted({os.path.basename(p) for p, _ in tests})


def run_tests(builder, tests, timeout, mutant_id=None):
    for program, gfilter in tests:
        code, out = builder.test(program, gfilter, timeout, mutant_id)
        if code is None:
            return "timed out", out
        if code != 0:
            return "killed", out
    return "survived", ""


def judge(builder, tests, timeout):
    """Builds and runs the tests: 'killed', 'survived', 'did not compile' or 'timed out'."""
    code, out = builder.compile(targets_of(tests))
    if code is None:
        return "timed out", out
    if code != 0:
        return "did not compile", out
    return run_tests(builder, tests, timeout)


# A literal's mutants can share one build: every literal becomes a choice between itself and
# its two mutants, made at run time by the MUTANT_ID variable, and the tests run once per
# mutant. Literals in constant expressions (constexpr, case labels, template arguments) cannot
# be chosen at run time; the compiler says where, and those are built one by one as usual.
SCHEMA_HEAD = (
    "#include <cstdlib>\n"
    "static const int kMutantId = [] { const char* v = std::getenv(\"MUTANT_ID\"); return v ? std::atoi(v) : 0; }();\n"
)


def schema_text(text, sites):
    """The text with a run-time choice at each literal site (offset -> its mutants)."""
    out = text
    for offset in sorted(sites, reverse=True):
        group = sites[offset]
        original = group[0].original
        choice = original
        for m in reversed(group):
            choice = "kMutantId == {} ? {} : {}".format(m.index, m.mutated, choice)
        out = out[:offset] + "(" + choice + ")" + out[offset + len(original):]
    return SCHEMA_HEAD + out


def build_schema(builder, path, target, text, literal_mutants, tests):
    """Builds the file with run-time choices; returns the mutants that made it in."""
    sites = {}
    for m in literal_mutants:
        sites.setdefault(m.offset, []).append(m)
    head_lines = SCHEMA_HEAD.count("\n")
    error_at = re.compile(r"{}:(\d+):\d+: error".format(re.escape(os.path.basename(path))))
    for _ in range(8):
        if not sites:
            return []
        with open(target, "w", encoding="utf-8") as f:
            f.write(schema_text(text, sites))
        code, out = builder.compile(targets_of(tests))
        if code == 0:
            return [m for group in sites.values() for m in group]
        bad = {int(n) - head_lines for n in error_at.findall(out or "")}
        dropped = [o for o, group in sites.items() if group[0].line in bad]
        if not dropped:
            return []
        for o in dropped:
            del sites[o]
    return []


def mutate_file(builder, path, tests, lines, only, timeout, report, schemata):
    text, mutants = make_mutants(path, builder.tree)
    mutants = select(path, mutants, lines, only)
    target = os.path.join(builder.tree, path)

    # The unmutated file must pass, or every mutant would look killed.
    code, out = builder.compile(targets_of(tests))
    if code != 0:
        sys.exit("{}: the tests do not build without a mutant:\n{}".format(path, (out or "")[-4000:]))
    started = time.monotonic()
    verdict, out = run_tests(builder, tests, None)
    if verdict != "survived":
        sys.exit("{}: the tests do not pass without a mutant ({}):\n{}".format(path, verdict, out[-4000:]))
    baseline = time.monotonic() - started
    limit = timeout or max(30.0, 10 * baseline)
    print("{}: {} mutants; tests {} ; {:.0f} s per test run at most".format(
        path, len(mutants), ", ".join(p + (":" + f if f else "") for p, f in tests), limit), flush=True)

    counts = {"killed": 0, "survived": 0, "did not compile": 0, "timed out": 0}
    verdicts = {}
    done = 0

    def record(m, verdict):
        nonlocal done
        done += 1
        verdicts[m.index] = verdict
        counts[verdict] += 1
        print("[{}/{}] #{} {}:{}: {} `{}` -> `{}`: {}".format(
            done, len(mutants), m.index, path, m.line, m.kind, m.original, m.mutated, verdict), flush=True)

    try:
        if schemata:
            literals = [m for m in mutants if m.kind.startswith("literal")]
            chosen = build_schema(builder, path, target, text, literals, tests)
            if chosen:
                # Nothing chosen must change nothing.
                verdict, out = run_tests(builder, tests, limit)
                if verdict != "survived":
                    sys.exit("{}: the tests fail with the run-time choices and no mutant ({}):\n{}".format(
                        path, verdict, out[-4000:]))
                print("{} literal mutants share one build".format(len(chosen)), flush=True)
            for m in sorted(chosen, key=lambda m: m.index):
                record(m, run_tests(builder, tests, limit, m.index)[0])
        for m in mutants:
            if m.index in verdicts:
                continue
            with open(target, "w", encoding="utf-8") as f:
                f.write(apply(text, m))
            try:
                verdict, _ = judge(builder, tests, limit)
            finally:
                with open(target, "w", encoding="utf-8") as f:
                    f.write(text)
            record(m, verdict)
    finally:
        with open(target, "w", encoding="utf-8") as f:
            f.write(text)
    survivors = [m for m in mutants if verdicts.get(m.index) == "survived"]

    lines_out = ["", "Survivors in {}:".format(path)]
    for m in survivors:
        lines_out.append("  #{} {}:{}: `{}` -> `{}`    {}".format(
            m.index, path, m.line, m.original, m.mutated, source_line(text, m)))
    if not survivors:
        lines_out.append("  none")
    lines_out.append("{}: {} mutants: {} killed, {} survived, {} did not compile, {} timed out".format(
        path, len(mutants), counts["killed"], counts["survived"], counts["did not compile"], counts["timed out"]))
    print("\n".join(lines_out), flush=True)
    if report:
        with open(report, "a", encoding="utf-8") as f:
            f.write("\n".join(lines_out) + "\n")
    return counts


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter, epilog=__doc__)
    parser.add_argument("files", nargs="+", help="source files, relative to the repository")
    parser.add_argument("--list", action="store_true", help="print the mutants and stop")
    parser.add_argument("--lines", type=parse_lines, help="only mutants on these lines, FIRST-LAST or LINE")
    parser.add_argument("--only", type=parse_only, help="only these mutants, by number: 3,17,40")
    parser.add_argument("--test", action="append", default=[],
                        help="test program relative to the build folder, with :FILTER; replaces the table's")
    parser.add_argument("--rev", help="mutate and test this commit's files instead of the working tree's")
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutants"), help="build folder")
    parser.add_argument("--timeout", type=float, help="seconds for one test run")
    parser.add_argument("--build-timeout", type=float, default=600, help="seconds for one build")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--one-build-each", action="store_true",
                        help="build every literal mutant on its own instead of sharing one build")
    parser.add_argument("--report", help="append the survivors and counts to this file")
    args = parser.parse_args(argv)

    files = [os.path.relpath(os.path.abspath(f), ROOT) for f in args.files]
    only, lines = args.only, args.lines

    # Every file's choice of mutants is checked before anything is built.
    for path in files:
        try:
            text = read_source(path, args.rev)
        except (OSError, subprocess.CalledProcessError):
            sys.exit("{}: no such file{}".format(path, " in " + args.rev if args.rev else ""))
        chosen = select(path, make_mutants(path, text=text)[1], lines, only)
        if args.list:
            for m in chosen:
                print("{:4} {}:{}: {} `{}` -> `{}`    {}".format(
                    m.index, path, m.line, m.kind, m.original, m.mutated, source_line(text, m)))
    if args.list:
        return 0

    tests_override = [(t.partition(":")[0], t.partition(":")[2] or None) for t in args.test]
    for path in files:
        if not tests_override and path not in TESTS:
            sys.exit("{}: no tests known for this file; name them with --test PROGRAM[:FILTER]".format(path))

    # SIGTERM ends the run as Ctrl-C does, through the finally blocks that put the text back.
    def terminated(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, terminated)
    builder = Builder(os.path.abspath(args.build), args.rev, args.jobs, args.build_timeout)
    builder.prepare()
    total = {"killed": 0, "survived": 0, "did not compile": 0, "timed out": 0}
    try:
        for path in files:
            counts = mutate_file(builder, path, tests_override or TESTS[path], lines, only, args.timeout, args.report,
                                 not args.one_build_each)
            for k, v in counts.items():
                total[k] += v
    except KeyboardInterrupt:
        print("\ninterrupted; the mirror's text is back as it was", file=sys.stderr)
        return 130
    if len(files) > 1:
        print("all: {} killed, {} survived, {} did not compile, {} timed out".format(
            total["killed"], total["survived"], total["did not compile"], total["timed out"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
