#!/usr/bin/env bash
# Checks of the installed tree and the Debian package. None of them installs anything: each
# works in its own scratch folder, so two runs at once do not meet.
#   package_test.sh install-tree BUILD_DIR         the file list of `cmake --install`
#   package_test.sh validate SOURCE_DIR            desktop file, metainfo and udev rule
#   package_test.sh deb BUILD_DIR VERSION          the .deb: control, files, Depends, programs
#   package_test.sh lintian BUILD_DIR              the .deb passes lintian (errors and warnings)
#   package_test.sh manual BUILD_DIR               qx720(1) covers every command and option
#   package_test.sh completion BUILD_DIR SOURCE_DIR  bash completion of qx720
#   package_test.sh help-shapes BUILD_DIR SOURCE_DIR  both, for a later qx720 with more commands
# The installing check for a throwaway machine is scripts/package-check.sh.
set -euo pipefail
mode=$1
dir=$(cd "$2" && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/qx720-package-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The package's files below /usr, one per line, sorted.
expected_files() {
  sort <<'LIST'
bin/QX720Clone
bin/qx720
lib/udev/rules.d/70-qx720-clone.rules
share/applications/qx720-clone.desktop
share/bash-completion/completions/qx720
share/doc/qx720-clone/changelog.gz
share/doc/qx720-clone/copyright
share/icons/hicolor/128x128/apps/qx720-clone.png
share/icons/hicolor/16x16/apps/qx720-clone.png
share/icons/hicolor/256x256/apps/qx720-clone.png
share/icons/hicolor/32x32/apps/qx720-clone.png
share/icons/hicolor/48x48/apps/qx720-clone.png
share/icons/hicolor/64x64/apps/qx720-clone.png
share/icons/hicolor/scalable/apps/qx720-clone.svg
share/man/man1/QX720Clone.1.gz
share/man/man1/qx720.1.gz
share/metainfo/io.github.qx720clone.QX720Clone.metainfo.xml
LIST
}

same_list() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    diff <(echo "$expected") <(echo "$actual") || true
    fail "$what differs from the expected list"
  fi
}

