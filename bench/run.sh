#!/bin/sh
# Builds and runs the benchmarks on a virtual display and prints their figures: the TGA reader against
# stb_image, the duel's split screen against a solo match, vertical sync, then the whole game beside a
# minimal SDL + OpenGL program, and the level editor against the match (about four minutes).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --build build --target leapgrid bench_duel bench_vsync bench_jeu base_sdl_gl bench_rejeu bench_memoire_rejeu bench_editeur verifniveau -j"$(nproc)"
# No display needed: the rules replay alone, and the checker runs without one.
build/bench/bench_rejeu build/game build/tools/verifniveau
# Peak memory of --check-replay and of the ghost on the largest replays the reader takes
# (LEAPGRID_AVANT=<an older leapgrid> measures it too, in the same run).
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    build/bench/bench_memoire_rejeu build/game build/game/leapgrid ${LEAPGRID_AVANT:+"$LEAPGRID_AVANT"}
if cmake --build build --target bench_tga -j"$(nproc)" 2>/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_tga
fi
for taille in "1024 768" "1280 800" "800 600"; do
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_duel build/game $taille
done
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_vsync
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_editeur build/game 1024 768
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    build/bench/bench_jeu build/game build/game/leapgrid build/bench/base_sdl_gl
