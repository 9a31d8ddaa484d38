#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over every source file under src/, or over the files
# given. Needs a configured build for its compile_commands.json (cmake --preset default).
#   scripts/tidy.sh [FILE.cpp...]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh clang-tidy
build=${QX_TIDY_BUILD:-build/default}
[ -f "$build/compile_commands.json" ] || { echo "tidy: configure first (cmake --preset default)" >&2; exit 2; }
if [ $# -gt 0 ]; then
  files=("$@")
else
  # Every folder under src/ (a pathspec's * crosses folders), but the browser build's own: the
  # desktop build's compile commands do not have them.
  mapfile -t files < <(git ls-files 'src/*.cpp' ':!src/web/*' ':!src/backends/webhid/*')
fi
jobs=${QX_TIDY_JOBS:-2}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%s\n' "${files[@]}" | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null >"$log" || true
# A header's warning comes once per file that includes it: show each once.
{ grep -E ': (warning|error):' "$log" || true; } | sort -u >"$log.unique"
cat "$log.unique"
count=$(wc -l <"$log.unique")
rm -f "$log.unique"
echo "tidy: $count warning(s)"
[ "$count" -eq 0 ]
