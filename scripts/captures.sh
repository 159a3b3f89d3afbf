#!/bin/sh
# Takes the game's screenshots (dist/captures.script) with the built game, on a
# virtual display, with default settings and no sound: leapgrid-<n>.png in OUT.
# Usage: scripts/captures.sh GAME_FOLDER OUT
set -eu
source=$(cd "$(dirname "$0")/.." && pwd)
jeu=$(cd "$1" && pwd)
mkdir -p "$2"
sortie=$(cd "$2" && pwd)
# A copy of the game folder without any player's files: default keys and
# empty score tables, whatever the developer has played, and the default
# settings but for a wide 1280 x 800 window and English.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp -R "$jeu" "$tmp/jeu"
rm -f "$tmp/jeu/Data/Options.dat" "$tmp/jeu/Data/Clavier.dat"
find "$tmp/jeu/Niveaux" -name 'Scores.dat' -exec rm -f {} +
printf '1280\n800\n1\n0\n2\n10\n1\nEnglish\n0\n3\n1\n1\n' >"$tmp/jeu/Data/Options.dat"
rm -f "$sortie"/leapgrid-*.png
cd "$tmp/jeu"
# A display picked by xvfb-run -a can be taken by another Xvfb starting at the
# same moment (tests running beside): the game then finds no display, and is
# given another.
for essai in 1 2 3 4 5; do
    if HOME="$tmp" XDG_CONFIG_HOME="" XDG_DATA_HOME="" SDL_AUDIODRIVER=dummy \
        LEAPGRID_SCRIPT="$source/dist/captures.script" LEAPGRID_CAPTURES="$sortie" \
        xvfb-run -a -s "-screen 0 1280x1024x24" ./leapgrid >"$tmp/sortie.txt" 2>&1; then
        break
    fi
    if [ "$essai" -eq 5 ] || ! grep -q -e "X11 display" -e "video device" "$tmp/sortie.txt"; then
        cat "$tmp/sortie.txt" >&2
        exit 1
    fi
done
ls "$sortie"/leapgrid-1.png "$sortie"/leapgrid-2.png "$sortie"/leapgrid-3.png >/dev/null
