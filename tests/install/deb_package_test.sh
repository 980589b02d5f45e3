#!/usr/bin/env bash
# Builds the Debian package with CPack and checks that lintian finds nothing
# to report and that it depends on the Qt libraries the executable links, the
# fonts and Qt's German translations. Its files come from the same install
# rules as the installed tree, which install_tree_test.sh checks.
# Usage: deb_package_test.sh BUILD_DIR
. "$(dirname "$0")/../e2e/checks.sh"
need_tools lintian
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2 && fail "cpack -G DEB" && finish; }
deb=$(find "$work" -maxdepth 1 -name '*.deb' | head -n 1)
[ -n "$deb" ] || { fail "cpack made no .deb" && finish; }

[ "$(dpkg-deb -f "$deb" Package)" = lurnatik1 ] || fail "package name is not lurnatik1"
depends=$(dpkg-deb -f "$deb" Depends)
# Package names alone, one a line: "libc6 (>= 2.34), libfoo | libbar" -> libc6 libfoo libbar.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libc6 libstdc++6 \
    fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n; do
    grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib: $depends"
done
# Installed-Size as dpkg counts: each file in whole KiB, each directory and link as one.
counted=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ {k += int(($3 + 1023) / 1024); next} {k++} END {print k - 1}')
[ "$(dpkg-deb -f "$deb" Installed-Size)" = "$counted" ] \
    || fail "Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB, the files hold $counted KiB"
# Informational tags count too unless the package overrides them with a reason.
findings=$(lintian --pedantic -I "$deb" 2>/dev/null | grep -E '^[EWIP]: ' || true)
[ -z "$findings" ] || fail "lintian --pedantic reports:"$'\n'"$findings"
finish "package $(basename "$deb") complete"
