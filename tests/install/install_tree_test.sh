#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that exactly the expected
# files land where a desktop looks for them, that the info text lies beside
# the program in its own directory with a relative link to it in bin/, and
# that the desktop entry, the icons and the AppStream metainfo are valid.
# Usage: install_tree_test.sh BUILD_DIR VERSION
set -euo pipefail

build=$1
version=$2
app_id=org.example.lurnatik1

for tool in desktop-file-validate appstreamcli rsvg-convert identify man; do
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
    lib/lurnatik1/lurnatik1
    lib/lurnatik1/info_lurnatik1.txt
    share/applications/lurnatik1.desktop
    share/icons/hicolor/scalable/apps/lurnatik1.svg
    share/metainfo/$app_id.metainfo.xml
    share/man/man1/lurnatik1.1.gz
    share/man/de/man1/lurnatik1.1.gz
    share/doc/lurnatik1/copyright
    share/doc/lurnatik1/changelog.gz
    share/lintian/overrides/lurnatik1
)
for size in 16 22 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/lurnatik1.png")
done
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected set:"
    diff <(echo "$wanted") <(echo "$actual") | sed -n 's/^[<>]/  &/p' >&2
fi

[ "$(readlink "$prefix/bin/lurnatik1")" = ../lib/lurnatik1/lurnatik1 ] \
    || fail "bin/lurnatik1 is not the relative link ../lib/lurnatik1/lurnatik1"
[ -x "$prefix/lib/lurnatik1/lurnatik1" ] || fail "lib/lurnatik1/lurnatik1 is not an executable"
[ -s "$prefix/lib/lurnatik1/info_lurnatik1.txt" ] || fail "the info text is missing or empty"
for size in 16 22 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/lurnatik1.png
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x$size" ] \
        || fail "the $size pixel icon is not a ${size}x$size image"
done
for page in share/man/man1/lurnatik1.1.gz share/man/de/man1/lurnatik1.1.gz; do
    warnings=$(zcat "$prefix/$page" | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

desktop=$prefix/share/applications/lurnatik1.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects lurnatik1.desktop"
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$exec_cmd" ] || fail "Exec=$exec_cmd names no installed executable"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon names no installed icon"
    grep -q '^Name=.' "$desktop" || fail "the desktop entry has no name"
    for key in Name Comment Keywords; do
        grep -q "^$key=." "$desktop" || fail "the desktop entry has no $key"
        grep -q "^$key\[de\]=." "$desktop" || fail "the desktop entry has no $key[de]"
    done
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
    for element in summary p; do
        grep -q "<$element xml:lang=\"de\">" "$metainfo" || fail "the metainfo has no German $element"
    done
    # Software centres show the first release as the current one.
    newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//')
    [ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the program is $version"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree complete and valid"
