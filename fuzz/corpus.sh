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
    # Images at most 300 kB: every format and depth the game ships, in seconds under the sanitisers.
    tga) copier Images -name '*.tga' -size -300k ;;
    md2) copier Objets -name '*.md2' ;;
    wav) copier Sons Musiques -name '*.wav' -size -300k ;;
    niveau) copier Niveaux -name 'niveau*.dat' ;;
    lang) copier Data/Lang -name '*.dat' ;;
    options | clavier | scores | rejeu) ;;  # none shipped: the player's own files
    *) echo "unknown target: $cible" >&2; exit 2 ;;
esac
