#!/usr/bin/env bash
# The Windows program finds its info text beside its own file when that lies in
# a directory whose name no Windows code page holds ("Jürgen\Größe Ω"), started
# from another working directory that holds a decoy.
# Usage: info_beside_program_test.sh LAUNCHER INFO_PROBE.exe
set -euo pipefail
launcher=$1 probe=$2
export LURNATIK_BUILD_DIR=$(cd "$(dirname "$probe")/.." && pwd)
build=$LURNATIK_BUILD_DIR
"$launcher" "$probe" --version >/dev/null 2>&1 || true  # makes the Wine prefix
users=$build/wine-prefix/drive_c/users
home=$users/Jürgen/"Größe Ω"
trap 'rm -rf "$users/Jürgen"' EXIT
mkdir -p "$home" "$users/Jürgen/elsewhere"
cp "$probe" "$home/lurnatik1.exe"
printf 'Info \xfcber' >"$home/info_lurnatik1.txt"
echo decoy >"$users/Jürgen/elsewhere/info_lurnatik1.txt"

expect_info() {
    shown=$(cd "$users/Jürgen/elsewhere" && QT_QPA_PLATFORM=offscreen "$launcher" "$home/lurnatik1.exe" | tr -d '\r')
    [ "$shown" = "$1" ] || { echo "FAIL: Info showed '$shown', not '$1'" >&2; exit 1; }
}
expect_info "Info über"
rm "$home/info_lurnatik1.txt"
expect_info $'Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.'
