#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts without the cue's sound library: libcanberra, and what it pulls in, are
# opened when the first cue sounds, so the dynamic linker does not load them at start. Nor
# does it load the speech engine: Qt TextToSpeech opens its speech-dispatcher plugin, with
# speech-dispatcher's client library, when a sheet first asks for a voice.
#   ProgramLibrariesTest.sh <program>
set -u
program=${1:?program}
source "$(dirname "$0")/../../scripts/require-tools.sh"
require_tools --why "" ldd

if ! libraries=$(ldd "$program" 2>&1); then
  echo "FAILED: ldd $program: $libraries"
  exit 1
fi
# The list is the program's own: Qt is in it.
if ! grep -q 'libQt6Core' <<<"$libraries"; then
  echo "FAILED: ldd listed no Qt for $program:"
  echo "$libraries"
  exit 1
fi
loaded=$(grep -E 'lib(canberra|ltdl|vorbis|vorbisfile|ogg|tdb)\.so' <<<"$libraries")
if [ -n "$loaded" ]; then
  echo "FAILED: the program loads the cue's sound libraries at start:"
  echo "$loaded"
  exit 1
fi
speech=$(grep -E 'lib(speechd|espeak|espeak-ng)\.so|qtexttospeech_' <<<"$libraries")
if [ -n "$speech" ]; then
  echo "FAILED: the program loads the speech engine at start:"
  echo "$speech"
  exit 1
fi
echo "the program starts without libcanberra, the speech engine and the libraries they pull in"
