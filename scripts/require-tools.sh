# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts and tests that need programs a machine may lack: where one is missing,
# the script ends as skipped (exit 77, CTest's SKIP_RETURN_CODE) and says why.
#   require_tools [--why TEXT] TOOL...   skips at the first TOOL that is not installed: a name
#                                        not on PATH, or a path that is not a program. The reason
#                                        reads "TOOL is not installed (TEXT)"; TEXT is "scripts/deps.sh
#                                        test installs it" unless given, and "" leaves it out.
#   skip REASON [LOG]                    prints "SKIPPED: REASON", then the last lines of the file
#                                        LOG where one is given, and exits 77.

skip() {
  echo "SKIPPED: $1"
  if [ -n "${2-}" ]; then tail -n 20 "$2" 2>/dev/null || true; fi
  exit 77
}

require_tools() {
  local why="scripts/deps.sh test installs it" tool
  if [ "${1-}" = --why ]; then
    why=$2
    shift 2
  fi
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed${why:+ ($why)}"
  done
}
