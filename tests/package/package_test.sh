#!/usr/bin/env bash
# Checks of the installed tree and the Debian package.
#   package_test.sh install-tree BUILD_DIR   the file list of `cmake --install`
#   package_test.sh validate SOURCE_DIR      desktop file, metainfo and udev rule
#   package_test.sh deb BUILD_DIR            build the .deb, install it, start both programs
set -euo pipefail
mode=$1
dir=$2
skip=77

case "$mode" in
install-tree)
  prefix=$(mktemp -d)
  trap 'rm -rf "$prefix"' EXIT
  cmake --install "$dir" --prefix "$prefix" >/dev/null
  actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
  expected=$(sort <<'LIST'
bin/QX720Clone
bin/qx720
lib/udev/rules.d/70-qx720-clone.rules
share/applications/qx720-clone.desktop
share/icons/hicolor/128x128/apps/qx720-clone.png
share/icons/hicolor/16x16/apps/qx720-clone.png
share/icons/hicolor/256x256/apps/qx720-clone.png
share/icons/hicolor/32x32/apps/qx720-clone.png
share/icons/hicolor/48x48/apps/qx720-clone.png
share/icons/hicolor/64x64/apps/qx720-clone.png
share/icons/hicolor/scalable/apps/qx720-clone.svg
share/metainfo/io.github.qx720clone.QX720Clone.metainfo.xml
LIST
)
  if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
  fi
  ;;
validate)
  desktop-file-validate "$dir/packaging/qx720-clone.desktop"
  appstreamcli validate --no-net "$dir/packaging/io.github.qx720clone.QX720Clone.metainfo.xml"
  rules="$dir/packaging/70-qx720-clone.rules"
  grep -Eq '^SUBSYSTEM=="usb", ATTRS\{idVendor\}=="0483", ATTRS\{idProduct\}=="5750", TAG\+="uaccess"$' "$rules"
  grep -Eq '^KERNEL=="hidraw\*", ATTRS\{idVendor\}=="0483", ATTRS\{idProduct\}=="5750", TAG\+="uaccess"$' "$rules"
  ;;
deb)
  # Installing a package changes the machine: only where we are root (CI is).
  [ "$(id -u)" -eq 0 ] || exit $skip
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  (cd "$out" && cpack --config "$dir/CPackConfig.cmake" -G DEB >/dev/null)
  deb=$(ls "$out"/*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for lib in libqt6widgets6 libhidapi-hidraw0 libstdc++6; do
    grep -q "$lib" <<<"$depends" || { echo "missing dependency $lib"; exit 1; }
  done
  dpkg -i "$deb" >/dev/null
  /usr/bin/qx720 --help >/dev/null
  QT_QPA_PLATFORM=offscreen timeout 20 /usr/bin/QX720Clone --self-test
  test -f /usr/lib/udev/rules.d/70-qx720-clone.rules
  ;;
*)
  echo "unknown mode $mode" >&2
  exit 2
  ;;
esac
