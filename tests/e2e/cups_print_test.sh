#!/usr/bin/env bash
# Printing through a real print queue: a private cupsd with a cups-pdf queue
# as the default printer, set up after the program started (as a desktop finds
# a printer while the program runs), the program in a private X server. "Druck" answered
# "Nein" and "Copy" answered "Nein" each print at once; the PDFs the queue
# writes must hold the report (title, date, 37 rows) and the window's image.
# A printer removed while the question is open gives way to the default one;
# with none left the program says there is no printer.
# Usage: cups_print_test.sh PROGRAM
# Exits 77 (skipped) where cupsd cannot run here.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
exe=$1
need_tools Xvfb xdotool pdftotext pdfimages
[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend runs only when cupsd runs as root"
[ -x /usr/sbin/cupsd ] && [ -x /usr/lib/cups/backend/cups-pdf ] \
    || skip "cupsd or the cups-pdf backend is not installed (packages cups, printer-driver-cups-pdf)"

chmod 755 "$work"
queue=lurnatik-test-$$
second=$queue-2
on_failure() { { cat "$work/log/error_log" "$work/app.log" 2>/dev/null | tail -n 40; echo "${text:-}"; } >&2; }
on_exit() {
    x_session_stop
    stop_processes ${CUPSD_PID:-}
    rm -f /etc/cups/cups-pdf-"$queue"{,-2}.conf
}

mkdir -p "$work"/{etc/ppd,spool,tmp,cache,state,log,pdf/second}
chmod 1777 "$work/tmp" "$work/pdf" "$work/pdf/second"
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
DefaultPolicy test
<Policy test>
  JobPrivateAccess all
  JobPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
{
    for dir in ServerRoot=etc RequestRoot=spool TempDir=tmp CacheDir=cache StateDir=state; do
        echo "${dir%=*} $work/${dir#*=}"
    done
    for log in Error Access Page; do echo "${log}Log $work/log/${log,}_log"; done
    printf '%s\n' "Printcap $work/printcap" "ServerBin /usr/lib/cups" "DataDir /usr/share/cups"
} >"$work/cups-files.conf"

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" 2>"$work/log/cupsd.stderr" &
CUPSD_PID=$!
export CUPS_SERVER=$work/cups.sock
running() { lpstat -r 2>/dev/null | grep -q 'is running'; }
if ! wait_for 10 "$CUPSD_PID" running; then
    cat "$work/log/cupsd.stderr" "$work/log/error_log" 2>/dev/null >&2 || true
    skip "cupsd did not start here"
fi
x_start "$exe" "$work"
# A cups-pdf queue NAME writing into the folder DIR and made the default.
add_queue() {
    # cups-pdf reads settings only from /etc/cups: those of cups-pdf:/NAME from
    # cups-pdf-NAME.conf. Label 1: each file named after its job, so that no
    # job overwrites another.
    printf 'Out %s\nAnonDirName %s\nLog %s\nLabel 1\nPDFVer 1.5\n' "$2" "$2" "$work/log" \
        >"/etc/cups/cups-pdf-$1.conf"
    # The driver file is how cups-pdf comes; lpadmin warns that such files are deprecated.
    lpadmin -p "$1" -E -v "cups-pdf:/$1" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    # Cairo turns the PDF into PostScript whose fonts still lead back to their
    # characters, so that the text can be read from the queue's PDF.
    lpadmin -p "$1" -o pdftops-renderer-default=pdftocairo
    lpadmin -d "$1"
}
add_queue "$queue" "$work/pdf"

pdfs() { find "$work/pdf" -name '*.pdf' -size +0 | sort; }
# A PDF is complete when no job is left in the queue.
printed() { [ "$(pdfs | wc -l)" -ge "$1" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; }
# Presses a button that prints, runs the command $5 while the printer-setup
# question is open, answers it with "Nein" (the focus starts on the default
# "Ja", Tab moves it to "Nein") and waits for the queues' PDF number $4.
# shellcheck disable=SC2086 # the click points are "X Y" pairs
print_with() {
    x_click_twips $1 $2
    wait_for 10 "$X_APP_PID" x_find_window "$3"
    local box=$X_WINDOW && x_find_window
    ${5:-}
    xdotool windowfocus --sync "$box" key Tab space
    wait_for 60 "$CUPSD_PID" printed "$4" || { echo "FAIL: nothing printed for $3 within 60 s" >&2 && exit 1; }
}
# Druck is offered once a run has thrown.
x_run_durchlauf 100
print_with $X_DRUCK "Ausdruck Figuren1" 1
report=$(pdfs | head -n 1)
print_with $X_COPY "Ausdruck Tendenz1" 2
copy=$(pdfs | grep -vxF "$report")

# The queue names each file after its job's title.
[[ $report == *Ausdruck_Figuren1* && $copy == *Ausdruck_Tendenz1* ]] \
    || fail "the jobs are not named by their window titles: $report $copy"
text=$(pdftotext -layout "$report" -)
grep -q 'K o r v e l / Z T / T e s s a l o r e n 1' <<<"$text" || fail "the report has no title"
# The program runs in the C locale (x_session.sh): its short date is "7 Dec 2026".
today=$(LC_ALL=C date '+%-d %b %Y')
grep -qF "Datum: $today" <<<"$text" || fail "the report has not the date $today"
numbers=$(grep -E '^ *[0-9]+( +[0-9]+)* *$' <<<"$text" | awk '{print $1}' | tr '\n' ' ')
[ "$numbers" = "$(seq -s ' ' 0 36) " ] || fail "the report's rows are numbered $numbers, not 0 to 36"
[ "$(pdfimages -list "$copy" | tail -n +3 | wc -l)" -ge 1 ] || fail "the window copy holds no image"

replace_queue() { add_queue "$second" "$work/pdf/second" && lpadmin -x "$queue"; }
print_with $X_DRUCK "Ausdruck Figuren1" 3 replace_queue
[ "$(find "$work/pdf/second" -name '*.pdf' -size +0 | wc -l)" -eq 1 ] \
    || fail "the report after its printer went away was not printed on the default one"
x_click_twips $X_DRUCK
wait_for 10 "$X_APP_PID" x_find_window "Ausdruck Figuren1"
lpadmin -x "$second"
xdotool windowfocus --sync "$X_WINDOW" key Tab space
wait_for 10 "$X_APP_PID" x_find_window " Drucken" || fail "no printer left, and no question about a PDF file"
finish "report and window copy printed through cups-pdf"
