// Our art generator: writes every image, font, icon and the player model into the game folder.
// Usage: genart [--brut] GAME_FOLDER [FONT_FILE [FIXED_PITCH_FONT_FILE]], or genart --icones FOLDER
// for the desktop icons. FONT_FILE draws the titles in pictures; the game's own text advances by a
// fixed step, so its three fonts come from a fixed-pitch face.
// --brut writes the images uncompressed (type 2), to check the run-length ones against.
#include <cstdio>
#include <string>

#include "tools/genart/Art.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER [FONT_FILE [FIXED_PITCH_FONT_FILE]]\n", argv[0]);
        return 2;
    }
    if (std::string(argv[1]) == "--icones") {
        if (argc < 3) return 2;
        genererIcones(argv[2]);
        return 0;
    }
    if (std::string(argv[1]) == "--brut") {
        if (argc < 3) return 2;
        Image::tgaCompresse = false;
        --argc;
        ++argv;
    }
    const std::string jeu = argv[1];
    const std::string fichierPolice = argc > 2 ? argv[2] : "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    Police police(fichierPolice);
    if (!police.ok()) {
        std::fprintf(stderr, "genart: cannot read the font %s\n", fichierPolice.c_str());
        return 1;
    }
    const std::string fichierChasse =
        argc > 3 ? argv[3] : "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
    Police chasseFixe(fichierChasse);
    if (!chasseFixe.ok()) {
        std::fprintf(stderr, "genart: cannot read the font %s\n", fichierChasse.c_str());
        return 1;
    }
    genererBlocs(jeu);
    genererFonds(jeu, police);
    genererBoard(jeu);
    genererFonts(jeu, chasseFixe);
    genererJoueur(jeu);
    genererLogo(jeu);
    return 0;
}
