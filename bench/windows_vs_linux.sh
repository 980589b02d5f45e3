#!/usr/bin/env bash
# The Durchlauf of the Linux build beside the Windows build under Wine, in one
# run: ROUNDS rounds (default 5) of five runs each, the two builds taking turns
# so that the load of the machine falls on both alike. Prints the median of
# each build's run times and their ratio.
# Both builds need LURNATIK_BUILD_BENCH=ON (the dev and windows presets).
# Usage: bench/windows_vs_linux.sh [ROUNDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
linux=$top/build/bin/lurnatik_durchlauf_timing
windows=$top/build-windows/bin/lurnatik_durchlauf_timing.exe
for program in "$linux" "$windows"; do
    [ -x "$program" ] || { echo "missing $program: configure with -DLURNATIK_BUILD_BENCH=ON and build it" >&2; exit 1; }
done
: >/tmp/lurnatik-linux.$$ && : >/tmp/lurnatik-windows.$$
trap 'rm -f /tmp/lurnatik-linux.$$ /tmp/lurnatik-windows.$$' EXIT
for _ in $(seq "${1:-5}"); do
    "$linux" 5 >>/tmp/lurnatik-linux.$$
    "$top/scripts/wine-run" "$windows" 5 | tr -d '\r' >>/tmp/lurnatik-windows.$$
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
l=$(median /tmp/lurnatik-linux.$$) w=$(median /tmp/lurnatik-windows.$$)
echo "Durchlauf of 1,000,000 throws, median of $(wc -l </tmp/lurnatik-linux.$$) runs each:"
echo "Linux $l ms, Windows under Wine $w ms: $(awk -v l="$l" -v w="$w" 'BEGIN { printf "%.2f", w / l }') x"
