#!/bin/sh
# Unpacks Debian's SDL 1.2 compatibility layer (SDL 1.2 on top of SDL 2) into
# build/sdl12-compat/, beside the classic library the system keeps: the tests
# then run a second time with it through LD_LIBRARY_PATH. Prints the folder
# that holds libSDL-1.2.so.0.
set -eu

cd "$(dirname "$0")/.."

DOSSIER="$PWD/build/sdl12-compat"
BIBLIOTHEQUE="$DOSSIER/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/sdl12-compat"

if [ ! -e "$BIBLIOTHEQUE/libSDL-1.2.so.0" ]; then
    mkdir -p "$DOSSIER/paquet"
    # apt-get download writes into the current folder; the download user
    # (_apt) may not write there, which apt only warns about.
    (cd "$DOSSIER/paquet" && rm -f ./*.deb && apt-get download -qq libsdl1.2-compat 2>/dev/null) || {
        echo "sdl12-compat: could not download libsdl1.2-compat" >&2
        exit 1
    }
    dpkg -x "$DOSSIER"/paquet/libsdl1.2-compat_*.deb "$DOSSIER"
    if [ ! -e "$BIBLIOTHEQUE/libSDL-1.2.so.0" ]; then
        echo "sdl12-compat: libSDL-1.2.so.0 not found in the package" >&2
        exit 1
    fi
fi
echo "$BIBLIOTHEQUE"
