# SPDX-License-Identifier: GPL-3.0-or-later
# What the shell tests of the scripts share; sourced. Each check prints "ok: ..." or
# "FAILED: ..."; `checks_verdict` ends the test with the count.

failures=0

check() { # description, expected, actual
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

# Makes `folder` a PATH of its own: links to every program of this PATH (the first folder of
# PATH that has a name wins, as in PATH) but those whose names match the given patterns.
path_without() { # folder, patterns...
  local folder=$1 pattern dir
  shift
  mkdir -p "$folder"
  local -a dirs
  IFS=: read -r -a dirs <<<"$PATH"
  for dir in "${dirs[@]}"; do
    [ -d "$dir" ] && ln -s "$dir"/* "$folder/" 2>/dev/null
  done
  for pattern in "$@"; do
    # shellcheck disable=SC2086 # the pattern is a glob
    rm -f "$folder"/$pattern
  done
}

checks_verdict() {
  echo "$failures check(s) failed"
  [ "$failures" -eq 0 ]
}
