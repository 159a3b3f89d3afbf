#!/bin/sh
# Replays one fuzz target over its seed corpus once, as the test suite does: a regression in
# a reader shows as a sanitizer report and a failed test, in about a second.
# Usage: fuzz/rejouer.sh <fuzz target executable> <target> <game folder>
set -eu
exe="$1"
cible="$2"
jeu="$3"
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
sh "$(dirname "$0")/corpus.sh" "$cible" "$jeu" "$corpus/graines"
"$exe" -runs=0 -timeout=20 -rss_limit_mb=2048 -malloc_limit_mb=200 -artifact_prefix="$corpus/" "$corpus/graines"
