#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts in place, installed into a temporary root and checked as a
# desktop would read it:   InstallTest.sh <build folder>
set -u
build=${1:?build folder}
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null 2>&1 ||
    { echo "SKIPPED: $tool is not installed (scripts/deps.sh test installs it)"; exit 77; }
done

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
            usr/share/doc/tavrendale/LICENSE; do
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
grep -qx 'Name=Tavrendale Exam Sheets' "$share/applications/$id.sheets.desktop" ||
  fail "the exam sheets' entry has another name"

metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate $metainfo"
for entry in $id $id.sheets; do
  grep -q "<launchable type=\"desktop-id\">$entry.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $entry.desktop"
done
# Every screenshot the metainfo shows is one of the README's, which scripts/screenshots.sh takes.
for image in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "$(dirname "$0")/../../docs/screenshots/$image" ] || fail "the metainfo shows $image, which docs/screenshots lacks"
done

if command -v man >/dev/null 2>&1; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/tavrendale.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
fi
cmp -s "$share/doc/tavrendale/LICENSE" "$(dirname "$0")/../../LICENSE" || fail "the licence differs from LICENSE"

[ "$failures" -eq 0 ] && echo "every check passed"
exit $((failures > 0))
