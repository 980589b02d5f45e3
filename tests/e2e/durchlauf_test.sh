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

# shellcheck disable=SC2086 # the rectangles are "L T W H"
shows_end() {
    import -window "$X_WINDOW" "$work/window.png" || return 1
    akut=$(x_read_control "$work/window.png" $X_LAKUT_BOX)
    text=$(x_read_control "$work/window.png" $X_TEXT_BOX)
    grep -qw "$throws" <<<"$akut" && grep -q 'ENDE' <<<"$text"
}
wait_for 25 "$X_APP_PID" shows_end \
    || fail "the window does not show the end of the run: lakut '${akut:-}' (want $throws), text '${text:-}' (want ENDE)"
finish "window shows $throws throws and the end line"
