#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The calls spoken by the real speech engine: Qt TextToSpeech's speech-dispatcher plugin
# starts a speech-dispatcher of this test's own (its runtime folder and home in a temporary
# folder, on a private D-Bus session bus), which is ended by its process number afterwards.
#   RealVoiceTest.sh <sheet_window_tests> <Qt's plugin folder>
set -u
tests=${1:?sheet_window_tests}
plugins=${2:?Qt plugin folder}
source "$(dirname "$0")/../../scripts/require-tools.sh"
require_tools dbus-run-session speech-dispatcher
[ -e "$plugins/texttospeech/libqtexttospeech_speechd.so" ] ||
  skip "qt6-speech-speechd-plugin is not installed (scripts/deps.sh test installs it)"
compgen -G "/usr/lib/speech-dispatcher-modules/sd_espeak-ng*" >/dev/null ||
  skip "speech-dispatcher-espeak-ng is not installed (scripts/deps.sh test installs it)"

home=$(mktemp -d)
finish() {
  # The speech-dispatcher the plugin started listens on a socket in this test's folder.
  # It may be busy with an output that does not answer and stay deaf to a plain kill.
  local pids
  pids=$(pgrep -f -- "--socket-path $home/" 2>/dev/null)
  if [ -n "$pids" ]; then
    kill $pids 2>/dev/null
    sleep 1
    kill -9 $pids 2>/dev/null
  fi
  rm -rf "$home"
}
trap finish EXIT
mkdir -m 700 -p "$home/runtime"
# libspeechd parses the thousands of voices of espeak-ng with strstr, which the address
# sanitizer's checks make quadratic: they are left out of this run only.
HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strstr=0 TAVRENDALE_REAL_VOICE=1 \
  dbus-run-session -- "$tests" --gtest_filter='RealVoiceTest.*'
