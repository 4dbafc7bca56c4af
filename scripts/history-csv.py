#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes CSV files as the Sheet results and the Work curve windows save them, under the names
they suggest, for a history to import: seven Uchida-Kraepelin sheets three days apart whose
typical curve rises with practice, five of Kraepelin 50 x 15 s and four logged drill runs of
three minutes, in November 2026. The same files every time (a fixed random seed).

    scripts/history-csv.py <folder>
"""
import datetime
import os
import random
import sys

SHEET_HEADER = "index,format,period,position,operand1,operand2,answer,correct,corrections,answer_ms"
DRILL_HEADER = "index,minute,operand1,operand2,answer,correct,answer_ms"
START = datetime.datetime(2026, 11, 9, 19, 30)


def write(folder, name, rows):
    with open(os.path.join(folder, name), "w", newline="") as file:
        file.write("\r\n".join(rows) + "\r\n")


def sheet(folder, rnd, name, seed, when, amounts):
    """A sheet worked to `amounts[i]` pairs in its i-th column or line, digits never twice in
    a row, about one answer in a hundred wrong."""
    lowest = 3 if name == "uchida" else 1
    rows = [SHEET_HEADER]
    for period, amount in enumerate(amounts, 1):
        first = rnd.randint(lowest, 9)
        for position in range(1, amount + 1):
            second = first
            while second == first:
                second = rnd.randint(lowest, 9)
            wrong = rnd.random() < 0.01
            answer = (first + second + (1 if wrong else 0)) % 10
            ms = int(60000 / amount * rnd.uniform(0.8, 1.2))
            rows.append(f"{len(rows)},{name},{period},{position},{first},{second},{answer},"
                        f"{'FALSE' if wrong else 'TRUE'},0,{ms}")
            first = second
    write(folder, f"tavrendale-{name}-{seed}-{when:%Y%m%d-%H%M%S}.csv", rows)


def drill(folder, rnd, when, per_minute):
    rows = [DRILL_HEADER]
    for minute, count in enumerate(per_minute):
        for _ in range(count):
            first, second = rnd.randint(0, 9), rnd.randint(0, 9)
            wrong = rnd.random() < 0.04
            answer = (first + second + (3 if wrong else 0)) % 10
            ms = int(60000 / count * rnd.uniform(0.7, 1.3))
            rows.append(f"{len(rows)},{minute},{first},{second},{answer},{'FALSE' if wrong else 'TRUE'},{ms}")
    write(folder, f"tavrendale-{when:%Y%m%d-%H%M%S}.csv", rows)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    rnd = random.Random(7)
    for n in range(7):
        when = START + datetime.timedelta(days=3 * n, minutes=rnd.randint(-40, 40))
        level = 46 + 2.6 * n + rnd.uniform(-2, 2)
        # Each half falls after its first line, rises again, and the second stands higher.
        first = [6, 1, -2, -3, -2, 0, 1, 1, 2, 0, -1, 1, 0, -1, 4]
        second = [9, 3, 2, 1, 0, 0, -1, -1, -2, -2, -2, -3, -3, -4, -4]
        lines = [level + d for d in first] + [level + d + 8 + 0.3 * n for d in second]
        sheet(folder, rnd, "uchida", 100000 + 7919 * n, when,
              [max(10, min(115, int(v + rnd.uniform(-2.5, 2.5)))) for v in lines])
    for n in range(5):
        when = START + datetime.timedelta(days=3 * n + 1, minutes=rnd.randint(-30, 30))
        height = 13 + 1.1 * n
        sheet(folder, rnd, "kraepelin-15", 200000 + 104729 * n, when,
              [max(4, min(26, int(height + 1.5 - 0.04 * c + rnd.uniform(-2.5, 2.5)))) for c in range(50)])
    for n in range(4):
        when = START + datetime.timedelta(days=4 * n + 2, hours=1)
        drill(folder, rnd, when, [int(28 + 3 * n + rnd.uniform(-3, 3)) for _ in range(3)])


if __name__ == "__main__":
    main(sys.argv[1])
