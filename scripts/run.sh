#!/usr/bin/env bash
# Builds the program and starts it: the desktop window where a display exists, otherwise the
# command-line demo against a virtual radio.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
bin=build/default
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$bin/src/gui/QX720Clone" ]; then
  exec "$bin/src/gui/QX720Clone" "$@"
elif [ -x "$bin/src/cli/qx720" ]; then
  [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || echo "No display found: running the command-line demo." >&2
  exec "$bin/src/cli/qx720" demo
else
  echo "Built the core library and its tests; the desktop program and the qx720 tool are not built yet."
fi
