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
  libcli11-dev nlohmann-json3-dev
  libbenchmark-dev
  xvfb xauth imagemagick
  desktop-file-utils appstream librsvg2-bin
  dpkg-dev file
  lintian
  clang-format
)
# Extra packages for one script's own needs (the fuzzers' clang, for one).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq >/dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
