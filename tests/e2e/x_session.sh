# Sourced by the end-to-end tests and scripts/screenshot: a private X server,
# the program in it, and real input events on its controls.
# Needs: Xvfb, xdotool, ImageMagick's import (and convert and tesseract for
# x_read_control).
# After x_start EXE WORKDIR: DISPLAY is exported and X_WINDOW is the
# program's window. x_session_stop ends both; call it from an EXIT trap.
X_XVFB_PID= X_APP_PID= X_WINDOW=

# Waits up to $1 seconds for the command after $2 to succeed while process $2
# runs.
wait_for() {
    local seconds=$1 pid=$2 deadline=$((SECONDS + $1))
    shift 2
    until "$@"; do
        kill -0 "$pid" 2>/dev/null || { echo "process $pid ended while waiting for: $*" >&2 && return 1; }
        [ "$SECONDS" -lt "$deadline" ] || { echo "no success within $seconds s: $*" >&2 && return 1; }
        sleep 0.1
    done
}

# Ends the processes given; with none given, waits for nothing.
stop_processes() {
    [ $# -eq 0 ] || { kill "$@" 2>/dev/null; wait "$@" 2>/dev/null; } || true
}

x_find_window() {
    X_WINDOW=$(xdotool search --onlyvisible --name "${1:-Korvel}" 2>/dev/null | head -n 1) && [ -n "$X_WINDOW" ]
}
# The window takes input once painted: more colours than an empty background.
x_painted() { x_find_window && [ "$(import -window "$X_WINDOW" -format %k info: 2>/dev/null)" -gt 16 ]; }

# A server and the program in it, once its window is painted. A server that
# another one is just leaving can be handed the same display number while the
# old one still holds the display's abstract socket; the program then cannot
# connect. So a failed start is tried again on a fresh server.
x_start() {
    local exe=$1 workdir=$2 attempt
    mkdir -p "$workdir/home" "$workdir/runtime" && chmod 700 "$workdir/runtime"
    for attempt in 1 2 3; do
        # -displayfd: the server picks a free display and writes its number when ready.
        rm -f "$workdir/display"
        Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -dpi 96 \
            5>"$workdir/display" 2>"$workdir/xvfb.log" &
        X_XVFB_PID=$!
        if wait_for 10 "$X_XVFB_PID" test -s "$workdir/display"; then
            DISPLAY=:$(head -n 1 "$workdir/display") && export DISPLAY
            HOME=$workdir/home XDG_RUNTIME_DIR=$workdir/runtime QT_QPA_PLATFORM=xcb \
                LC_ALL=C.UTF-8 "$exe" >"$workdir/app.log" 2>&1 &
            X_APP_PID=$!
            # A sanitizer build on a busy machine may take many seconds to come up.
            wait_for "${X_START_SECONDS:-30}" "$X_APP_PID" x_painted && return 0
        fi
        cat "$workdir/xvfb.log" "$workdir/app.log" >&2 2>/dev/null || true
        echo "start $attempt on display ${DISPLAY:-?} failed" >&2
        x_session_stop
    done
    return 1
}

x_session_stop() {
    stop_processes $X_APP_PID $X_XVFB_PID
    X_APP_PID= X_XVFB_PID=
}

# Clicks the point X,Y given in twips of the window's client area (15 twips
# are one pixel at 96 dpi, the scale the program lays its controls out in).
# The program takes the events in the order they come: no click waits.
x_click_twips() { xdotool mousemove --sync --window "$X_WINDOW" $(($1 / 15)) $(($2 / 15)) click 1; }
x_type() { xdotool type --delay 40 "$1"; }

# The controls the end-to-end runs use, as click points in twips: inside each
# control and, for the option buttons that overlap their neighbours, on the
# caption's part that no neighbour covers.
X_TEXTANZAHL="7990 950"
X_DURCHLAUF="7650 1720"
X_START="7980 4110"
X_DRUCK="7555 5265"
X_COPY="8410 5265"
# Rectangles (L T W H in twips) of controls whose text the runs read back.
X_LAKUT_BOX="4515 1680 1335 375"
X_TEXT_BOX="3495 240 3360 885"

# Types the number of throws, chooses "Durchlauf" and presses "Start".
# shellcheck disable=SC2086 # the click points are "X Y" pairs
x_run_durchlauf() {
    x_click_twips $X_TEXTANZAHL
    x_type "$1"
    x_click_twips $X_DURCHLAUF
    x_click_twips $X_START
}

# Reads the text inside a control's rectangle L T W H (twips of the client
# area) from the screenshot $1: without its border, enlarged and in black and
# white for the OCR.
x_read_control() {
    local x=$(($2 / 15 + 2)) y=$(($3 / 15 + 2)) w=$(($4 / 15 - 4)) h=$(($5 / 15 - 4))
    convert "$1" -crop "${w}x${h}+${x}+${y}" +repage \
        -colorspace Gray -resize "${X_OCR_SCALE:-400}%" -threshold 60% "$1.control.png"
    tesseract "$1.control.png" - --psm 6 2>/dev/null | tr -s ' \n' ' '
}
