#!/usr/bin/env bash
# Checks every C++ file under src/, tests/ and bench/ against .clang-format without changing
# anything; lists the files that differ and how many of their lines would change.
#   scripts/format-check.sh          exit 1 when any file differs
#   scripts/format-check.sh FILE...  only those files
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format-check: clang-format is not installed" >&2; exit 2; }
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
fi
# One clang-format run finds the files that differ; only those are diffed for a count.
mapfile -t bad < <(clang-format --style=file --dry-run "${files[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: .*/\1/p' | sort -u)
total=0
differing=0
for f in "${bad[@]}"; do
  # Lines of the file that clang-format would replace.
  n=$(clang-format --style=file "$f" | diff "$f" - | grep -c '^<' || true)
  echo "$f: $n line(s)"
  total=$((total + n))
  differing=$((differing + 1))
done
if [ "$differing" -gt 0 ]; then
  echo "format-check: $differing file(s), $total line(s) differ from .clang-format (clang-format -i FILE fixes them)"
  exit 1
fi
echo "format-check: ${#files[@]} file(s) match .clang-format"
