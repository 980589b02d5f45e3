#!/usr/bin/env bash
# Run by trixie_test.sh in the Debian 13 chroot, from the clone in /src: the
# package DEB installed and used under Xvfb, then scripts/test --quick.
# Usage: trixie_inside.sh DEB
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/checks.sh"
. "$here/../e2e/x_session.sh"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "$1" xvfb xauth xdotool imagemagick tesseract-ocr poppler-utils ccache git \
    >"$work/apt.log" 2>&1 || { tail -n 30 "$work/apt.log" >&2 && fail "apt-get install ./$(basename "$1")" && finish; }
on_exit() { x_session_stop; }
x_start /usr/bin/lurnatik1 "$work" || { fail "the program did not start" && finish; }

# The info text in the info box, read back from the screen.
# shellcheck disable=SC2046 # the click point is an "X Y" pair
x_click_twips 5100 6550
shows_info() {
    import -window "$X_WINDOW" "$work/window.png" || return 1
    convert "$work/window.png" -crop 225x60+221+17 +repage -colorspace Gray -resize 400% \
        -threshold 60% "$work/info.png"
    info=$(tesseract "$work/info.png" - --psm 6 2>/dev/null | tr -s ' \n' ' ')
    grep -q 'Kurzanleitung' <<<"$info"
}
wait_for 20 "$X_APP_PID" shows_info || fail "no info text shown: '${info:-}'"
x_click_twips 5100 6550

# The report: "Druck" after a run, the settings question answered "Nein",
# then no printer: "Ja" to a PDF file, and the print dialog accepted as it
# offers the file.
x_run_durchlauf 100
# shellcheck disable=SC2086
x_click_twips $X_DRUCK
wait_for 10 "$X_APP_PID" x_find_window "Ausdruck Figuren1" || fail "no printing question"
xdotool windowfocus --sync "$X_WINDOW" key Tab space
pdf=$work/home/lurnatik1.pdf
answer_and_print() {
    [ -s "$pdf" ] && return 0
    local box
    box=$(xdotool search --onlyvisible --name 'Drucken' 2>/dev/null | tail -n 1)
    [ -z "$box" ] || xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    return 1
}
wait_for 30 "$X_APP_PID" answer_and_print || fail "no PDF printed"
[ ! -s "$pdf" ] || pdftotext -layout "$pdf" - | grep -q 'K o r v e l' || fail "the PDF holds no report"
x_session_stop
[ "$failures" -eq 0 ] || finish

cd /src
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_BUILD_PARALLEL_LEVEL=2
scripts/test --quick || fail "scripts/test --quick"
finish "package and source on Debian 13"
