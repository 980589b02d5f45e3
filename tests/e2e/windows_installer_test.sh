#!/usr/bin/env bash
# The Windows installer under Wine, as a user and Windows' list of programs
# see it: a silent install into Program Files, the uninstaller registered,
# the program started from its Start-menu link's target, and a silent
# uninstall that leaves no file, folder, link or registry key behind.
# Usage: windows_installer_test.sh SETUP.exe VERSION
here=$(cd "$(dirname "$0")" && pwd)
. "$here/checks.sh"
. "$here/x_session.sh"
. "$here/wine_session.sh"
setup=$1 version=$2
need_tools Xvfb xdotool import strings
on_failure() { cat "$work/app.log" >&2 2>/dev/null || true; }
on_exit() { x_session_stop; wine_stop; }

wine_prefix
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\lurnatik1'
registered() { { "$WINE64" reg query "$key" /v "$1" 2>/dev/null || true; } | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
folder="$WINEPREFIX/drive_c/Program Files/Lurnatik 1"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lurnatik 1.lnk"

timeout 120 "$WINE64" "$setup" /S && wine_wait 120 || fail "the silent install did not end"
[ -f "$folder/lurnatik1.exe" ] && [ -f "$folder/info_lurnatik1.txt" ] && [ -f "$folder/platforms/qwindows.dll" ] \
    || fail "Program Files holds no program with its text and plugins: $(ls "$folder" 2>&1)"
[ -f "$link" ] || fail "no Start-menu entry"
while read -r value want; do
    [ "$(registered "$value")" = "$want" ] || fail "the uninstall key's $value is '$(registered "$value")', not '$want'"
done <<VALUES
DisplayName Lurnatik 1
DisplayVersion $version
DisplayIcon C:\\Program Files\\Lurnatik 1\\lurnatik1.exe,0
UninstallString "C:\\Program Files\\Lurnatik 1\\Deinstallieren.exe"
VALUES

# The link's target, as Explorer follows it.
target=$({ strings -a "$link" && strings -a -el "$link"; } | grep -m 1 -i '^[a-z]:\\.*lurnatik1\.exe$' || true)
[ "$target" = 'C:\Program Files\Lurnatik 1\lurnatik1.exe' ] || fail "the Start-menu entry points at '$target'"
# The registry queries left a wineserver without a display: it must end first.
wine_wait
export WINDOWS_EXE="$folder/lurnatik1.exe"
x_start windows_program "$work" || fail "the installed program shows no window"
x_session_stop && wine_wait

uninstaller=$(registered UninstallString | tr -d '"')
timeout 120 "$WINE64" "$uninstaller" /S && wine_wait 120 || fail "the silent uninstall did not end"
leftover=$(find "$folder" "$link" 2>/dev/null || true)
[ -z "$leftover" ] || fail "the uninstall left: $leftover"
"$WINE64" reg query "$key" >/dev/null 2>&1 && fail "the uninstall left the registry key $key"
finish "installed silently, started from the Start menu's target, uninstalled without a trace"
