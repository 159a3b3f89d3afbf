#!/bin/sh
# Installs what is missing, builds the game and runs every test on a virtual
# display (Xvfb, software OpenGL) with a silent audio driver.
set -eu
cd "$(dirname "$0")"
sh scripts/setup.sh
cd build
# -noreset: otherwise Xvfb resets whenever its last client leaves, and a test
# that connects at that moment finds no display.
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --output-on-failure -j"$(nproc)" "$@"
