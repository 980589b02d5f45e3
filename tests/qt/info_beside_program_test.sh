#!/usr/bin/env bash
# The info text is read beside the real program file: started through a
# relative link in another directory, from a third working directory, with
# the program in a directory whose name is not UTF-8 ("Größe" in
# Windows-1252), and decoys beside the link and in the working directory.
# Usage: info_beside_program_test.sh INFO_PROBE
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/$'Gr\xf6\xdfe'
mkdir -p "$home" "$work/bin" "$work/elsewhere"
cp "$1" "$home/lurnatik1"
ln -s "../$(basename "$home")/lurnatik1" "$work/bin/lurnatik1"
printf 'Info \xfcber' >"$home/info_lurnatik1.txt"
echo decoy | tee "$work/bin/info_lurnatik1.txt" >"$work/elsewhere/info_lurnatik1.txt"

expect_info() {
    shown=$(cd "$work/elsewhere" && QT_QPA_PLATFORM=offscreen ../bin/lurnatik1)
    [ "$shown" = "$1" ] || { echo "FAIL: Info showed '$shown', not '$1'" >&2; exit 1; }
}
expect_info "Info über"
rm "$home/info_lurnatik1.txt"
expect_info $'Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.'
