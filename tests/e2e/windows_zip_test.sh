#!/usr/bin/env bash
# The Windows zip as a user gets it, under Wine in a private X server: unzipped
# into a fresh folder whose name has umlauts, the program starts at the
# design size at 100, 125 and 150 % scaling with its icon; a "Durchlauf" of
# 1,000 throws by real clicks, "Druck" and "Copy" into PDF files (Wine has no
# print spooler, so the program offers a PDF file), and "Info" showing the
# text that lies beside the program; "Import" of a real permanence file, found
# through the drive, directory and file lists by keys and clicks.
# Usage: windows_zip_test.sh ZIP [SCREENSHOT_DIRECTORY [DATA_DIRECTORY]]
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
. "$here/wine_session.sh"
zip=$1 shots=${2:-} data=${3:-}
need_tools Xvfb xdotool xwininfo xprop import convert tesseract unzip pdftotext pdfimages
on_failure() {
    cat "$work/app.log" >&2 2>/dev/null || true
    [ -z "$shots" ] || import -window root "$shots/windows-failure.png" 2>/dev/null || true
}
on_exit() { x_session_stop; wine_stop; }

folder="$work/Jürgen Größe"
mkdir -p "$folder" && unzip -q "$zip" -d "$folder"
export WINDOWS_EXE="$folder/lurnatik1/lurnatik1.exe"
wine_prefix

window_size() { xwininfo -id "$X_WINDOW" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
# The window's client area is 9570 x 7155 twips: 638 x 477 pixels at 96 dpi.
while read -r name dpi size; do
    wine_set_dpi "$dpi"
    x_start windows_program "$work"
    [ "$(window_size)" = "$size" ] || fail "$name: the window is $(window_size), not $size"
    [ -z "$shots" ] || import -window "$X_WINDOW" "$shots/windows-$name.png"
    x_session_stop && wine_wait
done <<'SCALES'
100% 96 638x477
125% 120 798x596
150% 144 957x716
SCALES
wine_set_dpi 96

x_start windows_program "$work"
xprop -id "$X_WINDOW" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window shows no icon of its own"

# The text a control shows now (its rectangle in twips).
read_control() { import -window "$X_WINDOW" "$work/window.png" && x_read_control "$work/window.png" "$@"; }
shows() { grep -q "$2" <<<"$(read_control $1)"; }
X_INFOTEXT="3285 225 3525 5910"
X_INFO="5150 6560"

throws=1000
x_run_durchlauf "$throws"
# "Druck" is enabled once the run has ended; its report tells the throws.
# shellcheck disable=SC2086 # the rectangle is "L T W H"
wait_for 90 "$X_APP_PID" shows "$X_TEXT_BOX" ENDE || fail "the run of $throws throws does not end"

# The name offered lies in the user's documents.
pdf_file() { ls "$WINEPREFIX"/drive_c/users/*/Documents/lurnatik1.pdf 2>/dev/null; }
# Complete once its end marker is written.
pdf_written() { local file && file=$(pdf_file) && [ -s "$file" ] && tail -c 64 "$file" | grep -q '%%EOF'; }
# Prints with button $1 $2: "Nein" to the printer-setup question (title $3),
# "Ja" to printing into a PDF file instead, then the name offered accepted.
# Called where a failure does not stop the script: each step stops it here.
print_to_pdf() {
    x_click_twips $1 $2 &&
        wait_for 10 "$X_APP_PID" x_find_window "$3" &&
        xdotool windowfocus --sync "$X_WINDOW" key Tab space &&
        wait_for 10 "$X_APP_PID" x_find_window "^ Drucken$" &&
        xdotool windowfocus --sync "$X_WINDOW" key Return &&
        wait_for 10 "$X_APP_PID" x_find_window "in eine PDF-Datei" &&
        xdotool windowfocus --sync "$X_WINDOW" key Return &&
        wait_for 30 "$X_APP_PID" pdf_written && x_find_window
}
# shellcheck disable=SC2086
print_to_pdf $X_DRUCK "Ausdruck Figuren1" || fail "Druck wrote no PDF file"
report=$(pdf_file)
text=$(pdftotext -layout "$report" - 2>/dev/null) || true
grep -q 'K o r v e l / Z T / T e s s a l o r e n 1' <<<"$text" || fail "the report has no title"
grep -qE "Anzahl akut : +$throws\b" <<<"$text" || fail "the report shows not $throws throws"
grep -qE "Datum: .*$(date +%Y)" <<<"$text" || fail "the report has no date of this year"
rows=$(grep -E '^ *[0-9]+ +[0-9]+' <<<"$text" | awk '$1 <= 36 {print $1; sum += $2} END {print "sum", sum}' | tr '\n' ' ')
[ "$rows" = "$(seq -s ' ' 0 36) sum $throws " ] || fail "the report's rows and counts are '$rows'"
mv "$report" "$work/report.pdf"

print_to_pdf $X_COPY "Ausdruck Tendenz1" || fail "Copy wrote no PDF file"
[ "$(pdfimages -list "$(pdf_file)" | tail -n +3 | wc -l)" -ge 1 ] || fail "the window copy holds no image"

x_click_twips $X_INFO
wait_for 10 "$X_APP_PID" shows "$X_INFOTEXT" Kurzanleitung || fail "Info does not show the text beside the program"

# Import is open only before the first run: in a fresh start.
x_session_stop && wine_wait
x_start windows_program "$work"
X_IMPORT="7990 5885" X_DRIVE1="7935 795" X_DIR1="7935 2210" X_FILE1="7935 3790" X_IMPORT_OK="7515 6480"
# Opens directory $1 in the focused directory list. Its type-ahead joins keys
# typed within its interval, so the next name waits that long.
open_directory() { xdotool type --delay 40 "$1" && xdotool key Return sleep 1; }
pick_drive() { x_click_twips $X_DRIVE1 && xdotool key "$1" Return sleep 1; }
import_file() {
    local part
    # The drive the program started on picked again changes nothing: c: first.
    x_click_twips $X_IMPORT && pick_drive c && pick_drive z && x_click_twips $X_DIR1 || return 1
    for part in $(tr / ' ' <<<"$(dirname "$1")"); do open_directory "$part" || return 1; done
    x_click_twips $X_FILE1 && xdotool type --delay 40 "$(basename "$1")" && x_click_twips $X_IMPORT_OK
}
permanence=$data/wiesbaden-tisch1-auszug-cp1252.txt
if [ -f "$permanence" ]; then
    # shellcheck disable=SC2086
    import_file "$(realpath "$permanence")" && wait_for 20 "$X_APP_PID" shows "$X_TEXT_BOX" Wiesbaden ||
        fail "Import does not show the header of $permanence: $(read_control $X_TEXT_BOX)"
else
    echo "not tested: Import, as the folder of real permanence files ($data) is missing" >&2
fi
finish "the zipped program ran, printed, showed its info and imported under Wine"
