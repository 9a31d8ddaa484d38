#!/usr/bin/env bash
# Installs the Debian package on THIS machine, checks the installed programs, manual pages,
# completion and udev rule, then purges it again. Meant for a throwaway machine or container
# (the default test run checks the .deb without installing it):
#   scripts/package-check.sh --install [BUILD_DIR]     (as root; BUILD_DIR default build/default)
set -euo pipefail
if [ "${1:-}" != --install ]; then
  sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
cd "$(dirname "$0")/.."
build=$(cd "${2:-build/default}" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "package-check: run as root (it installs a package)" >&2; exit 2; }
if dpkg-query -W -f='${Status}' qx720-clone 2>/dev/null | grep -q 'ok installed'; then
  echo "package-check: qx720-clone is installed already; remove it first" >&2
  exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/qx720-package-check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null)
deb=$(ls "$scratch"/*.deb)
step() { echo "== $*"; }

step "install $(basename "$deb")"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null

step "programs"
cd "$scratch"
mkdir -m 700 runtime
export XDG_RUNTIME_DIR=$scratch/runtime
# The backup before the write goes into the scratch folder, not the user's data folder.
export XDG_DATA_HOME=$scratch/data
[ "$(command -v qx720)" = /usr/bin/qx720 ]
qx720 --help >/dev/null
qx720 --radio "virtual:$scratch/radio.bin" defaults -o "$scratch/uk.dat" --model eur-int --set uk >/dev/null
qx720 --radio "virtual:$scratch/radio.bin" write "$scratch/uk.dat"
QT_QPA_PLATFORM=offscreen timeout 60 QX720Clone --self-test

step "manual pages, completion, desktop entry, udev rule"
man -w qx720 QX720Clone
page=$(MANWIDTH=200 man qx720)
grep -q 'qx720 eeprom read' <<<"$page"
bash -c 'source /usr/share/bash-completion/completions/qx720; complete -p qx720'
test -f /usr/share/applications/qx720-clone.desktop
test -f /usr/lib/udev/rules.d/70-qx720-clone.rules
test -f /usr/share/doc/qx720-clone/copyright

step "purge"
apt-get purge -y -qq qx720-clone >/dev/null
test ! -e /usr/bin/qx720
test ! -e /usr/lib/udev/rules.d/70-qx720-clone.rules
echo "package-check: installed, ran and purged $(basename "$deb")"
