#!/usr/bin/env bash
# Installs the Debian packages this project needs, and only those that are missing;
# packages named as arguments are added to the list.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libhidapi-dev
  libgtest-dev libgmock-dev
  libcli11-dev nlohmann-json3-dev libssl-dev
  libbenchmark-dev
  libcairo2-dev libpango1.0-dev poppler-utils
  xvfb xauth imagemagick
  desktop-file-utils appstream librsvg2-bin
  dpkg-dev file
  lintian
  clang-format
  emscripten chromium
  python3
)
# Node and npm for the browser tests: a node that did not come from Debian brings its own npm,
# and Debian's npm would not install beside it.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
# Extra packages for one script's own needs (the fuzzers' clang, for one).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The browser tests' driver, exactly as package-lock.json pins it (no browser download: the
# tests use Debian's chromium). Done again only when the lock file changed; the lock on
# package.json keeps two set-ups at once from installing into the same folder together.
web_tests="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
if ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.qx720-installed-lock"; then
  flock "$web_tests/package.json" sh -c '
    cd "$1"
    cmp -s package-lock.json node_modules/.qx720-installed-lock && exit 0
    echo "setup: npm ci in tests/web" >&2
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null
    cp package-lock.json node_modules/.qx720-installed-lock' sh "$web_tests"
fi
