#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that exactly the expected
# files land where a desktop looks for them, that the info text lies beside
# the program in its own directory with a relative link to it in bin/, and
# that the desktop entry, the icons, the manual pages and the AppStream
# metainfo are valid. The Debian package is made from the same install rules.
# Usage: install_tree_test.sh BUILD_DIR VERSION
. "$(dirname "$0")/../e2e/checks.sh"
build=$1 version=$2 app_id=org.example.lurnatik1
need_tools desktop-file-validate appstreamcli rsvg-convert identify man
cmake --install "$build" --prefix "$work" >/dev/null

sizes="16 22 32 48 64 128 256"
desktop=share/applications/lurnatik1.desktop
svg=share/icons/hicolor/scalable/apps/lurnatik1.svg
metainfo=share/metainfo/$app_id.metainfo.xml
pages="share/man/man1/lurnatik1.1.gz share/man/de/man1/lurnatik1.1.gz"
wanted=$(printf '%s\n' bin/lurnatik1 lib/lurnatik1/{lurnatik1,info_lurnatik1.txt} $desktop $svg $metainfo \
    $pages share/doc/lurnatik1/{copyright,changelog.gz} share/lintian/overrides/lurnatik1 \
    $(for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/lurnatik1.png"; done) | sort)
actual=$(cd "$work" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ (left: missing, right: unexpected):"$'\n'"$(comm -3 <(echo "$wanted") <(echo "$actual"))"

cd "$work"
[ "$(readlink bin/lurnatik1)" = ../lib/lurnatik1/lurnatik1 ] && [ -x bin/lurnatik1 ] \
    || fail "bin/lurnatik1 is not the relative link ../lib/lurnatik1/lurnatik1 to an executable"
[ -s lib/lurnatik1/info_lurnatik1.txt ] || fail "the info text is missing or empty"
for size in $sizes; do
    [ "$(identify -format '%wx%h' "share/icons/hicolor/${size}x$size/apps/lurnatik1.png" 2>&1)" = "${size}x$size" ] \
        || fail "the $size pixel icon is not a ${size}x$size image"
done
# The icon must render at the size of a launcher entry.
[ "$(rsvg-convert -w 48 -h 48 $svg 2>&1 | identify -format '%wx%h' - 2>&1)" = 48x48 ] || fail "the icon does not render"
for page in $pages; do
    warnings=$(zcat "$page" 2>&1 | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null) || warnings+=" (unreadable)"
    [ -z "$warnings" ] || fail "$page: $warnings"
done
desktop-file-validate $desktop || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"
# What the launcher and a software centre read: file, then a line it must hold.
while read -r file line; do
    grep -qE "$line" "$file" 2>/dev/null || fail "$file has no line matching $line"
done <<TABLE
$desktop ^Exec=lurnatik1( |$)
$desktop ^Icon=lurnatik1$
$(for key in Name Comment Keywords; do printf '%s ^%s=.\n%s ^%s\\[de\\]=.\n' $desktop $key $desktop $key; done)
$metainfo <id>$app_id</id>
$metainfo <launchable type="desktop-id">lurnatik1.desktop</launchable>
$metainfo <binary>lurnatik1</binary>
$metainfo <summary xml:lang="de">
$metainfo <p xml:lang="de">
TABLE
# Software centres show the first release as the current one.
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//' || true)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the program is $version"
finish "installed tree complete and valid"
