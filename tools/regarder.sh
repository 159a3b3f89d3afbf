#!/bin/sh
# Renders what the art looks like in the game, to look at: a level holding
# every block type seen from the match camera with the player, its outline and
# shadow (build/apercu/scene.png), and a contact sheet of every generated image
# (build/apercu/planche.png).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
mkdir -p build/apercu
xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/apercu build/game build/apercu/scene.ppm tools/vitrine.dat
convert build/apercu/scene.ppm build/apercu/scene.png
rm -f build/apercu/scene.ppm
# ImageMagick ignores the TGA origin flag unless asked to auto-orient.
cd build/game
montage -auto-orient -background '#404040' -fill white -pointsize 11 -label '%d/%f' \
    Images/Bloc/High/*.tga Images/Menus/premenu.tga Images/Menus/High/*/*.tga Images/Fonds/High/*/*.tga \
    Images/Board/High/board.tga Images/Fonts/High/*.tga Images/Joueur/*.tga Images/Logo/logo.bmp \
    -tile 8x -geometry 220x165+4+4 ../apercu/planche.png
echo "build/apercu/scene.png and build/apercu/planche.png written"
