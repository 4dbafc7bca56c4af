#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a text the program shows has no translation in its catalog, or a translation
that loses its text's placeholders or access key.

Brings a copy of every catalog up to date with the sources as `update_translations` would
(lupdate on the projects CMake wrote for each library, with the options it gives lupdate there:
TAVRENDALE_LUPDATE_OPTIONS in cmake/Translations.cmake), then checks it. The catalogs in the tree
are not changed. The catalogs of Qt's own texts the program carries
(translations/qtbase_<language>.ts) hold Qt's texts, not the sources': they are checked as they
stand.

A catalog passes when it has texts, every text has its translation, and every translation keeps
its text's placeholders (%1, %L1, %n) and, where the text has an access key (&Save), has exactly
one of its own (&Simpan, or 保存(&S) as Japanese writes it); a text without one gets none.

    scripts/translations-check.py BUILD LUPDATE GENERATE_PROJECT_CMAKE LUPDATE_OPTION... [-- QT_CATALOG.ts...]
"""
import html
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile


def unfinished(ts_text):
    """The source texts of a catalog whose translation is missing or marked unfinished."""
    missing = []
    for message in re.findall(r"<message[ >].*?</message>", ts_text, re.S):
        source = re.search(r"<source>(.*?)</source>", message, re.S)
        translation = re.search(r"<translation([^>]*)>(.*?)</translation>|<translation([^>]*)/>", message, re.S)
        attributes = (translation.group(1) or translation.group(3) or "") if translation else ""
        text = translation.group(2) if translation and translation.group(2) is not None else ""
        numerus = "<numerusform" in text
        if translation is None or 'type="unfinished"' in attributes or (not text.strip() and not numerus):
            missing.append(source.group(1) if source else "?")
    return missing


def placeholders(text):
    """The placeholders of a text, %1 to %99, %L1 and %n, as a sorted list."""
    return sorted(re.findall(r"%L?(?:[1-9][0-9]?|n)", text))


def access_keys(text):
    """How many access keys a text marks: an & before anything but another &."""
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def unkept(ts_text):
    """The texts of a catalog whose translation loses a placeholder or an access key. A missing
    translation is not counted here, but by `unfinished`."""
    faults = []
    for message in re.findall(r"<message[ >].*?</message>", ts_text, re.S):
        source = html.unescape(re.search(r"<source>(.*?)</source>", message, re.S).group(1))
        forms = re.findall(r"<numerusform>(.*?)</numerusform>", message, re.S)
        if not forms:
            translation = re.search(r"<translation[^>]*>(.*?)</translation>", message, re.S)
            forms = [translation.group(1)] if translation else []
        for form in (html.unescape(f) for f in forms if f.strip()):
            wanted = placeholders(source)
            if "<numerusform>" in message and "%n" not in wanted:
                wanted = sorted(wanted + ["%n"])
            if placeholders(form) != wanted:
                faults.append(f"{source!r}: placeholders {placeholders(form)} for {placeholders(source)}")
            if access_keys(form) != min(access_keys(source), 1):
                faults.append(f"{source!r}: {access_keys(form)} access keys in {form!r}")
    return faults


def check_catalog(ts, name=None):
    """Prints and returns whether the catalog in the file `ts` passes; `name` is the one it is
    reported under (the file's own by default)."""
    text = pathlib.Path(ts).read_text(encoding="utf-8")
    missing = unfinished(text)
    faults = unkept(text)
    total = len(re.findall(r"<message[ >]", text))
    print(f"{name or pathlib.Path(ts).name}: {total} texts, {len(missing)} without a translation, "
          f"{len(faults)} with a placeholder or access key lost")
    for line in (missing + faults)[:20]:
        print(f"    {line}")
    return total > 0 and not missing and not faults


def main(build, lupdate, generate, *arguments):
    # lupdate's options, then, after "--", the catalogs of Qt's texts.
    split = arguments.index("--") if "--" in arguments else len(arguments)
    options, qt_catalogs = arguments[:split], arguments[split + 1:]
    projects = sorted(pathlib.Path(build).glob("**/.lupdate/*_project.cmake"))
    if not projects:
        print(f"no translation projects under {build}: configure the build first")
        return 1
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        for number, project in enumerate(projects):
            json_file = scratch / f"{number}.json"
            subprocess.run(["cmake", f"-DIN_FILE={project}", f"-DOUT_FILE={json_file}", "-P", generate],
                           check=True, stdout=subprocess.DEVNULL)
            data = json.loads(json_file.read_text())
            # The build compiles every catalog it names from the tree, so a project none of whose
            # catalogs stands there is one an earlier configure left behind.
            if not any(pathlib.Path(ts).exists() for ts in data["translations"]):
                print(f"{project.name}: left behind, its catalogs are gone from the tree")
                continue
            copies = []
            for ts in data["translations"]:
                copy = scratch / f"{number}-{pathlib.Path(ts).name}"
                if pathlib.Path(ts).exists():
                    shutil.copy(ts, copy)
                copies.append((ts, copy))
            data["translations"] = [str(copy) for _, copy in copies]
            json_file.write_text(json.dumps(data))
            subprocess.run([lupdate, "-silent", *options, "-project", str(json_file)], check=True)
            for ts, copy in copies:
                failed = not check_catalog(copy, pathlib.Path(ts).name) or failed
    for ts in qt_catalogs:
        failed = not check_catalog(ts) or failed
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 5:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
