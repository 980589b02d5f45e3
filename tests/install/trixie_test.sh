#!/usr/bin/env bash
# Debian 13 (trixie): the package built here installs with apt-get in a
# minbase system, starts under Xvfb, prints its report to a PDF file and shows
# its info text; and the committed source builds there and passes
# scripts/test --quick. debootstrap makes the system once, from deb.debian.org,
# into LURNATIK_TRIXIE_CACHE (default /var/cache/lurnatik1-trixie), which also
# keeps the packages apt downloads and the compiler cache. Each run works on an
# overlay of it in a mount namespace of its own: the cache stays as it was, the
# host's mounts are not touched, and every mount ends with the run.
# Usage: trixie_test.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) without root, debootstrap or Debian's registry.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/checks.sh"
build=$1 source=$2
cache=${LURNATIK_TRIXIE_CACHE:-/var/cache/lurnatik1-trixie}
[ "$(id -u)" -eq 0 ] || skip "a chroot and its mounts need root"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (scripts/install-deps --test)"
if [ ! -d "$cache/root" ]; then
    mkdir -p "$cache" && rm -rf "$cache/root.partial"
    debootstrap --variant=minbase trixie "$cache/root.partial" http://deb.debian.org/debian \
        >"$cache/debootstrap.log" 2>&1 \
        || skip "debootstrap could not make Debian 13 from deb.debian.org (see $cache/debootstrap.log)"
    mv "$cache/root.partial" "$cache/root"
fi
mkdir -p "$cache"/{archives/partial,lists/partial,ccache}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log" >&2 && fail "cpack -G DEB" && finish; }
deb=$(find "$work/deb" -maxdepth 1 -name '*.deb' | head -n 1)
mkdir -p "$work"/{upper,overlay,root}

# In the namespace: the overlay, what apt and the build need of the kernel's
# file systems, the caches; then the steps in the chroot.
inside() {
    set -euo pipefail
    local root=$work/root
    mount -t overlay overlay -o "lowerdir=$cache/root,upperdir=$work/upper,workdir=$work/overlay" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    mount --bind "$cache/lists" "$root/var/lib/apt/lists"
    mkdir -p "$root/root/.ccache" && mount --bind "$cache/ccache" "$root/root/.ccache"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    cp "$deb" "$root/tmp/"
    git clone -q --depth 1 "file://$source" "$root/src"
    # The real permanence files some tests read lie beside the checkout.
    if [ -d "$source/../shared/data" ]; then
        mkdir -p "$root/shared" && cp -rL "$source/../shared/data" "$root/shared/"
    fi
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
        bash /src/tests/install/trixie_inside.sh "/tmp/$(basename "$deb")"
}
export work cache deb source
unshare -m --propagation private bash -c "$(declare -f inside); inside" || fail "Debian 13: see above"
finish "Debian 13: the package installs, starts, prints and shows its info; the source passes its quick tests"
