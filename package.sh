#!/bin/sh
# Builds the game's Debian package from debian/ (dpkg-buildpackage), on a clean
# copy of the sources in its own folder: build/ and the checkout are left alone.
# Usage: ./package.sh [FOLDER]   (default build-paquet/; the .deb lands there)
set -eu
cd "$(dirname "$0")"
sh scripts/setup.sh --paquets

sortie=$(mkdir -p "${1:-build-paquet}" && cd "${1:-build-paquet}" && pwd)
source="$sortie/leapgrid"
# No package of an earlier run may pass for this one's.
rm -rf "$source" "$sortie"/leapgrid_*.deb "$sortie"/leapgrid-dbgsym_*.deb
mkdir -p "$source"
# The sources as they stand: what git knows of (tracked or not ignored), or
# every file but the build folders outside a git checkout.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # (a file deleted but not yet committed is skipped with a warning)
    git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - | tar -xf - -C "$source"
else
    tar --exclude='./build' --exclude='./build-*' --exclude='./debian/construction' -cf - . | tar -xf - -C "$source"
fi

cd "$source"
# Without a date given, the package's files carry the date of the last changelog entry.
dpkg-buildpackage -b -us -uc --no-sign
cd "$sortie"
rm -rf "$source" leapgrid_*.buildinfo leapgrid_*.changes
ls "$sortie"/leapgrid_*_*.deb
