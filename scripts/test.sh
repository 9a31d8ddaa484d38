#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: the default build and
# the AddressSanitizer + UndefinedBehaviorSanitizer build; then the page's build and its
# tests in headless Chromium. No display or hardware needed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
echo "== format"
./scripts/format-check.sh
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests"
  ctest --preset "$preset"
done
# The page compares its clone files with the default build's qx720, built above.
echo "== web build"
emcmake cmake --preset web >/dev/null
cmake --build --preset web
echo "== web tests"
ctest --preset web
