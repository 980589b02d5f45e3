#!/usr/bin/env bash
# Runs a Windows program of the build under wine64 for ctest, headless: a Wine
# prefix of its own beside the program (made once, by the first test that
# needs it), Wine's noise off, the QT_* variables the tests set passed as
# WINEQT_* (Wine hides QT_* from Windows programs), and a font folder for the
# offscreen platform, which on Windows reads fonts from nowhere else; Qt's
# DLLs on the search path.
# Usage: wine_run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
wine=${LURNATIK_WINE:-/usr/lib/wine/wine64}
if [ ! -x "$wine" ]; then
    echo "wine64 is missing ($wine; Debian package wine64): cannot run $1" >&2
    exit 77
fi
build=$(cd "$(dirname "$1")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Without a display Wine makes no windows; a wineserver started with one keeps it.
unset DISPLAY WAYLAND_DISPLAY

fonts=$build/wine-fonts
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot --init >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
    fi
    if [ ! -d "$fonts" ]; then
        mkdir -p "$fonts.new"
        find /usr/share/fonts/truetype/dejavu /usr/share/fonts/opentype/urw-base35 \
            -name '*.[ot]tf' -exec ln -sf {} "$fonts.new/" \; 2>/dev/null || true
        mv "$fonts.new" "$fonts"
    fi
) 9>"$build/wine-prefix.lock"

while IFS='=' read -r name _; do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done < <(env)
export WINEQT_QPA_FONTDIR=${WINEQT_QPA_FONTDIR:-Z:$fonts}
# The Qt and MinGW run-time DLLs, where the build unpacked Qt.
qt_bin=$(find "$build" -maxdepth 2 -path "$build/qt-*-mingw-*/bin" -type d | head -n 1)
export WINEPATH="Z:${qt_bin:-$build/bin}"
exec "$wine" "$@"
