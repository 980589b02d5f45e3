#!/usr/bin/env bash
# What a screen reader hears: the real window under Xvfb, its accessibility tree
# read through AT-SPI (atspi_check.py) in a private D-Bus session with its own
# accessibility bus. Skipped (77) where a part is missing.
# Usage: atspi_test.sh PROGRAM
if [ -z "${ATSPI_TEST_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: no dbus-run-session (dbus-daemon)" >&2 && exit 77; }
    ATSPI_TEST_SESSION=1 exec timeout 150 dbus-run-session -- bash "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
launcher=/usr/libexec/at-spi-bus-launcher
need_tools Xvfb xdotool import
[ -x "$launcher" ] || skip "no $launcher (at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (python3-pyatspi)"
on_failure() { cat "$work/app.log" >&2 2>/dev/null || true; }
on_exit() { x_session_stop; stop_processes "${bus_pid:-}"; }
"$launcher" --launch-immediately 2>"$work/bus.log" &
bus_pid=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 x_start "$1" "$work"
xdotool windowfocus --sync "$X_WINDOW"  # no window manager gives it the keyboard
timeout 120 /usr/bin/python3 "$here/atspi_check.py" || fail "what a screen reader hears"
finish "the accessibility tree holds its facts"
