#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test command: installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps.sh build test wayland

# Formatting is part of the test: every tracked C++ file as .clang-format lays it out.
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror; then
  echo "Formatting differs from .clang-format. Fix it with:" >&2
  echo "  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 -i" >&2
  exit 1
fi

# Every source file carries the licence line at its top (after a #! line where there is one).
unlicensed=$(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*CMakeLists.txt' '*.cmake' debian/rules |
  xargs -0 awk 'FNR == 1 { if (name != "" && !ok) print name; name = FILENAME; ok = 0; want = /^#!/ ? 2 : 1 }
                FNR == want && /SPDX-License-Identifier: GPL-3\.0-or-later/ { ok = 1 }
                END { if (name != "" && !ok) print name }')
if [ -n "$unlicensed" ]; then
  echo "These source files lack the licence line at their top (after a #! line where there is one):" >&2
  echo "$unlicensed" | sed 's/^/  /' >&2
  echo "Add '// SPDX-License-Identifier: GPL-3.0-or-later' ('#' in CMake, shell and Python files)." >&2
  exit 1
fi

# A library reaches others only through their public headers (cmake/Headers.cmake), never
# through the whole of src/.
if git grep -n 'PROJECT_SOURCE_DIR}/src)' -- '*CMakeLists.txt'; then
  echo "A target above takes the whole of src/ as an include folder; call tavrendale_headers() instead." >&2
  exit 1
fi

build=${TAVRENDALE_TEST_BUILD:-$root/build-asan}
jobs=$(nproc)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRENDALE_SANITIZE=ON \
      -DTAVRENDALE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The tests read the program's English texts, whatever language this desktop speaks; those
# that want another language ask for it.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 600
