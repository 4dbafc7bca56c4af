#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints one of the program's texts as it shows it in a language, from the language's catalog.

    scripts/translated.py <catalog> <language> <English text>

The catalog is translations/<catalog>_<language>.ts; a text such as "First number: %1" keeps
its %1. English prints the text as given. A text the catalog lacks, or whose translation is
unfinished, prints as given too (the program shows it in English then), with exit status 1,
so that a script that needs the translation can tell.
"""
import pathlib
import sys
import xml.etree.ElementTree as ElementTree

# The folder of the catalogs' sources.
CATALOGS = pathlib.Path(__file__).resolve().parent.parent / "translations"


def translation(catalog, english):
    """The finished translation of `english` in the .ts file `catalog`, or None."""
    for message in ElementTree.parse(catalog).getroot().iter("message"):
        text = message.find("translation")
        if message.findtext("source") == english and text is not None:
            if text.get("type") is None and text.text:
                return text.text
    return None


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip())
    catalog, language, english = sys.argv[1:]
    if language == "en":
        print(english)
        return 0
    path = CATALOGS / f"{catalog}_{language}.ts"
    if not path.is_file():
        sys.exit(f"translated.py: no catalog {path}")
    text = translation(path, english)
    print(english if text is None else text)
    return 0 if text is not None else 1


if __name__ == "__main__":
    sys.exit(main())
