// The accented letters French needs: their Unicode code point, the one byte that stands for each in
// the game's texts (Windows Western, cp1252), and the font cell that draws it.
#pragma once

#include <string>

class Accents {
public:
    struct Lettre {
        char32_t unicode;
        unsigned char octet;
        int cellule;
    };
    // Cells 75 to 94 of every font, after "z"; cells 95 to 99 stay free.
    static constexpr Lettre LETTRES[] = {
        {U'é', 0xE9, 75}, {U'è', 0xE8, 76}, {U'ê', 0xEA, 77}, {U'ë', 0xEB, 78}, {U'à', 0xE0, 79},
        {U'â', 0xE2, 80}, {U'î', 0xEE, 81}, {U'ï', 0xEF, 82}, {U'ô', 0xF4, 83}, {U'û', 0xFB, 84},
        {U'ù', 0xF9, 85}, {U'ü', 0xFC, 86}, {U'ç', 0xE7, 87}, {U'œ', 0x9C, 88}, {U'É', 0xC9, 89},
        {U'È', 0xC8, 90}, {U'Ê', 0xCA, 91}, {U'À', 0xC0, 92}, {U'Ç', 0xC7, 93}, {U'Ô', 0xD4, 94},
    };
    // The byte of a character the fonts cannot draw: it keeps its place as
    // one empty cell (ASCII's "substitute").
    static constexpr unsigned char INCONNU = 0x1A;

    // The font cell of an accented byte, or -1.
    static int cellule(unsigned char octet) {
        for (const Lettre& l : LETTRES)
            if (l.octet == octet) return l.cellule;
        return -1;
    }
    // The game's byte for a code point: itself below 128, an accented
    // letter's byte, INCONNU for anything else.
    static unsigned char octet(char32_t unicode) {
        if (unicode < 0x80) return static_cast<unsigned char>(unicode);
        for (const Lettre& l : LETTRES)
            if (l.unicode == unicode) return l.octet;
        return INCONNU;
    }
    // UTF-8 text to the game's bytes, one per character; each byte of a
    // malformed sequence (cut, overlong, a surrogate, beyond U+10FFFF) becomes
    // one INCONNU.
    static std::string depuisUtf8(const std::string& texte);
    // True when texte is well-formed UTF-8.
    static bool estUtf8(const std::string& texte);
};
