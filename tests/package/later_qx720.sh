#!/usr/bin/env bash
# Stands in for a later qx720 in the help-shapes test: the help texts of CLI11 with more
# commands, a nested command group, a name longer than the description column, an option with
# choices and a default, and an option group with a heading of its own.
case "$*" in
--version) echo "qx720 1.10" ;;
--help) cat <<'HELP'
qx720 - program the QX720 marine VHF handset through its USB clone adaptor.
Usage: qx720 [OPTIONS] SUBCOMMAND

Options:
  -h,--help                   Print this help message and exit
  --version                   Display program version information and exit
  --radio RADIO               usb (default) or virtual:FILE

Subcommands:
  read                        Read from Radio, save the record as a clone file
  mmsi                        classify an MMSI
  a-very-long-command-name-beyond-the-column
                              a command whose name is long
  fleet                       fleet runs

Examples:
  qx720 read -o boat.dat --radio usb
HELP
  ;;
"read --help") cat <<'HELP'
Read from Radio, save the record as a clone file
Usage: qx720 read [OPTIONS]

Options:
  -h,--help                   Print this help message and exit
  -o,--output FILE.dat REQUIRED
                              clone file to write

Examples:
  qx720 read -o boat.dat --radio usb
HELP
  ;;
"mmsi --help") cat <<'HELP'
classify an MMSI
Usage: qx720 mmsi [OPTIONS] number

Positionals:
  number TEXT REQUIRED        nine digits

Options:
  -h,--help                   Print this help message and exit
  --format TEXT:{text,json} [text]
                              output format

Output options:
  --quiet                     only the exit status
HELP
  ;;
"a-very-long-command-name-beyond-the-column --help") cat <<'HELP'
a command whose name is long
Usage: qx720 a-very-long-command-name-beyond-the-column [OPTIONS]

Options:
  -h,--help                   Print this help message and exit
HELP
  ;;
"fleet --help") cat <<'HELP'
fleet runs
Usage: qx720 fleet [OPTIONS] SUBCOMMAND

Options:
  -h,--help                   Print this help message and exit

Subcommands:
  run                         write many radios
  list                        list a fleet file
HELP
  ;;
"fleet run --help") cat <<'HELP'
write many radios
Usage: qx720 fleet run [OPTIONS] file

Positionals:
  file FILE.csv REQUIRED      fleet file

Options:
  -h,--help                   Print this help message and exit
  --dry-run                   send nothing
  --log DIR                   log folder
HELP
  ;;
"fleet list --help") cat <<'HELP'
list a fleet file
Usage: qx720 fleet list [OPTIONS] file

Positionals:
  file FILE.csv REQUIRED      fleet file

Options:
  -h,--help                   Print this help message and exit
HELP
  ;;
*)
  echo "later_qx720.sh: no help for '$*'" >&2
  exit 109
  ;;
esac
