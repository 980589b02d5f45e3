#!/usr/bin/env bash
# The info text is read beside the real program file: started through a
# relative link in another directory, from a third working directory, with
# the program in a directory whose name is not UTF-8 ("Größe" in
# Windows-1252), and decoys beside the link and in the working directory.
# Usage: info_beside_program_test.sh INFO_PROBE
set -euo pipefail

probe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/$'Gr\xf6\xdfe'
mkdir -p "$home" "$work/bin" "$work/elsewhere"
cp "$probe" "$home/lurnatik1"
ln -s "../$(basename "$home")/lurnatik1" "$work/bin/lurnatik1"
printf 'Info \xfcber' >"$home/info_lurnatik1.txt"
echo decoy >"$work/bin/info_lurnatik1.txt"
echo decoy >"$work/elsewhere/info_lurnatik1.txt"

show_info() { (cd "$work/elsewhere" && QT_QPA_PLATFORM=offscreen ../bin/lurnatik1); }

shown=$(show_info)
[ "$shown" = "Info über" ] || { echo "FAIL: Info showed '$shown', not the text beside the program" >&2; exit 1; }
rm "$home/info_lurnatik1.txt"
shown=$(show_info)
[ "$shown" = $'Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.' ] \
    || { echo "FAIL: without its file Info showed '$shown'" >&2; exit 1; }
echo "info text found beside the program only"
