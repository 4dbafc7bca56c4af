#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the readers of window descriptions and button property records for a bounded
# time, starting from the program's own stored forms (fuzz/seeds, plus any --seeds folder:
# its *.twd and *.rec files are taken).
#
#   bash fuzz/run.sh                      # 5 minutes
#   bash fuzz/run.sh --seconds 60 --build-dir /tmp/fuzz --seeds build/src/app/forms
#
# Needs clang-14 with its runtime (scripts/deps.sh test). Exits 77 when clang is missing.
# Prints libFuzzer's final statistics; a crash leaves the input as crash-* in the build
# folder and fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=300
build=$here/../build-fuzz
extra=()
while (($#)); do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --build-dir) build=$2; shift 2 ;;
    --seeds) extra+=("$2"); shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done

source "$here/../scripts/require-tools.sh"
require_tools clang++-14

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null

seeds=$build/seeds
corpus=$build/corpus
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus"
cp "$here"/seeds/* "$seeds"/
for dir in "${extra[@]}"; do
  [ -d "$dir" ] && find "$dir" \( -name '*.twd' -o -name '*.rec' \) -exec cp {} "$seeds"/ \;
done

cd "$build"
start=$(date +%s)
set +e
./property_store_fuzzer -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 -rss_limit_mb=1024 \
  "$corpus" "$seeds" >fuzz.log 2>&1
status=$?
set -e
grep -E '^(stat::|INFO: Seed|Done)|ERROR|SUMMARY|crash-' fuzz.log || true
echo "fuzzed for $(( $(date +%s) - start )) s (log: $build/fuzz.log)"
exit "$status"
