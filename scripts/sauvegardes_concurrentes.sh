#!/bin/sh
# Two copies of the game's settings saver write Data/Options.dat at once for the
# given number of seconds (10 by default) while this script reads it back in a
# loop: every read must be one complete version or the other. Run by hand after
# a build: scripts/sauvegardes_concurrentes.sh [seconds]
set -eu
racine="$(cd "$(dirname "$0")/.." && pwd)"
sauveur="$racine/build/tests/sauveur_options"
duree="${1:-10}"
[ -x "$sauveur" ] || { echo "build first: $sauveur is missing" >&2; exit 2; }

dossier="$(mktemp -d)"
trap 'kill $p1 $p2 2>/dev/null || true; rm -rf "$dossier"' EXIT
mkdir -p "$dossier/Data"
cd "$dossier"
# The two versions, each saved once alone.
"$sauveur" 1 1 && cp Data/Options.dat version1
"$sauveur" 2 1 && cp Data/Options.dat version2
cmp -s version1 version2 && { echo "the two versions are equal" >&2; exit 2; }

"$sauveur" 1 0 & p1=$!
"$sauveur" 2 0 & p2=$!
lectures=0
mauvaises=0
fin=$(( $(date +%s) + duree ))
while [ "$(date +%s)" -lt "$fin" ]; do
    # One open, one file: a read sees whichever version the name held then.
    cat Data/Options.dat > lu || { mauvaises=$((mauvaises + 1)); continue; }
    lectures=$((lectures + 1))
    if ! cmp -s lu version1 && ! cmp -s lu version2; then
        mauvaises=$((mauvaises + 1))
        [ "$mauvaises" -gt 3 ] || { echo "read $lectures is neither version:" >&2; cat lu >&2; }
    fi
done
kill $p1 $p2
wait $p1 $p2 2>/dev/null || true
restes=$(find Data -name 'Options.dat.tmp.*' | wc -l)
echo "$lectures reads in $duree s, $mauvaises neither version; $restes temporary files left by the killed savers"
[ "$mauvaises" -eq 0 ]
