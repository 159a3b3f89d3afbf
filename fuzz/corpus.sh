#!/bin/sh
# Gathers the seed corpus of one fuzz target into <out>: our seeds (fuzz/graines/<target>) and
# the files the game ships for that reader, from the built game folder.
# Usage: fuzz/corpus.sh <target> <game folder> <out>
set -eu
cible="$1"
jeu="$2"
sortie="$3"
graines="$(cd "$(dirname "$0")" && pwd)/graines/$cible"
mkdir -p "$sortie"
copier() {  # every file found, under a name that keeps its path
    find "$@" -type f 2>/dev/null | while read -r f; do
        cp "$f" "$sortie/$(echo "$f" | tr '/' '_')"
    done
}
[ -d "$graines" ] && cp "$graines"/* "$sortie"/ 2>/dev/null || true
cd "$jeu"
case "$cible" in
    # The small images (blocks, skins, shadows, low board and fonts): every form the
    # game ships (colour-mapped, 24- and 32-bit run-length), in seconds under the
    # sanitisers; now that every image is small on disk, size alone no longer picks them.
    tga) copier Images/Bloc Images/Joueur Images/Board/Low Images/Fonts/Low -name '*.tga' ;;
    md2) copier Objets -name '*.md2' ;;
    wav) copier Sons Musiques -name '*.wav' -size -300k ;;
    niveau) copier Niveaux -name 'niveau*.dat' ;;
    lang) copier Data/Lang -name '*.dat' ;;
    pars) copier Niveaux -name 'pars.dat' ;;
    verifserie) copier Niveaux -name 'serie.txt' ;;
    options | clavier | scores | records | rejeu) ;;  # none shipped: the player's own files
    *) echo "unknown target: $cible" >&2; exit 2 ;;
esac
