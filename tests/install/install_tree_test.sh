#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that exactly the expected
# files land where a desktop looks for them, that the info text lies beside
# the executable (the program reads it from its own directory), and that the
# desktop entry, the icon and the AppStream metainfo are valid.
# Usage: install_tree_test.sh BUILD_DIR VERSION
set -euo pipefail

build=$1
version=$2
app_id=org.example.lurnatik1

for tool in desktop-file-validate appstreamcli rsvg-convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing tool: $tool (scripts/install-deps installs it)" >&2
        exit 1
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected=(
    bin/lurnatik1
    bin/info_lurnatik1.txt
    share/applications/lurnatik1.desktop
    share/icons/hicolor/scalable/apps/lurnatik1.svg
    share/metainfo/$app_id.metainfo.xml
)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected set:"
    diff <(echo "$wanted") <(echo "$actual") | sed -n 's/^[<>]/  &/p' >&2
fi

[ -x "$prefix/bin/lurnatik1" ] || fail "bin/lurnatik1 is not an executable"
[ -s "$prefix/bin/info_lurnatik1.txt" ] || fail "bin/info_lurnatik1.txt is missing or empty"

desktop=$prefix/share/applications/lurnatik1.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects lurnatik1.desktop"
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$exec_cmd" ] || fail "Exec=$exec_cmd names no installed executable"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon names no installed icon"
    grep -q '^Name=.' "$desktop" || fail "the desktop entry has no name"
    grep -q '^Comment=.' "$desktop" || fail "the desktop entry has no comment"
fi

svg=$prefix/share/icons/hicolor/scalable/apps/lurnatik1.svg
if [ -f "$svg" ]; then
    # The icon must render, and show something at the size of a launcher entry.
    if rsvg-convert -w 48 -h 48 "$svg" -o "$prefix/icon.png" 2>"$prefix/rsvg.log"; then
        [ -s "$prefix/icon.png" ] || fail "the icon renders to an empty image"
    else
        fail "the icon does not render: $(cat "$prefix/rsvg.log")"
    fi
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
    grep -q '<launchable type="desktop-id">lurnatik1.desktop</launchable>' "$metainfo" \
        || fail "the metainfo does not launch lurnatik1.desktop"
    grep -q '<binary>lurnatik1</binary>' "$metainfo" || fail "the metainfo does not provide lurnatik1"
    # Software centres show the first release as the current one.
    newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//')
    [ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the program is $version"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree complete and valid"
