#!/usr/bin/env bash
# Gathers what the Windows program needs beside it into one folder: the
# program, its info text, the Qt plugins it loads (the window system and the
# native style) and every DLL these import that the Qt prefix holds (Qt's
# and MinGW's), followed through their own imports. DLLs that come with
# Windows are not in the Qt prefix and so stay out. Printing needs no plugin:
# Qt6PrintSupport talks to the Windows spooler itself.
# The program is stripped: the build keeps its debugging information, users
# need none.
# Usage: deploy.sh OBJDUMP STRIP QT_PREFIX PROGRAM.exe INFO_TEXT DESTINATION
set -euo pipefail
objdump=$1 strip=$2 qt=$3 exe=$4 info=$5 dest=$6
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll)

rm -rf "$dest"
mkdir -p "$dest"
cp "$exe" "$info" "$dest/"
"$strip" --strip-all "$dest/$(basename "$exe")"

declare -A copied
# Copies the DLLs that $1 imports from the Qt prefix, and theirs.
copy_imports() {
    local name found
    while read -r name; do
        found=$(find "$qt/bin" -maxdepth 1 -iname "$name" -print -quit)
        [ -n "$found" ] && [ -z "${copied[$found]:-}" ] || continue
        copied[$found]=1
        cp "$found" "$dest/"
        copy_imports "$found"
    done < <("$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p')
}
for plugin in "${plugins[@]}"; do
    mkdir -p "$dest/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$dest/$plugin"
    copy_imports "$qt/plugins/$plugin"
done
copy_imports "$exe"
