#!/usr/bin/env bash
# What a screen reader hears of the program: the real window in a private X
# server, its accessibility tree read through AT-SPI by a real client in a
# private D-Bus session with its own accessibility bus (atspi_check.py holds
# the facts). Skipped (77) where a part of that is missing.
# Usage: atspi_test.sh PROGRAM
# The rest runs inside a private session bus.
if [ -z "${ATSPI_TEST_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null \
        || { echo "SKIP: dbus-run-session missing (package dbus-daemon)" >&2 && exit 77; }
    ATSPI_TEST_SESSION=1 exec timeout 150 dbus-run-session -- bash "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
exe=$1
launcher=/usr/libexec/at-spi-bus-launcher
need_tools Xvfb xdotool import
[ -x "$launcher" ] || skip "$launcher missing (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi missing (package python3-pyatspi)"
on_failure() { cat "$work/app.log" >&2 2>/dev/null || true; }
on_exit() { x_session_stop; stop_processes "${bus_pid:-}"; }
"$launcher" --launch-immediately 2>"$work/bus.log" &
bus_pid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
x_start "$exe" "$work"
# No window manager here: the window gets the keyboard from the server itself.
xdotool windowfocus --sync "$X_WINDOW"
timeout 120 /usr/bin/python3 "$here/atspi_check.py" || fail "what a screen reader hears"
finish "the accessibility tree holds its facts"
