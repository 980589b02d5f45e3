#!/usr/bin/env bash
# Builds the Debian package with CPack and checks that lintian finds nothing
# to report, its layout, its contents and that it depends on the Qt libraries
# the executable links and on Qt's German translations.
# Usage: deb_package_test.sh BUILD_DIR
set -euo pipefail

build=$1
command -v lintian >/dev/null || { echo "missing tool: lintian (scripts/install-deps installs it)" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -n 1)
if [ -z "$deb" ]; then
    echo "FAIL: cpack made no .deb" >&2
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

[ "$(dpkg-deb -f "$deb" Package)" = lurnatik1 ] || fail "package name is not lurnatik1"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Package names alone, one a line: "libc6 (>= 2.34), libfoo | libbar" -> libc6 libfoo libbar.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libc6 libstdc++6 \
    fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n; do
    grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib"
done

# Informational tags count too unless the package overrides them with a reason.
findings=$(lintian --pedantic -I "$deb" 2>/dev/null | grep -E '^[EWIP]: ' || true)
[ -z "$findings" ] || fail "lintian --pedantic reports:"$'\n'"$findings"

listing=$(dpkg-deb -c "$deb")
grep -qE '^l.* \./usr/bin/lurnatik1 -> \.\./lib/lurnatik1/lurnatik1$' <<<"$listing" \
    || fail "/usr/bin/lurnatik1 is not the relative link ../lib/lurnatik1/lurnatik1"
contents=$(awk '{print $6}' <<<"$listing")
for file in ./usr/lib/lurnatik1/lurnatik1 ./usr/lib/lurnatik1/info_lurnatik1.txt \
    ./usr/share/applications/lurnatik1.desktop \
    ./usr/share/icons/hicolor/scalable/apps/lurnatik1.svg \
    ./usr/share/icons/hicolor/{16x16,22x22,32x32,48x48,64x64,128x128,256x256}/apps/lurnatik1.png \
    ./usr/share/man/man1/lurnatik1.1.gz ./usr/share/man/de/man1/lurnatik1.1.gz \
    ./usr/share/metainfo/org.example.lurnatik1.metainfo.xml; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb") complete"
