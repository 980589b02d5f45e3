#!/usr/bin/env bash
# Started where there is no graphical session (as from a plain ssh login), with
# Qt left to choose or told to use X11, the program says so in one line and
# ends with status 1, not with Qt's abort.
# Usage: no_display_test.sh PROGRAM
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
for platform in "" xcb; do
    status=0
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=$platform timeout 30 "$1" 2>&1) || status=$?
    [ "$status" -eq 1 ] || fail "QT_QPA_PLATFORM='$platform': exit status $status, not 1"
    [ "$(wc -l <<<"$said")" -eq 1 ] && grep -q 'grafische Sitzung.*DISPLAY oder WAYLAND_DISPLAY' <<<"$said" \
        || fail "QT_QPA_PLATFORM='$platform': said: $said"
done
finish "no display: one line and status 1"
