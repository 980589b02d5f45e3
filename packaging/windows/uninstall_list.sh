#!/usr/bin/env bash
# Writes the uninstaller's commands for a deployed folder: every file by name,
# then each folder once empty, deepest first, as Windows paths under $INSTDIR.
# Usage: uninstall_list.sh FOLDER OUT.nsh
set -euo pipefail
cd "$1"
find . -depth -mindepth 1 \( -type f -printf 'Delete "$INSTDIR\\%P"\n' \) \
    -o \( -type d -printf 'RMDir "$INSTDIR\\%P"\n' \) | tr / '\\' >"$2"
