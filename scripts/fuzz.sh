#!/usr/bin/env bash
# Builds the fuzz harnesses with libFuzzer (clang) and runs each for SECONDS (default 60).
# New inputs and any crash go to a scratch folder whose path is printed; the seed corpora in
# tests/fuzz/corpus are read, never changed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
./scripts/setup.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_harnesses
work=$(mktemp -d "${TMPDIR:-/tmp}/qx720-fuzz.XXXXXX")
echo "fuzz: work folder $work"
status=0
for harness in build/fuzz/tests/fuzz/fuzz_*; do
  name=${harness##*/fuzz_}
  mkdir -p "$work/$name"
  echo "== $name (${seconds}s)"
  if ! "$harness" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/$name/" \
       "$work/$name" "tests/fuzz/corpus/$name" 2>"$work/$name.log"; then
    echo "fuzz: $name FAILED, see $work/$name.log and the crash file in $work/$name/"
    status=1
  fi
  grep -E "stat::number_of_executed_units|cov:" "$work/$name.log" | tail -2 || true
done
exit $status
