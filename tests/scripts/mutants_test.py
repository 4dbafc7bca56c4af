#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/mutants.py: how it reads its arguments and chooses mutants, on a small repository of
its own (nothing is built), and that its table of tests names files and test programs that
exist."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import mutants  # noqa: E402

OLD_SAMPLE = "bool Before(int a, int b) { return a < b; }\n"
NEW_SAMPLE = OLD_SAMPLE + "bool IsThree(int a) { return a == 3; }\n"


class MutantsArgumentsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.repo = tempfile.mkdtemp()
        os.makedirs(os.path.join(cls.repo, "scripts"))
        os.makedirs(os.path.join(cls.repo, "src"))
        shutil.copy(os.path.join(ROOT, "scripts", "mutants.py"), os.path.join(cls.repo, "scripts"))
        git = ["git", "-c", "user.name=Test", "-c", "user.email=test@example.org", "-C", cls.repo]
        subprocess.run(git + ["init", "-q"], check=True)
        for text in (OLD_SAMPLE, NEW_SAMPLE):
            with open(os.path.join(cls.repo, "src", "sample.cpp"), "w", encoding="utf-8") as f:
                f.write(text)
            subprocess.run(git + ["add", "-A"], check=True)
            subprocess.run(git + ["commit", "-q", "-m", "sample"], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.repo)

    def run_script(self, *args):
        return subprocess.run([sys.executable, os.path.join(self.repo, "scripts", "mutants.py"), *args],
                              cwd=self.repo, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def assert_refused(self, result, reason):
        self.assertNotEqual(result.returncode, 0, result.stdout)
        self.assertNotIn("Traceback", result.stderr)
        self.assertRegex(result.stderr, reason)
        self.assertNotIn("Survivors", result.stdout)

    def test_lists_the_working_trees_mutants(self):
        result = self.run_script("--list", "src/sample.cpp")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertRegex(result.stdout, r"sample\.cpp:1: comparison `<` -> `<=`")
        self.assertRegex(result.stdout, r"sample\.cpp:2: comparison `==` -> `!=`")

    def test_lists_a_commits_mutants_with_rev(self):
        result = self.run_script("--list", "--rev", "HEAD~1", "src/sample.cpp")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertRegex(result.stdout, r"sample\.cpp:1: comparison `<` -> `<=`")
        self.assertNotIn("==", result.stdout)

    def test_lists_only_the_lines_asked_for(self):
        for lines in ("2", "2-2", "2-40"):
            with self.subTest(lines=lines):
                result = self.run_script("--list", "--lines", lines, "src/sample.cpp")
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertNotIn("sample.cpp:1:", result.stdout)
                self.assertIn("sample.cpp:2:", result.stdout)

    def test_refuses_what_is_no_line_range(self):
        cases = {
            "2-1": r"'2-1' runs backwards",
            "-130": r"'-130' is not a line range",
            "1-": r"'1-' is not a line range",
            "one": r"'one' is not a line range",
            "0-3": r"numbered from 1",
        }
        for lines, reason in cases.items():
            with self.subTest(lines=lines):
                self.assert_refused(self.run_script("--list", "--lines", lines, "src/sample.cpp"), reason)

    def test_refuses_what_are_no_mutant_numbers(self):
        for only in ("x", "1,,2", "0", "-1"):
            with self.subTest(only=only):
                self.assert_refused(self.run_script("--list", "--only", only, "src/sample.cpp"),
                                    r"is not a list of mutant numbers")

    def test_an_empty_choice_is_an_error_before_anything_is_built(self):
        build = os.path.join(self.repo, "no-build")
        cases = {
            ("--lines", "30-40"): r"sample\.cpp: no mutants on lines 30-40 \(the file has \d+",
            ("--only", "99"): r"sample\.cpp: no mutant numbered #99 \(the file has \d+",
            ("--only", "1,99"): r"no mutant numbered #99",
        }
        for args, reason in cases.items():
            for listing in ([], ["--list"]):
                with self.subTest(args=args, listing=listing):
                    result = self.run_script(*listing, "--build", build, "--test", "tests/sample_tests", *args,
                                             "src/sample.cpp")
                    self.assert_refused(result, reason)
                    self.assertFalse(os.path.exists(build), "nothing is built for an empty choice")

    def test_names_a_missing_file(self):
        self.assert_refused(self.run_script("--list", "src/missing.cpp"), r"src/missing\.cpp: no such file")
        self.assert_refused(self.run_script("--list", "--rev", "HEAD~1", "src/missing.cpp"),
                            r"src/missing\.cpp: no such file in HEAD~1")


class MutantsTableTest(unittest.TestCase):
    def test_every_file_and_test_program_of_the_table_exists(self):
        for path, tests in mutants.TESTS.items():
            with self.subTest(path=path):
                self.assertTrue(os.path.isfile(os.path.join(ROOT, path)), path)
                for program, _ in tests:
                    with open(os.path.join(ROOT, os.path.dirname(program), "CMakeLists.txt"), encoding="utf-8") as f:
                        cmake = f.read()
                    self.assertRegex(cmake, r"add_executable\(" + re.escape(os.path.basename(program)) + r"\s")


if __name__ == "__main__":
    unittest.main()
