// Text drawing with the three bitmap fonts: one textured quad per character, in the caller's 2D space.
#pragma once

class OptionsManager;

class TextesManager {
public:
    static TextesManager* getInstance();
    static void kill();

    // texte at anchor (x, y), y being the glyphs' bottom; largeur is the glyph
    // width before the aspect correction, espacement the advance as a share of
    // the glyph width; alignement 1 left, 2 right, 3 centred on x.
    void draw(const char* texte, int police, double x, double y, double largeur, double hauteur,
              double espacement, int alignement);

    // The glyph width (as draw takes it) at which texte spans at most place
    // across the screen: largeur, or less for a text too long for its place.
    double largeurPour(const char* texte, double largeur, double place, double espacement);

    static constexpr int NB_POLICES = 3;

private:
    TextesManager();
    static TextesManager* textesManagerinst;

    unsigned int polices[NB_POLICES + 1];
    OptionsManager* options;
};
