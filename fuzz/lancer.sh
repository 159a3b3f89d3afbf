#!/bin/sh
# Fuzzes every reader of the game's files (or those named) for the given number of seconds each.
# Builds the targets with clang in build/fuzz if needed; the corpus grows in build/fuzz/corpus/<target>
# and any crash, leak or hang is written to build/fuzz/trouvailles/.
# Usage: fuzz/lancer.sh <seconds> [tga md2 wav niveau options clavier lang scores records pars rejeu serie]
set -eu
racine="$(cd "$(dirname "$0")/.." && pwd)"
duree="${1:?usage: fuzz/lancer.sh <seconds> [targets]}"
shift
cibles="${*:-tga md2 wav niveau options clavier lang scores records pars rejeu serie}"
construction="$racine/build/fuzz"
jeu="$racine/build/game"
[ -d "$jeu/Images" ] || { echo "build the game first (./test.sh or ./play.sh)" >&2; exit 2; }
cmake -S "$racine/fuzz" -B "$construction" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$construction" -j"$(nproc)"
mkdir -p "$construction/trouvailles"
echec=0
for cible in $cibles; do
    corpus="$construction/corpus/$cible"
    graines="$construction/graines/$cible"
    rm -rf "$graines"
    sh "$racine/fuzz/corpus.sh" "$cible" "$jeu" "$graines"
    mkdir -p "$corpus"
    echo "== $cible: $duree s"
    "$construction/fuzz_$cible" -max_total_time="$duree" -timeout=20 -rss_limit_mb=2048 -malloc_limit_mb=200 \
        -artifact_prefix="$construction/trouvailles/$cible-" "$corpus" "$graines" 2>&1 |
        grep -E "DONE|==ERROR|SUMMARY|Test unit written|ALARM" || true
    ls "$construction/trouvailles/$cible-"* >/dev/null 2>&1 && echec=1
done
[ "$echec" -eq 0 ] && echo "no crash, leak or hang found" || echo "findings in $construction/trouvailles" >&2
exit "$echec"
