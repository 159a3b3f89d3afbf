// The editor's title and lesson entry: the level's title and lesson in English and in French, typed on
// the keyboard, picked letter by letter with a pad or the keys alone, or chosen and scrolled with the mouse.
#pragma once

#include <string>

#include "settings/SerieNiveaux.h"
#include "settings/Souris.h"

class ClavierManager;
class TextesManager;

class SaisieTexte {
public:
    enum Champ { TITRE_EN, TITRE_FR, LECON_EN, LECON_FR, NB_CHAMPS };

    void ouvrir(int champ = TITRE_EN);
    void fermer() { ouverte = false; }
    bool estOuverte() const { return ouverte; }
    int getChamp() const { return champ; }

    // One frame while open. The keyboard: a character types itself,
    // Backspace erases, Enter goes to the next line (from the last, closes),
    // Escape closes. The directions (a pad, the arrows): up and down change
    // the last letter along the picker's alphabet, right adds one, left
    // erases; confirm goes to the next line, cancel or start closes. The
    // mouse: a click on a line chooses it, the wheel changes its last letter,
    // a click elsewhere or a right click closes. False once closed.
    bool refresh(long ecoule, ClavierManager* clavier, const Souris::Lecture& pointeur);
    // The panel over the editor's grid.
    void dessiner(TextesManager* textes) const;

    // A line in the game's one-byte text (see Accents).
    const std::string& texte(int c) const { return textes[c]; }
    // Adds a character at the end of the current line: refused (false) when
    // the fonts cannot draw it or the series file could not hold the line.
    bool ajouter(unsigned char octet);
    void effacer();
    // The title and lesson as the series file holds them, in UTF-8: a text
    // typed in one language alone stands for both.
    SerieNiveaux::Textes titre() const { return paire(TITRE_EN, TITRE_FR); }
    SerieNiveaux::Textes lecon() const { return paire(LECON_EN, LECON_FR); }

    // Whether the fonts draw a byte of the game's text (a space counts).
    static bool dessinable(unsigned char octet);
    static std::string versUtf8(const std::string& octets);
    // The character a key types (SDL key code; Shift for capitals), 0 for none.
    static unsigned char caractere(int touche, bool majuscule);

private:
    SerieNiveaux::Textes paire(int en, int fr) const;
    void changerDerniere(int pas);
    // The line under a point, or -1.
    static int champSous(double x, double y);

    std::string textes[NB_CHAMPS];
    int champ = TITRE_EN;
    bool ouverte = false;
    float delai = 0;
};
