#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built by scripts/package.sh, checked with lintian, unpacked into a
# temporary root (nothing is installed on the machine) and started from there.
#   PackageTest.sh <work folder>       (the package's build is kept there for the next run)
set -u
out=${1:?work folder}
source_root=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_root/scripts/require-tools.sh"
require_tools dpkg-buildpackage dh lintian dpkg-deb
unmet=$(cd "$source_root" && dpkg-checkbuilddeps 2>&1) || skip "$unmet (scripts/deps.sh build installs them)"

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

mkdir -p "$out"
if ! bash "$source_root/scripts/package.sh" "$out" >"$out/package.log" 2>&1; then
  tail -n 60 "$out/package.log"
  echo "FAILED: scripts/package.sh"
  exit 1
fi
deb=$(sed -n 's/^Built //p' "$out/package.log")
echo "built $deb"

# Lintian checks the package against Debian's policy; the build has to leave neither an
# error nor a warning.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian finds errors or warnings"

# The library dependencies come from the binary (dpkg-shlibdeps), not from a list.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6widgets6 libqt6svg6; do
  [[ $depends == *"$library "* ]] || fail "Depends lacks $library: $depends"
done
# The cue's sound library is opened only when a cue sounds, so dpkg-shlibdeps cannot see it;
# without it the cue is only seen.
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *libcanberra0* ]] || fail "Recommends lacks libcanberra0: $recommends"

# What the texts in other languages need beside the program, which carries them itself: a font
# with Japanese glyphs, and Qt's translations of its own dialogs.
for package in fonts-noto-cjk qt6-translations-l10n; do
  [[ ", $recommends," == *", $package,"* ]] || fail "Recommends lacks $package: $recommends"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/tavrendale
mkdir -m 700 "$work/runtime"

version=$(QT_QPA_PLATFORM=offscreen "$program" --version 2>/dev/null)
[ "$version" = "Tavrendale 1.0" ] || fail "--version printed '$version'"

# The package carries the texts of every language: asked for one, the help reads otherwise than
# in English.
english=$(QT_QPA_PLATFORM=offscreen "$program" --lang en --help 2>&1)
for language in $(sed -n 's/^set(TAVRENDALE_LANGUAGES \(.*\))$/\1/p' "$source_root/cmake/Translations.cmake"); do
  translated=$(QT_QPA_PLATFORM=offscreen "$program" --lang "$language" --help 2>&1)
  [ "$translated" != "$english" ] || fail "--lang $language --help printed the English help"
done

# Without arguments it opens its window and waits for the user: still running after a few
# seconds, and with nothing to complain about.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime timeout 5 "$program" 2>"$work/errors"
status=$?
[ "$status" -eq 124 ] || fail "started without arguments, it ended with status $status"
[ -s "$work/errors" ] && fail "started without arguments, it wrote: $(cat "$work/errors")"

# On an X server its window shows (where the virtual one can be started), whatever platform
# the tests around it chose.
XSERVER_WM=none "$source_root/scripts/docking/with-xserver.sh" bash -c '
  QT_QPA_PLATFORM=xcb "$0" & pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name "^Tavrendale\$" >/dev/null; shown=$?
  kill "$pid"; wait "$pid" 2>/dev/null
  exit $shown' "$program" 2>/dev/null
case $? in
  0) echo "the unpacked program shows its window on an X server" ;;
  77) echo "no virtual X server: the window was not looked for" ;;
  *) fail "the unpacked program showed no window on an X server" ;;
esac

[ "$failures" -eq 0 ] && echo "every check passed"
exit $((failures > 0))
