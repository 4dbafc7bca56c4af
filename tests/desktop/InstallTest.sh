#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, installed into a temporary root and checked as a
# desktop would read it:   InstallTest.sh <build folder>
set -u
build=${1:?build folder}
source "$(dirname "$0")/../../scripts/require-tools.sh"
require_tools desktop-file-validate appstreamcli

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >"$root.log" 2>&1 ||
  { cat "$root.log"; rm -f "$root.log"; echo "FAILED: cmake --install"; exit 1; }
rm -f "$root.log"

id=org.example.tavrendale
share=$root/usr/share
for file in usr/bin/tavrendale \
            usr/share/applications/$id.desktop \
            usr/share/applications/$id.sheets.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/icons/hicolor/48x48/apps/$id.png \
            usr/share/icons/hicolor/256x256/apps/$id.png \
            usr/share/man/man1/tavrendale.1.gz \
            usr/share/doc/tavrendale/LICENSE \
            usr/share/tavrendale/marks/kraepelin.txt \
            usr/share/tavrendale/marks/uchida.txt \
            usr/share/tavrendale/marks/pauli.txt; do
  [ -s "$root/$file" ] || fail "not installed: $file"
done
[ -x "$root/usr/bin/tavrendale" ] || fail "the program is not executable"

# A PNG's width and height stand big-endian at bytes 16 to 23.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}'; }
for size in 48 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] && [ "$(png_size "$png")" != "${size}x${size}" ] && fail "$png is $(png_size "$png")"
done

# The program's entry, with an action for each exam sheet, and the exam sheets' own entry.
for entry in $id $id.sheets; do
  desktop=$share/applications/$entry.desktop
  [ -s "$desktop" ] || { fail "not installed: $desktop"; continue; }
  desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
  grep -qx 'Categories=Education;Math;' "$desktop" || fail "$entry's categories"
  grep -qx "Icon=$id" "$desktop" || fail "$entry names another icon"
  # Every command the entry and its actions start is installed.
  while read -r exec_line; do
    [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "$entry starts '$exec_line', which is not installed"
  done < <(sed -n 's/^Exec=//p' "$desktop")
done
desktop=$share/applications/$id.desktop
for sheet in kraepelin-15 kraepelin-30 uchida pauli; do
  grep -qx "Exec=tavrendale --sheet $sheet" "$desktop" || fail "the program's entry has no action for $sheet"
done
grep -qx "Exec=tavrendale --history" "$desktop" || fail "the program's entry has no action for the history"
grep -q '^Actions=.*;history;' "$desktop" || fail "the program's entry does not list its history action"
grep -qx 'Name=Tavrendale Exam Sheets' "$share/applications/$id.sheets.desktop" ||
  fail "the exam sheets' entry has another name"

# Each of the program's languages (cmake/Translations.cmake lists them) has every text a desktop
# shows of an entry: an entry's Name, GenericName, Comment and Keywords, and each action's Name.
# Only the program's own name may read as in English.
languages=$(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' "$(dirname "$0")/../../cmake/Translations.cmake")
[ -n "$languages" ] || fail "cmake/Translations.cmake lists no languages"
for entry in $id $id.sheets; do
  desktop=$share/applications/$entry.desktop
  [ -s "$desktop" ] || continue
  untranslated=$(awk -v languages="$languages" '
    /^\[/ { group = $0; next }
    match($0, /^(Name|GenericName|Comment|Keywords)(\[[^]]*\])?=/) {
      key = substr($0, 1, RLENGTH - 1); value = substr($0, RLENGTH + 1)
      if (key ~ /\[/) { text[group SUBSEP key] = value; next }
      english[group SUBSEP key] = value
    }
    END {
      count = split(languages, language, " ")
      for (k in english) {
        split(k, part, SUBSEP)
        for (i = 1; i <= count; i++) {
          t = (k "[" language[i] "]")
          if (!(t in text) || text[t] == "")
            print part[1] " " part[2] "[" language[i] "] is missing"
          else if (text[t] == english[k] && !(part[1] == "[Desktop Entry]" && part[2] == "Name"))
            print part[1] " " part[2] "[" language[i] "] is the English text"
        }
      }
    }' "$desktop")
  [ -z "$untranslated" ] || fail "$entry.desktop: $(echo "$untranslated" | sort | paste -sd ';' -)"
done

metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate $metainfo"
# The same languages in the metainfo: the name, the summary, every paragraph and list item of a
# description and every screenshot's caption follow their English text in each language, and
# the keywords have some in each.
untranslated=$(python3 - "$metainfo" $languages <<'PYTHON'
import sys
import xml.etree.ElementTree as ElementTree

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
TRANSLATED = {"name", "summary", "p", "li", "caption"}
languages = sys.argv[2:]
root = ElementTree.parse(sys.argv[1]).getroot()

def text(element):
    return " ".join("".join(element.itertext()).split())

for parent in root.iter():
    children = list(parent)
    for at, child in enumerate(children):
        if child.tag not in TRANSLATED or LANG in child.attrib:
            continue
        found = {}
        for sibling in children[at + 1:]:
            if sibling.tag != child.tag or LANG not in sibling.attrib:
                break
            found[sibling.attrib[LANG]] = text(sibling)
        for language in languages:
            if not found.get(language):
                print(f"<{child.tag}> \"{text(child)[:40]}\" has no {language} text")
            elif found[language] == text(child) and child.tag != "name":
                print(f"<{child.tag}> \"{text(child)[:40]}\" is English in {language}")
keywords = root.find("keywords")
for language in languages:
    if keywords is None or not any(k.attrib.get(LANG) == language for k in keywords):
        print(f"no keywords in {language}")
PYTHON
)
[ -z "$untranslated" ] || fail "the metainfo: $(echo "$untranslated" | paste -sd ';' -)"
for entry in $id $id.sheets; do
  grep -q "<launchable type=\"desktop-id\">$entry.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $entry.desktop"
done
# Every screenshot the metainfo shows is one of the README's, which scripts/screenshots.sh takes.
for image in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "$(dirname "$0")/../../docs/screenshots/$image" ] || fail "the metainfo shows $image, which docs/screenshots lacks"
done

# The manual page says how the language is chosen: the option and the locale's variables.
manual=$(gzip -dc "$share/man/man1/tavrendale.1.gz" 2>/dev/null)
grep -q '^\.BI \\-\\-lang ' <<<"$manual" || fail "the manual page does not describe --lang"
for variable in LANGUAGE LC_ALL LC_MESSAGES LANG; do
  grep -q "^\.B.* $variable\b" <<<"$manual" || fail "the manual page does not name $variable"
done
if command -v man >/dev/null 2>&1; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/tavrendale.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
fi
cmp -s "$share/doc/tavrendale/LICENSE" "$(dirname "$0")/../../LICENSE" || fail "the licence differs from LICENSE"

[ "$failures" -eq 0 ] && echo "every check passed"
exit $((failures > 0))
