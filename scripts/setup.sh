#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   scripts/setup.sh play   installs what is missing, builds and starts the game
#   scripts/setup.sh test   installs what is missing, builds with sanitizers and runs every test
#   scripts/setup.sh package  builds the Debian package from a release build and checks it
#   scripts/setup.sh deps   only installs what is missing
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libcanberra-dev sound-theme-freedesktop libfontconfig-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    xvfb xauth xdotool imagemagick x11-utils openbox libxcb1-dev libxcb-xtest0-dev dbus-daemon
    orca at-spi2-core
    desktop-file-utils appstream groff-base
)
# Only `package` needs these: dpkg-shlibdeps works out the package's dependencies.
PACKAGE_TOOLS=(dpkg-dev lintian file)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
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
    cmake --preset package >/dev/null
    cmake --build --preset package -j "$jobs" --target vandolin vandolin-odds \
        vandolin_desktop_icons vandolin_manual_pages vandolin_changelog
    rm -f build/package/vandolin_*.deb
    (cd build/package && cpack -G DEB)
    packaging/check-package.sh build/package/vandolin_*.deb
    ;;
*)
    echo "usage: scripts/setup.sh play|test|package|deps" >&2
    exit 2
    ;;
esac
