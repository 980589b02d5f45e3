#!/usr/bin/env bash
# Printing through a real print queue: a private cupsd with a cups-pdf queue
# as the default printer, the program in a private X server. "Druck" answered
# "Nein" and "Copy" answered "Nein" each print at once; the PDFs the queue
# writes must hold the report (title, date, 37 rows) and the window's image.
# Usage: cups_print_test.sh PROGRAM
# Exits 77 (skipped) where cupsd cannot run here.
set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

exe=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() {
    echo "SKIP: $*" >&2
    exit 77
}
for tool in Xvfb xdotool pdftotext pdfimages; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/install-deps installs it)" >&2; exit 1; }
done
[ -x /usr/sbin/cupsd ] && [ -x /usr/lib/cups/backend/cups-pdf ] \
    || skip "cupsd or the cups-pdf backend is not installed (packages cups, printer-driver-cups-pdf)"
[ "$(id -u)" -eq 0 ] || skip "the cups-pdf backend runs only when cupsd runs as root"

# shellcheck source=x_session.sh
. "$here/x_session.sh"
work=$(mktemp -d)
chmod 755 "$work"
queue=lurnatik-test-$$
# cups-pdf reads settings only from /etc/cups: those of cups-pdf:/NAME from
# cups-pdf-NAME.conf.
queue_conf=/etc/cups/cups-pdf-$queue.conf
CUPSD_PID=
cleanup() {
    local rc=$?
    if [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; then
        cat "$work/log/error_log" "$work/app.log" 2>/dev/null | tail -n 40 >&2 || true
    fi
    x_session_stop
    if [ -n "$CUPSD_PID" ]; then
        kill "$CUPSD_PID" 2>/dev/null || true
        wait "$CUPSD_PID" 2>/dev/null || true
    fi
    rm -f "$queue_conf"
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$work"/{etc/ppd,spool,tmp,cache,state,log,pdf}
chmod 1777 "$work/tmp" "$work/pdf"
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
DefaultPolicy test
<Policy test>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
Printcap $work/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
# Label 1: each file named after its job, so that no job overwrites another.
printf 'Out %s\nAnonDirName %s\nLog %s\nLabel 1\nPDFVer 1.5\n' "$work/pdf" "$work/pdf" "$work/log" >"$queue_conf"

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" 2>"$work/log/cupsd.stderr" &
CUPSD_PID=$!
export CUPS_SERVER=$work/cups.sock
running() { lpstat -r 2>/dev/null | grep -q 'is running'; }
if ! wait_for 100 running; then
    cat "$work/log/cupsd.stderr" "$work/log/error_log" 2>/dev/null >&2 || true
    skip "cupsd did not start here"
fi
# The driver file is how cups-pdf comes; lpadmin warns that such files are deprecated.
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
# Cairo turns the PDF into PostScript whose fonts still lead back to their
# characters, so that the text can be read from the queue's PDF.
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"

x_start "$exe" "$work"

# Answers the printer-setup question with "Nein": the focus starts on the
# default "Ja", Tab moves it to "Nein".
answer_nein() {
    local box
    wait_for 100 xdotool search --onlyvisible --name "$1" >/dev/null
    box=$(xdotool search --onlyvisible --name "$1" | head -n 1)
    xdotool windowfocus --sync "$box" key Tab space
    wait_for 100 bash -c "! xdotool search --onlyvisible --name '$1' >/dev/null"
}
pdfs() { find "$work/pdf" -name '*.pdf' -size +0 | sort; }
# A PDF is complete when no job is left in the queue.
printed() { [ "$(pdfs | wc -l)" -ge "$1" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; }

# Druck is offered once a run has thrown.
# shellcheck disable=SC2086 # the click points are "X Y" pairs
x_click_twips $X_TEXTANZAHL
x_type 100
# shellcheck disable=SC2086
x_click_twips $X_DURCHLAUF
# shellcheck disable=SC2086
x_click_twips $X_START
# shellcheck disable=SC2086
x_click_twips $X_DRUCK
answer_nein "Ausdruck Figuren1"
wait_for 600 printed 1 || { echo "FAIL: no PDF of the report within 60 s" >&2; exit 1; }
report=$(pdfs | head -n 1)

# shellcheck disable=SC2086
x_click_twips $X_COPY
answer_nein "Ausdruck Tendenz1"
wait_for 600 printed 2 || { echo "FAIL: no PDF of the window copy within 60 s" >&2; exit 1; }
copy=$(pdfs | grep -vxF "$report")

text=$(pdftotext -layout "$report" -)
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
grep -q 'K o r v e l / Z T / T e s s a l o r e n 1' <<<"$text" || fail "the report has no title"
# The program runs in the C locale (x_session.sh): its short date is "7 Dec 2026".
today=$(LC_ALL=C date '+%-d %b %Y')
grep -qF "Datum: $today" <<<"$text" || fail "the report has not the date $today"
numbers=$(grep -E '^ *[0-9]+( +[0-9]+)* *$' <<<"$text" | awk '{print $1}' | tr '\n' ' ')
[ "$numbers" = "$(seq -s ' ' 0 36) " ] || fail "the report's rows are numbered $numbers, not 0 to 36"
images=$(pdfimages -list "$copy" | tail -n +3 | wc -l)
[ "$images" -ge 1 ] || fail "the window copy holds no image"

if [ "$failures" -ne 0 ]; then
    echo "$text" >&2
    exit 1
fi
echo "report and window copy printed through cups-pdf"
