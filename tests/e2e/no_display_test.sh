#!/usr/bin/env bash
# Started where there is no graphical session (as from a plain ssh login), the
# program says so in one line and ends with status 1, not with Qt's abort.
# Usage: no_display_test.sh PROGRAM
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$1" 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, not 1"
[ "$(wc -l <<<"$said")" -eq 1 ] && grep -q 'grafische Sitzung.*DISPLAY oder WAYLAND_DISPLAY' <<<"$said" \
    || fail "said: $said"
finish "no display: one line and status 1"
