#!/bin/sh
# Builds the Debian package twice, each from its own fresh copy of the sources
# in a different folder, with the same SOURCE_DATE_EPOCH, and checks that the
# two packages are byte for byte the same. Two whole builds: about 15 minutes
# on a loaded two-core machine, so not part of ./test.sh.
# Usage: scripts/reproductible.sh [FOLDER]   (default build-reproductible/)
set -eu
cd "$(dirname "$0")/.."
racine=$(mkdir -p "${1:-build-reproductible}" && cd "${1:-build-reproductible}" && pwd)
# The date of the last changelog entry, as dpkg-buildpackage itself would take it.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -S Timestamp)}
export SOURCE_DATE_EPOCH
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"

for essai in premier second; do
    echo "Building the $essai package in $racine/$essai"
    rm -rf "${racine:?}/$essai"
    ./package.sh "$racine/$essai" >"$racine/$essai.log" 2>&1 || {
        tail -20 "$racine/$essai.log"
        echo "the $essai build failed (log: $racine/$essai.log)" >&2
        exit 1
    }
done

statut=0
for deb in "$racine"/premier/*.deb; do
    nom=$(basename "$deb")
    if cmp -s "$deb" "$racine/second/$nom"; then
        echo "identical: $nom ($(sha256sum <"$deb" | cut -c1-16))"
    else
        statut=1
        echo "DIFFERENT: $nom" >&2
        # Which files differ, to start looking.
        for d in premier second; do
            mkdir -p "$racine/$d/contenu"
            dpkg-deb -R "$racine/$d/$nom" "$racine/$d/contenu/$nom"
        done
        diff -r "$racine/premier/contenu/$nom" "$racine/second/contenu/$nom" >&2 || true
        if command -v diffoscope >/dev/null 2>&1; then
            diffoscope "$deb" "$racine/second/$nom" >&2 || true
        fi
    fi
done
[ "$statut" -eq 0 ] && echo "The two builds are byte-identical."
exit "$statut"
