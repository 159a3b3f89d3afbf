// The options' cycles: resolutions (with the desktop's own size), anti-aliasing, view distance, game speed.
#include "settings/CyclesOptions.h"

#include <cstddef>
#include <vector>

namespace {

struct Mode {
    int largeur;
    int hauteur;
};

// The resolutions the options menu cycles through, by width then height; the
// desktop's own size joins them at start-up when it is not one of them.
const Mode MODES[] = {
    {640, 480},   {800, 600},   {1024, 768},  {1280, 720},  {1280, 800},
    {1280, 960},  {1366, 768},  {1440, 900},  {1600, 900},  {1600, 1200},
    {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1440},
};
const int NB_MODES = sizeof(MODES) / sizeof(MODES[0]);
const Mode MODE_DEFAUT = {1024, 768};

// The desktop's size, when it is none of the table's modes; 0 x 0: none.
Mode bureau = {0, 0};
// The desktop's size, whatever it is; 0 x 0: unknown.
Mode ecranBureau = {0, 0};

bool avant(const Mode& a, const Mode& b) {
    return a.largeur < b.largeur || (a.largeur == b.largeur && a.hauteur < b.hauteur);
}

// The cycle: the table, with the desktop's size in its place.
std::vector<Mode> cycleModes() {
    std::vector<Mode> modes(MODES, MODES + NB_MODES);
    if (bureau.largeur > 0) {
        auto ou = modes.begin();
        while (ou != modes.end() && avant(*ou, bureau)) ++ou;
        modes.insert(ou, bureau);
    }
    return modes;
}

const int CLIPPINGS[] = {10, 20, 40, 100};
const int NB_CLIPPINGS = sizeof(CLIPPINGS) / sizeof(CLIPPINGS[0]);

const int ANTIALIASINGS[] = {0, 2, 4, 8, 16};
const int NB_ANTIALIASINGS = sizeof(ANTIALIASINGS) / sizeof(ANTIALIASINGS[0]);

// The assist's game speeds, in percent; the first is the normal speed (no assist).
const int VITESSES_JEU[] = {100, 90, 80, 70};
const int NB_VITESSES_JEU = sizeof(VITESSES_JEU) / sizeof(VITESSES_JEU[0]);

// The position of a size in the cycle; a size outside it (a hand-edited
// file) has none.
int positionMode(const std::vector<Mode>& modes, int largeur, int hauteur) {
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].largeur == largeur && modes[i].hauteur == hauteur) return static_cast<int>(i);
    return -1;
}

int indexDans(const int* table, int taille, int valeur) {
    for (int i = 0; i < taille; ++i)
        if (table[i] == valeur) return i;
    return -1;
}

// Anti-aliasing outside the cycle (a hand-edited file) steps by doubling or
// halving as the cycle does, then lands on the nearest count of the cycle in
// the direction of the move.
int antiAliasingHorsCycle(int valeur, int sens) {
    if (sens > 0) {
        if (valeur <= 0) return 2;
        long double_ = 2L * valeur;
        for (int i = 0; i < NB_ANTIALIASINGS; ++i)
            if (ANTIALIASINGS[i] >= double_) return ANTIALIASINGS[i];
        return 0;
    }
    if (valeur < 2) return 16;
    int moitie = valeur / 2;
    for (int i = NB_ANTIALIASINGS - 1; i >= 0; --i)
        if (ANTIALIASINGS[i] <= moitie) return ANTIALIASINGS[i];
    return 0;
}


}  // namespace

void CyclesOptions::resolution(int& l, int& h, int sens) {
    const std::vector<Mode> modes = cycleModes();
    const int position = positionMode(modes, l, h);
    const Mode m = position < 0 ? MODE_DEFAUT : modes[boucler(position + pas(sens), static_cast<int>(modes.size()))];
    l = m.largeur;
    h = m.hauteur;
}

int CyclesOptions::antiAliasing(int valeur, int sens) {
    const int i = indexDans(ANTIALIASINGS, NB_ANTIALIASINGS, valeur);
    return i < 0 ? antiAliasingHorsCycle(valeur, sens) : ANTIALIASINGS[boucler(i + pas(sens), NB_ANTIALIASINGS)];
}

int CyclesOptions::clipping(int valeur, int sens) {
    const int i = indexDans(CLIPPINGS, NB_CLIPPINGS, valeur);
    return i < 0 ? CLIPPINGS[0] : CLIPPINGS[boucler(i + pas(sens), NB_CLIPPINGS)];
}

int CyclesOptions::vitesseJeu(int valeur, int sens) {
    const int i = indexDans(VITESSES_JEU, NB_VITESSES_JEU, valeur);
    return VITESSES_JEU[i < 0 ? 0 : boucler(i + pas(sens), NB_VITESSES_JEU)];
}

bool CyclesOptions::vitesseConnue(int valeur) { return indexDans(VITESSES_JEU, NB_VITESSES_JEU, valeur) >= 0; }
int CyclesOptions::vitesseNormale() { return VITESSES_JEU[0]; }

void CyclesOptions::setBureau(int l, int h) {
    bureau = ecranBureau = {0, 0};
    if (l <= 0 || h <= 0 || l > 16384 || h > 16384) return;
    ecranBureau = {l, h};
    if (positionMode(cycleModes(), l, h) < 0) bureau = {l, h};
}

bool CyclesOptions::getBureau(int& l, int& h) {
    if (ecranBureau.largeur <= 0) return false;
    l = ecranBureau.largeur;
    h = ecranBureau.hauteur;
    return true;
}
