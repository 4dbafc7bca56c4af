#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a text the program shows has no translation in its catalog.

Brings a copy of every catalog up to date with the sources as `update_translations` would
(lupdate on the projects CMake wrote for each library, with the options it gives lupdate there:
TAVRENDALE_LUPDATE_OPTIONS in cmake/Translations.cmake), then counts what is left unfinished.
The catalogs in the tree are not changed.

    scripts/translations-check.py BUILD LUPDATE GENERATE_PROJECT_CMAKE LUPDATE_OPTION...
"""
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


def main(build, lupdate, generate, *options):
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
                text = copy.read_text(encoding="utf-8")
                missing = unfinished(text)
                total = len(re.findall(r"<message[ >]", text))
                name = pathlib.Path(ts).name
                print(f"{name}: {total} texts, {len(missing)} without a translation")
                for source in missing[:20]:
                    print(f"    {source}")
                failed = failed or bool(missing)
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 5:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
