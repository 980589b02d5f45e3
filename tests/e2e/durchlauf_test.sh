#!/usr/bin/env bash
# The program in a real X server, driven by real mouse and keyboard events:
# a "Durchlauf" of 370 throws, then the window read back from a screenshot:
# "Anzahl akut" must show every throw and the status text the end line.
# Usage: durchlauf_test.sh PROGRAM [SCREENSHOT_ON_FAILURE]
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
exe=$1 keep=${2:-} throws=370
need_tools Xvfb xdotool import convert tesseract
on_failure() {
    [ -z "$keep" ] || ! [ -f "$work/window.png" ] || cp "$work/window.png" "$keep"
    cat "$work/app.log" >&2
}
on_exit() { x_session_stop; }

x_start "$exe" "$work"
x_run_durchlauf "$throws"

# Reads the text inside a control's rectangle (twips of the client area):
# without its border, enlarged and in black and white for the OCR.
read_control() {
    local x=$(($1 / 15 + 2)) y=$(($2 / 15 + 2)) w=$(($3 / 15 - 4)) h=$(($4 / 15 - 4))
    convert "$work/window.png" -crop "${w}x${h}+${x}+${y}" +repage \
        -colorspace Gray -resize 400% -threshold 60% "$work/control.png"
    tesseract "$work/control.png" - --psm 6 2>/dev/null | tr -s ' \n' ' '
}
shows_end() {
    import -window "$X_WINDOW" "$work/window.png" || return 1
    akut=$(read_control 4515 1680 1335 375) text=$(read_control 3495 240 3360 885)
    grep -qw "$throws" <<<"$akut" && grep -q 'ENDE' <<<"$text"
}
wait_for 25 "$X_APP_PID" shows_end \
    || fail "the window does not show the end of the run: lakut '${akut:-}' (want $throws), text '${text:-}' (want ENDE)"
finish "window shows $throws throws and the end line"
