#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever of the given package groups is missing. Idempotent.
#   scripts/deps.sh build run package test wayland windows
set -euo pipefail

# Qt's translation tools (lupdate, lrelease and their CMake functions) compile the texts of
# the other languages; Qt's own translations of its dialogs and a Japanese font are used at run time.
# Qt's SQLite driver, a plugin Qt loads at run time, keeps the history of sittings. Qt
# TextToSpeech speaks the examiner's calls; its CMake package needs Qt's QML integration
# headers, which only qt6-declarative-dev has.
build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libx11-dev libcanberra-dev
       libqt6sql6-sqlite
       qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-speech-dev qt6-declarative-dev
       fonts-crosextra-caladea fonts-wine fonts-dejavu-core fonts-noto-cjk)
# The voice of the calls at run time, optional: Qt's speech-dispatcher plugin, speech-dispatcher
# and its espeak-ng voices (every language of the program).
voice=(qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
run=(xvfb openbox xdotool imagemagick x11-utils "${voice[@]}")
# The screenshots read the program through its accessibility tree, on a session bus.
shots=(dbus-bin at-spi2-core python3-pyatspi)
package=(git dpkg-dev debhelper)
test=(git python3 clang-format-14 libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
      xvfb openbox icewm xdotool imagemagick x11-utils
      wine wine64 g++-mingw-w64-x86-64 locales
      dpkg-dev debhelper lintian desktop-file-utils appstream
      dbus-daemon at-spi2-core python3-pyatspi
      poppler-utils "${voice[@]}")
# The docking tests on the Wayland desktops: GNOME's and KDE's compositors, headless, with
# XWayland; KDE's window decoration; Qt's Wayland plugin for the program run natively; the
# session bus and Debian's Python with its D-Bus binding, which drive mutter's pointer.
wayland=(mutter kwin-wayland kwin-style-breeze xwayland qt6-wayland dbus-daemon python3-dbus x11-utils xdotool)
# The Windows build (scripts/windows.sh): the cross-compilers, Debian's Qt and SQLite source
# packages unpacked with dpkg-source (SQLite's one file made with tclsh and make), and what its
# test under Wine drives and reads the program with.
windows=(cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
         dpkg-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix tcl make libsqlite3-0
         wine wine64 xvfb xdotool imagemagick locales)

want=()
for group in "$@"; do
  declare -n list="$group"
  want+=("${list[@]}")
done

missing=()
for pkg in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
# de-duplicate
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk 'NF && !seen[$0]++')

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
