#!/bin/sh
# Installs what is missing, builds the game and runs every test on a virtual
# display (Xvfb, software OpenGL) with a silent audio driver: once with the
# classic SDL 1.2, then once more with SDL 1.2's compatibility layer on SDL 2
# (what current Linux desktops ship as SDL 1.2). Fails when either run fails.
set -eu
cd "$(dirname "$0")"
sh scripts/setup.sh
COMPAT="$(sh scripts/sdl12-compat.sh)"
cd build

suite() {
    # -noreset: otherwise Xvfb resets whenever its last client leaves, and a
    # test that connects at that moment finds no display.
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
        ctest --output-on-failure "$@"
}

banniere() {
    echo
    echo "================================================================"
    echo "== $1"
    echo "================================================================"
}

banniere "Tests with the classic SDL 1.2 ($(dpkg-query -W -f='${Package} ${Version}' libsdl1.2debian 2>/dev/null || echo system library))"
classique=0
suite -j"$(nproc)" "$@" || classique=$?

banniere "Tests with SDL 1.2 on SDL 2 (sdl12-compat, $COMPAT)"
# The run must really load the layer, not quietly fall back to the system's.
if ! LD_LIBRARY_PATH="$COMPAT" ldd game/leapgrid | grep -q "$COMPAT/libSDL-1.2.so.0"; then
    echo "test.sh: the game does not load $COMPAT/libSDL-1.2.so.0" >&2
    exit 1
fi
compat=0
# One test at a time: with no window manager, SDL 2 gives each new window the
# keyboard focus, so a window opened by a test beside it would take the focus
# from a running match, which rightly pauses. The package (built against the
# system's libraries) and the level checker (no SDL at all) run once, above.
LSAN_OPTIONS="suppressions=$(cd .. && pwd)/scripts/lsan-sdl2.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    LD_LIBRARY_PATH="$COMPAT${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" suite -j1 -LE "paquet|niveaux" "$@" || compat=$?

banniere "Classic SDL 1.2: $([ "$classique" -eq 0 ] && echo passed || echo FAILED); sdl12-compat: $([ "$compat" -eq 0 ] && echo passed || echo FAILED)"
[ "$classique" -eq 0 ] && [ "$compat" -eq 0 ]
