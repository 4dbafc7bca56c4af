#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/translations-check.py on catalogs, ours and Qt's: a translation that loses a placeholder
or an access key, or that is missing, fails the check; one that keeps them passes."""

import os
import runpy
import tempfile
import unittest
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# The script's functions, read without running it.
CHECK = runpy.run_path(os.path.join(ROOT, "scripts", "translations-check.py"), run_name="translations_check")


def message(source, translation, numerus=False, unfinished=False):
    """One message of a .ts file, the texts escaped as lupdate writes them."""
    attributes = ' type="unfinished"' if unfinished else ""
    if numerus:
        forms = "".join(f"<numerusform>{escape(form)}</numerusform>" for form in translation)
        return (f'<message numerus="yes"><source>{escape(source)}</source>'
                f"<translation{attributes}>{forms}</translation></message>")
    return (f"<message><source>{escape(source)}</source>"
            f"<translation{attributes}>{escape(translation)}</translation></message>")


class CatalogMarksTest(unittest.TestCase):
    def test_placeholders_and_access_keys(self):
        cases = [
            # source, translation, numerus, faults
            ("&Save", "&Simpan", False, 0),
            ("&Save", "Simpan", False, 1),
            ("Cu&t", "Po&t&ong", False, 1),
            ("Cancel", "Batal", False, 0),
            ("Cancel", "&Batal", False, 1),
            ("Tom && Jerry", "Tom && Jerry", False, 0),
            ("%1 already exists.\nDo you want to replace it?", "%1 sudah ada.\nApakah Anda ingin menimpanya?",
             False, 0),
            ("%1 already exists.", "Sudah ada.", False, 1),
            ("%1 of %2", "%2 dari %1", False, 0),
            ("%1 of %2", "%1 dari %1", False, 1),
            ("%L1 bytes", "%L1 bita", False, 0),
            ("%n file(s)", ["%n berkas"], True, 0),
            ("%n file(s)", ["beberapa berkas"], True, 1),
            # Japanese puts the access key after the text, in brackets.
            ("&Close", "閉じる(&C)", False, 0),
            ("<<< &Back", "<<< 戻る(&B)", False, 0),
            ("&Close", "閉じる", False, 1),
            ("&Close", "&閉じる(&C)", False, 1),
            ("Close", "閉じる(&C)", False, 1),
            ("%1: %2", "%1：%2", False, 0),
            ("%1 + %2 = %3 | TRUE", "%1 + %2 = %3 | BENAR", False, 0),
            ("%1 + %2 = %3 | TRUE", "%1 + %2 = | BENAR", False, 1),
            ("Error %", "エラー率 %", False, 0),
            # A missing translation is counted as missing, not as marks lost.
            ("Total answered: %1", "", False, 0),
        ]
        for source, translation, numerus, faults in cases:
            with self.subTest(source=source, translation=translation):
                found = CHECK["unkept"](message(source, translation, numerus))
                self.assertEqual(len(found), faults, found)

    def test_a_catalog_is_whole_only_when_every_text_is_translated_and_kept(self):
        cases = [
            ("whole", [message("&Save", "&Simpan"), message("Cancel", "Batal")], True),
            ("unfinished", [message("&Save", "&Simpan"), message("Cancel", "", unfinished=True)], False),
            ("empty translation", [message("Cancel", "")], False),
            ("access key lost", [message("&Save", "Simpan")], False),
            ("no texts at all", [], False),
            ("ours, Japanese access key", [message("&Start", "開始(&S)"), message("Seed: %1", "シード: %1")], True),
            ("ours, placeholder lost", [message("Seed: %1", "シード")], False),
        ]
        for name, messages, whole in cases:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                ts = os.path.join(folder, "sheet_xx.ts")
                with open(ts, "w", encoding="utf-8") as f:
                    f.write('<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="xx">'
                            "<context><name>QPlatformTheme</name>" + "".join(messages) + "</context></TS>\n")
                self.assertEqual(CHECK["check_catalog"](ts), whole)


if __name__ == "__main__":
    unittest.main()
