#!/usr/bin/env bash
# Renders the pictures in docs/ against the virtual radio: under Xvfb when it is installed,
# otherwise on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target qx720_screenshots >/dev/null
tool=build/default/src/gui/qx720_screenshots
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x800x24" "$tool" docs
else
  QT_QPA_PLATFORM=offscreen "$tool" docs
fi
# The page, in headless Chromium against its virtual radio.
emcmake cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
node scripts/web-screenshot.mjs build/web docs
