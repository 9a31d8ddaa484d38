#!/usr/bin/env bash
# Fills the qx720(1) page from the program's own help, so the page lists every command and
# option the installed program has:
#   qx720-man.sh QX720 TEMPLATE > qx720.1
# In TEMPLATE the comment line `.\" @options` becomes the global options of `qx720 --help`,
# and the line `.\" @commands` one subsection per command (and per member of a command group,
# such as `eeprom read`) from `qx720 COMMAND... --help`.
set -euo pipefail
qx720=$1
template=$2

# Help text -> "section<TAB>name<TAB>description" lines. CLI11 indents an entry by two spaces
# and puts its description after two or more spaces, or on the next line when the name is long.
entries() {
  awk '
    # Option groups get headings of their own ("Radio options:"): options all the same.
    /^[A-Z][A-Za-z ]*:$/ { section = substr($0, 1, length($0) - 1); if (section ~ / options$/) section = "Options"; next }
    /^$/ { flush(); section = ""; next }
    section == "" { next }
    /^  [^ ]/ {
      flush()
      line = substr($0, 3)
      split_at = match(line, /  +/)
      if (split_at) { name = substr(line, 1, split_at - 1); desc = substr(line, split_at + RLENGTH) }
      else { name = line; desc = "" }
      pending = 1
      next
    }
    /^   / && pending { sub(/^ +/, ""); desc = desc (desc == "" ? "" : " ") $0; next }
    function flush() { if (pending) print section "\t" name "\t" desc; pending = 0 }
    END { flush() }
  '
}

# Plain text -> roff text: backslashes, hyphens as minus signs, no leading control character.
roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

# "-o,--output FILE.dat REQUIRED" -> bold flags, italic argument, and whether it is required.
option_item() {
  local name=$1 desc=$2 positional=$3 head rest word required=""
  head=${name%% *}
  rest=""
  [ "$head" = "$name" ] || rest=${name#* }
  local args=()
  for word in $rest; do
    case "$word" in
      REQUIRED) required=yes ;;
      TEXT) ;;
      TEXT:*) args+=("${word#TEXT:}") ;;
      *) args+=("$word") ;;
    esac
  done
  echo ".TP"
  if [ "$positional" = yes ]; then
    # A positional reads best as its type ("FILE.dat"); one with choices keeps its name.
    if [ ${#args[@]} -eq 1 ] && [[ ${args[0]} != '{'* ]]; then
      printf '\\fI%s\\fR' "$(roff <<<"${args[0]}")"
      args=()
    else
      printf '\\fI%s\\fR' "$(roff <<<"$head")"
    fi
  else
    local flags="" flag
    IFS=, read -ra parts <<<"$head"
    for flag in "${parts[@]}"; do
      flags+="${flags:+, }\\fB$(roff <<<"$flag")\\fR"
    done
    printf '%s' "$flags"
  fi
  for word in "${args[@]}"; do printf ' \\fI%s\\fR' "$(roff <<<"$word")"; done
  echo
  if [ -n "$desc" ]; then roff <<<"$desc"; fi
  [ -z "$required" ] || echo "(required)"
}

global_options() {
  local section name desc
  "$qx720" --help </dev/null | entries | while IFS=$'\t' read -r section name desc; do
    if [ "$section" = Options ]; then option_item "$name" "$desc" no; fi
  done
}

# One subsection per command; a command group also gets one per member.
command_section() {
  local help usage summary section name desc
  help=$("$qx720" "$@" --help </dev/null)
  usage=$(sed -n 's/^Usage: //p' <<<"$help" | head -n 1)
  summary=$(head -n 1 <<<"$help")
  printf '.SS "%s"\n' "$(roff <<<"$usage")"
  roff <<<"$summary"
  while IFS=$'\t' read -r section name desc; do
    case "$section" in
      Positionals) option_item "$name" "$desc" yes ;;
      Options) [ "$name" = "-h,--help" ] || option_item "$name" "$desc" no ;;
    esac
  done < <(entries <<<"$help")
  while IFS=$'\t' read -r section name desc; do
    if [ "$section" = Subcommands ]; then command_section "$@" "$name"; fi
  done < <(entries <<<"$help")
}

commands() {
  local section name desc
  "$qx720" --help </dev/null | entries | while IFS=$'\t' read -r section name desc; do
    if [ "$section" = Subcommands ]; then command_section "$name"; fi
  done
}

while IFS= read -r line; do
  case "$line" in
    '.\" @options') global_options ;;
    '.\" @commands') commands ;;
    *) printf '%s\n' "$line" ;;
  esac
done <"$template"
