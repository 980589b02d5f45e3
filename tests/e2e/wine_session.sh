# Sourced by the Windows end-to-end tests after checks.sh and x_session.sh: a
# Wine prefix of the test's own, removed with $work, and the Windows program
# started in the test's X server through x_start.
# After wine_prefix: WINEPREFIX is exported and the prefix is set up.
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
[ -x "$WINE64" ] || skip "wine64 is not installed (package wine64)"
command -v Xvfb >/dev/null || skip "Xvfb is not installed (package xvfb)"
export WINEDEBUG=-all
# Wine starts a program slower than Linux does, the more so on a busy machine.
X_START_SECONDS=90
# Wine draws its text with fewer grey steps: read at a smaller enlargement.
X_OCR_SCALE=300
# No Mono or Gecko download prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Makes the prefix, without a display: the wineserver keeps the display it
# starts with, so it must have ended (wine_wait) before the program starts.
# Wine links the user's folders (Documents, Desktop) to $HOME's: a home of
# the test's own keeps the program's files out of the real one, where a PDF
# of an earlier run would pass for this run's.
wine_prefix() {
    export WINEPREFIX=$work/prefix
    mkdir -p "$work/home/Documents"
    timeout 180 env -u DISPLAY HOME="$work/home" "$WINE64" wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2 && return 1; }
    wine_wait
}
# Waits, with a deadline, until every Windows process of the prefix has ended.
wine_wait() { timeout "${1:-60}" "$WINESERVER" -w; }
wine_stop() { [ -z "${WINEPREFIX:-}" ] || "$WINESERVER" -k 2>/dev/null || true; }

# The program x_start runs: $WINDOWS_EXE in its own directory, as Explorer
# starts it.
windows_program() { cd "$(dirname "$WINDOWS_EXE")" && exec "$WINE64" "$WINDOWS_EXE"; }

# Windows' display scaling in dots per inch (96 is 100 %), as its control
# panel stores it.
wine_set_dpi() {
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine_wait
}
