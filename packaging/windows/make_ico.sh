#!/usr/bin/env bash
# Renders the program's SVG icon at the sizes Windows shows (Explorer lists,
# the task bar, the Start menu, large tiles) and packs them into one .ico.
# Each image is stored as PNG, which Windows reads in icons since Vista; so no
# converter beyond rsvg-convert is needed.
# Usage: make_ico.sh RSVG_CONVERT ICON.svg OUT.ico SIZE...
set -euo pipefail
rsvg=$1 svg=$2 out=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)) && le16 $(($1 >> 16 & 65535)); }

for size in "$@"; do
    "$rsvg" -w "$size" -h "$size" "$svg" -o "$work/$size.png"
done
{
    le16 0 && le16 1 && le16 $#
    offset=$((6 + 16 * $#))
    for size in "$@"; do
        bytes=$(stat -c %s "$work/$size.png")
        # A width and height of 0 stand for 256 pixels.
        le16 $(((size & 255) | (size & 255) << 8)) && le16 0
        le16 1 && le16 32 && le32 "$bytes" && le32 "$offset"
        offset=$((offset + bytes))
    done
    for size in "$@"; do cat "$work/$size.png"; done
} >"$work/icon.ico"
mv "$work/icon.ico" "$out"
