#!/bin/sh
# Builds and runs the benchmarks on a virtual display; prints their figures.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --build build --target bench_tga bench_duel bench_vsync -j"$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_tga
for taille in "1024 768" "1280 800" "800 600"; do
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_duel build/game $taille
done
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/bench/bench_vsync
