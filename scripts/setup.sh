#!/bin/sh
# Shared set-up of ./play.sh, ./test.sh and ./package.sh: installs the Debian
# packages that are missing, then configures and builds the game folder in
# build/ (not with --paquets: the packages only).
set -eu

cd "$(dirname "$0")/.."

PAQUETS="g++ make cmake pkg-config
libsdl1.2-dev libsdl-mixer1.2-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
googletest libgtest-dev xvfb xauth x11-utils xdotool imagemagick libstb-dev
libfreetype-dev fonts-dejavu-core
dpkg-dev desktop-file-utils appstream clang libclang-rt-14-dev ccache
debhelper lintian zlib1g-dev libsdl2-2.0-0 libx11-dev x11-xkb-utils xkb-data"

manquants=""
for p in $PAQUETS; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != "installed" ]; then
        manquants="$manquants $p"
    fi
done

if [ -n "$manquants" ]; then
    echo "Installing:$manquants"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $manquants
fi

[ "${1:-}" = "--paquets" ] && exit 0

# ccache makes rebuilds of unchanged sources (another checkout, a clean
# clone) nearly free; the build works the same without it.
LANCEUR=""
if command -v ccache >/dev/null 2>&1; then
    LANCEUR="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
fi
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $LANCEUR >/dev/null
cmake --build build -j"$(nproc)"

# SDL 1.2 on SDL 2, unpacked beside the build (never installed: the classic
# library stays the system's), for the test suite's second run.
sh scripts/sdl12-compat.sh >/dev/null
