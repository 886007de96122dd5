#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/setup.sh play   installs what is missing, builds and starts the game
#   scripts/setup.sh test   installs what is missing, builds with sanitizers and runs every test
#   scripts/setup.sh package  builds the Debian packages (debian/) twice and checks them
#   scripts/setup.sh deps   only installs what is missing
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
    libcanberra-dev sound-theme-freedesktop libfontconfig-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    xvfb xauth xdotool xclip imagemagick x11-utils openbox libxcb1-dev libxcb-xtest0-dev dbus-daemon
    weston qt6-wayland
    orca at-spi2-core
    desktop-file-utils appstream groff-base
    clang-format
)
# Only `package` needs these, beside the build dependencies debian/control names:
# the package build itself, and the checks of its result (hardening-check is in devscripts).
PACKAGE_TOOLS=(
    dpkg-dev debhelper
    lintian devscripts file
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    apt_get update
    apt_get install -y "${missing[@]}"
}

# apt-get that waits (up to ten minutes) while another program holds the package manager's
# lock, as a desktop's background update does, instead of giving up at once.
apt_get() {
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# Builds the binary packages from a copy of the tree (what git tracks or would track) in
# build/package/NAME, so dpkg-buildpackage writes its results there and not beside the clone.
# dpkg-buildpackage sets SOURCE_DATE_EPOCH from debian/changelog.
build_debs() {
    local out=build/package/$1
    shift
    local version
    version=$(dpkg-parsechangelog -S Version)
    rm -rf "$out"
    mkdir -p "$out/vandolin-${version%-*}"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            if [ -e "$file" ]; then printf '%s\0' "$file"; fi
        done | xargs -0 cp --parents -t "$out/vandolin-${version%-*}"
    # debhelper gives the build a home of its own; the compiler cache stays the usual one.
    local cache=()
    command -v ccache >/dev/null && cache=("CCACHE_DIR=$(ccache -k cache_dir)")
    # The log is kept: the package check reads the compile lines from it.
    (cd "$out/vandolin-${version%-*}" &&
        env "${cache[@]}" "$@" dpkg-buildpackage -us -uc -b -J"$jobs") 2>&1 | tee "$out/build.log"
}

jobs=$(nproc)

case "${1:-}" in
deps)
    install_missing
    ;;
play)
    install_missing
    cmake --preset release >/dev/null
    # The game and what it links, nothing else: the tests and benchmarks wait for `test`.
    cmake --build --preset release -j "$jobs" --target vandolin
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Vandolin is a desktop game and needs a graphical session."
        echo "Run it from a desktop terminal, or under a virtual display:"
        echo "    xvfb-run -a -s \"-screen 0 1024x768x24\" build/release/ui/app/vandolin"
        exit 1
    fi
    exec build/release/ui/app/vandolin
    ;;
test)
    install_missing
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j "$jobs"
    ctest --preset asan -j "$jobs"
    ;;
package)
    install_missing "${PACKAGE_TOOLS[@]}"
    apt_get build-dep -y ./
    # Two builds of the same tree must give the same bytes. The second compiles everything
    # afresh (no compiler cache) and skips the tests, which build nothing that is shipped.
    build_debs first
    build_debs second CCACHE_DISABLE=1 DEB_BUILD_OPTIONS=nocheck
    packaging/check-package.sh build/package/first build/package/second
    ;;
*)
    echo "usage: scripts/setup.sh play|test|package|deps" >&2
    exit 2
    ;;
esac
