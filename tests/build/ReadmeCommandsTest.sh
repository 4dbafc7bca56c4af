#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures every build the README tells its reader to make: each `cmake -S` command of its
# shell blocks, word for word, with only the build folder moved into a temporary one. A
# command the README shows so cannot break unseen: configuring is where a missing package
# shows, or a target that links a part of Qt the build did not look for.
#   tests/build/ReadmeCommandsTest.sh
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The shell blocks' lines, continuation lines joined, that start with "cmake -S".
mapfile -t commands < <(awk '
  /^```/ { inside = !inside && /^```(sh|bash)$/; next }
  !inside { next }
  { sub(/^[ \t]+/, ""); line = line $0 }
  /\\$/ { sub(/\\$/, "", line); next }
  { if (line ~ /^cmake -S /) print line; line = "" }
' "$root/README.md")
if [ ${#commands[@]} -eq 0 ]; then
  echo "FAILED: README.md shows no cmake -S command in a shell block"
  exit 1
fi

failures=0
for command in "${commands[@]}"; do
  command=${command%%#*}
  read -r -a words <<<"$command"
  folder=
  for i in "${!words[@]}"; do
    if [ "${words[i]}" = -B ] && [ $((i + 1)) -lt ${#words[@]} ]; then
      folder=$work/$(basename "${words[i + 1]}")
      words[i + 1]=$folder
    fi
  done
  if [ -z "$folder" ]; then
    echo "FAILED: no build folder (-B) in: $command"
    failures=$((failures + 1))
    continue
  fi
  started=$SECONDS
  if (cd "$root" && "${words[@]}") >"$folder.log" 2>&1; then
    echo "configures ($((SECONDS - started)) s): $command"
  else
    echo "FAILED: $command"
    grep -A12 -m3 'CMake Error' "$folder.log" || tail -20 "$folder.log"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ]
