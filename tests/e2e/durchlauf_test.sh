#!/usr/bin/env bash
# The program in a real X server, driven by real mouse and keyboard events:
# type the number of throws, choose "Durchlauf", press "Start", then read the
# window back from a screenshot: "Anzahl akut" must show every throw and the
# status text the end line.
# Usage: durchlauf_test.sh PROGRAM [SCREENSHOT_ON_FAILURE]
set -Eeuo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

exe=$1
keep=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
throws=370

for tool in Xvfb xdotool import convert tesseract; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing tool: $tool (scripts/install-deps installs it)" >&2
        exit 1
    fi
done

# shellcheck source=x_session.sh
. "$here/x_session.sh"
work=$(mktemp -d)
cleanup() {
    local rc=$?
    if [ "$rc" -ne 0 ]; then
        if [ -n "$keep" ] && [ -f "$work/window.png" ]; then
            cp "$work/window.png" "$keep"
            echo "last screenshot kept in $keep" >&2
        fi
        if [ -f "$work/app.log" ]; then
            echo "program output:" >&2
            cat "$work/app.log" >&2
        fi
    fi
    x_session_stop
    rm -rf "$work"
}
trap cleanup EXIT

x_start "$exe" "$work"

# shellcheck disable=SC2086 # the click points are "X Y" pairs
x_click_twips $X_TEXTANZAHL
x_type "$throws"
# shellcheck disable=SC2086
x_click_twips $X_DURCHLAUF
# shellcheck disable=SC2086
x_click_twips $X_START

# Reads the text inside a control's rectangle (twips of the client area):
# without its border, enlarged and in black and white for the OCR.
read_control() {
    local left=$1 top=$2 width=$3 height=$4 name=$5
    local x=$((left / 15 + 2)) y=$((top / 15 + 2)) w=$((width / 15 - 4)) h=$((height / 15 - 4))
    convert "$work/window.png" -crop "${w}x${h}+${x}+${y}" +repage \
        -colorspace Gray -resize 400% -threshold 60% "$work/$name.png"
    tesseract "$work/$name.png" - --psm 6 2>/dev/null | tr -s ' \n' ' '
}

akut= text=
for _ in $(seq 40); do
    sleep 0.25
    import -window "$X_WINDOW" "$work/window.png" || continue
    akut=$(read_control 4515 1680 1335 375 lakut || true)
    text=$(read_control 3495 240 3360 885 text || true)
    if grep -qw "$throws" <<<"$akut" && grep -q 'ENDE' <<<"$text"; then
        echo "lakut: $akut"
        echo "text: $text"
        echo "window shows $throws throws and the end line"
        exit 0
    fi
done

echo "FAIL: after Start the window does not show the end of the run" >&2
echo "lakut reads: '$akut' (want $throws)" >&2
echo "text reads: '$text' (want the end line with ENDE)" >&2
exit 1