build_deb() {
  (cd "$scratch" && cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$scratch/cpack" >/dev/null)
  local debs=("$scratch"/cpack/*.deb)
  if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "cpack made no single .deb"; fi
  deb=${debs[0]}
}

# The commands of qx720, one path per line ("eeprom read"), from the program's own help.
command_paths() {
  local qx720=$1
  shift
  local name
  for name in $("$qx720" "$@" --help | awk '/^[A-Z][A-Za-z ]*:$/ { s = $0; next } /^$/ { s = "" }
                                          s == "Subcommands:" && /^  [^ ]/ { print $1 }'); do
    echo "$* $name" | sed 's/^ //'
    command_paths "$qx720" "$@" "$name"
  done
}

# qx720(1) in PAGE has a subsection for every command of QX720 that describes each of the
# command's long options, and describes the global ones under OPTIONS.
page_covers_every_command() {
  local qx720=$1 page paths path section option options
  # The long options of `qx720 [COMMAND...]`, from its help's Options sections.
  long_options() {
    "$qx720" "$@" --help | awk '/^[A-Z][A-Za-z ]*:$/ { s = $0 ~ /[Oo]ptions:$/ ? "Options:" : $0; next } /^$/ { s = "" }
                                s == "Options:" && /^  -/ { print $1 }' | tr ',' '\n' | grep '^--' | { grep -vx -- --help || true; }
  }
  # The page's text without roff's font changes and escaped hyphens.
  page=$(zcat "$2" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g')
  paths=$(command_paths "$qx720")
  [ -n "$paths" ] || fail "no commands found in qx720 --help"
  while IFS= read -r path; do
    # The command's subsection, up to the next one (a group's also holds its members').
    section=$(awk -v head=".SS \"qx720 $path" '
      index($0, head " ") == 1 || index($0, head "\"") == 1 { on = 1; print; next }
      /^\.S[SH] / { on = 0 } on' <<<"$page")
    [ -n "$section" ] || fail "qx720.1 has no section for 'qx720 $path'"
    # shellcheck disable=SC2086
    for option in $(long_options $path); do
      grep -qF -- "$option" <<<"$section" || fail "qx720.1 does not describe 'qx720 $path $option'"
    done
  done <<<"$paths"
  options=$(awk '/^\.SH OPTIONS/ { on = 1; next } /^\.SH / { on = 0 } on' <<<"$page")
  for option in $(long_options); do
    grep -qF -- "$option" <<<"$options" || fail "qx720.1 does not describe $option under OPTIONS"
  done
  grep -q "^\.TH QX720 1 \"[0-9-]*\" \"qx720 $("$qx720" --version | awk '{ print $2 }')\"" <<<"$page" ||
    fail "qx720.1 carries another version than the program"
}

# The completion checks run in the scratch folder, where a few files are laid out; they use
# $qx720 and $completion.
completion_scratch() {
  cd "$scratch"
  touch boat.dat radio.bin "my boat.dat"
  mkdir backups
}

# What the completion offers for a command line that ends at the cursor, one per line, sorted.
offers() {
  bash --norc --noprofile -c '
    source "$1"
    COMP_WORDS=("$2"); COMP_LINE="$2 $3"; COMP_POINT=${#COMP_LINE}
    _qx720
    printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$qx720" "$1" | sed '/^$/d' | sort
}

expect() {
  local line=$1 expected
  expected=$(printf '%s\n' "${@:2}" | sort)
  [ "$(offers "$line")" = "$expected" ] ||
    fail "completing 'qx720 $line' offers [$(offers "$line" | tr '\n' ' ')], expected [${*:2}]"
}

offers_include() {
  local line=$1 word got
  got=$(offers "$line")
  for word in "${@:2}"; do
    grep -qx -- "$word" <<<"$got" || fail "completing 'qx720 $line' does not offer $word (offers: $(tr '\n' ' ' <<<"$got"))"
  done
}

# Every command, and every member of a command group, as the program's help lists them.
completion_offers_every_command() {
  local path parent
  while IFS= read -r path; do
    parent=${path% *}
    [ "$parent" != "$path" ] || parent=""
    offers_include "${parent:+$parent }" "${path##* }"
  done < <(command_paths "$qx720")
}

case "$mode" in
install-tree)
  # cmake --install also writes its usual install_manifest.txt into the build folder.
  cmake --install "$dir" --prefix "$scratch/prefix" >/dev/null
  same_list "the installed tree" "$(expected_files)" "$(cd "$scratch/prefix" && find . -type f | sed 's|^\./||' | sort)"
  ;;

validate)
  desktop-file-validate "$dir/packaging/qx720-clone.desktop"
  appstreamcli validate --no-net "$dir/packaging/io.github.qx720clone.QX720Clone.metainfo.xml"
  rules="$dir/packaging/70-qx720-clone.rules"
  grep -Eq '^SUBSYSTEM=="usb", ATTRS\{idVendor\}=="0483", ATTRS\{idProduct\}=="5750", TAG\+="uaccess"$' "$rules"
  grep -Eq '^KERNEL=="hidraw\*", ATTRS\{idVendor\}=="0483", ATTRS\{idProduct\}=="5750", TAG\+="uaccess"$' "$rules"
  ;;

deb)
  version=$3
  build_deb

  # Control fields.
  field() { dpkg-deb --field "$deb" "$1"; }
  [ "$(field Package)" = qx720-clone ] || fail "Package is '$(field Package)'"
  [ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project is $version"
  [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
  [ "$(field Section)" = hamradio ] || fail "Section is '$(field Section)'"
  [ -n "$(field Maintainer)" ] || fail "no Maintainer"
  depends=$(field Depends)
  for lib in libqt6widgets6 libhidapi-hidraw0 libstdc++6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
  done
  [ "$(field Description | wc -l)" -ge 4 ] || fail "the Description has no extended part"

  # File list: exactly our files, owned by root, programs executable and nothing else so.
  listing=$(dpkg-deb --contents "$deb")
  same_list "the package's files" "$(expected_files)" \
    "$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sed 's|^\./usr/||' | sort)"
  awk '$2 != "root/root" { print "not root/root: " $6; bad = 1 } END { exit bad }' <<<"$listing" ||
    fail "files not owned by root"
  awk '$1 ~ /^-/ && (($6 ~ /^\.\/usr\/bin\//) != ($1 == "-rwxr-xr-x")) { print "mode " $1 ": " $6; bad = 1 }
       END { exit bad }' <<<"$listing" || fail "wrong file modes"

  # Every Depends is installable here: apt's own resolver, simulated, without the dpkg lock
  # and without writing apt's caches.
  apt-get install --simulate --reinstall --no-install-recommends \
    -o Debug::NoLocking=true -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= \
    -o APT::Get::Show-User-Simulation-Note=false "$deb" >"$scratch/apt.txt" 2>&1 ||
    { cat "$scratch/apt.txt"; fail "apt cannot install the package's Depends"; }
  grep -q '^Inst qx720-clone ' "$scratch/apt.txt" || { cat "$scratch/apt.txt"; fail "apt would not install it"; }

  # The programs run from the unpacked tree (they link the system's Qt and hidapi), in a
  # home and start directory of their own.
  dpkg-deb --extract "$deb" "$scratch/root"
  mkdir "$scratch/home"
  cd "$scratch/home"
  mkdir -m 700 "$scratch/runtime"
  export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_CACHE_HOME=$scratch/home/.cache \
         XDG_RUNTIME_DIR=$scratch/runtime
  help=$("$scratch/root/usr/bin/qx720" --help) || fail "qx720 --help exits with $?"
  grep -q '^Usage: qx720 ' <<<"$help" || fail "qx720 --help shows no usage: $help"
  said=$("$scratch/root/usr/bin/qx720" --version)
  [ "$said" = "qx720 $version" ] || fail "qx720 --version says '$said', the package is $version"
  said=$(QT_QPA_PLATFORM=offscreen timeout 60 "$scratch/root/usr/bin/QX720Clone" --self-test) ||
    fail "QX720Clone --self-test exits with $?: $said"
  [ "$said" = "QX720Clone self-test: window shown" ] || fail "QX720Clone --self-test says '$said'"
  left=("$scratch/home"/*)
  [ ! -e "${left[0]}" ] || fail "the self-test left files: ${left[*]}"

  # The changelog's newest entry is this version.
  head -n 1 < <(zcat "$scratch/root/usr/share/doc/qx720-clone/changelog.gz") |
    grep -q "^qx720-clone ($version) " || fail "the newest changelog entry is not $version"
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    "$scratch/root/usr/share/doc/qx720-clone/copyright" || fail "copyright is not machine-readable"
  ;;

lintian)
  build_deb
  # Our own scratch for lintian's unpacking; no user or system configuration.
  export TMPDIR=$scratch
  set +e
  lintian --no-cfg --fail-on error,warning "$deb" >"$scratch/lintian.txt" 2>"$scratch/lintian.err"
  status=$?
  set -e
  cat "$scratch/lintian.txt"
  if [ $status -ne 0 ] || grep -q '^[EW]: ' "$scratch/lintian.txt"; then
    cat "$scratch/lintian.err" >&2
    fail "lintian reports errors or warnings (status $status)"
  fi
  ;;

manual)
  page_covers_every_command "$dir/src/cli/qx720" "$dir/packaging/qx720.1.gz"
  ;;

completion)
  qx720=$dir/src/cli/qx720
  completion=$3/packaging/bash-completion/qx720
  completion_scratch
  completion_offers_every_command
  expect "de" defaults demo
  expect "--radio " usb virtual:
  expect "--radio virtual:" boat.dat radio.bin backups "my boat.dat"
  expect "--radio virtual:ra" radio.bin
  expect "--radio virtual:radio.bin wr" write
  expect "--radio usb eeprom v" verify
  expect "defaults --model " usa eur-int eur-int-usa
  expect "defaults -o uk.dat --set b" belgium
  expect "plan " int usa can int-narrow usa-narrow can-narrow wx
  expect "write b" backups boat.dat
  expect "diff boat.dat my" "my boat.dat"
  expect "write boat.dat --backup " backups
  expect "write --b" --backup
  offers_include "show boat.dat --" --json --radio --help
  expect "--ra" --radio
  ;;

help-shapes)
  # A stand-in for a later qx720: new commands, a nested group, a long name, an option group.
  qx720=$3/tests/package/later_qx720.sh
  completion=$3/packaging/bash-completion/qx720
  "$3/packaging/man/qx720-man.sh" "$qx720" "$dir/packaging/qx720.1.in" | gzip -9n >"$scratch/qx720.1.gz"
  page_covers_every_command "$qx720" "$scratch/qx720.1.gz"
  grep -q 'fleet run' <<<"$(command_paths "$qx720")" || fail "the nested group was not found"
  completion_scratch
  completion_offers_every_command
  expect "mmsi --format " text json
  expect "mmsi --q" --quiet
  expect "fleet run --log " backups
  expect "a-very" a-very-long-command-name-beyond-the-column
  ;;

*)
  echo "unknown mode $mode" >&2
  exit 2
  ;;
esac
