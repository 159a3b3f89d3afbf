// The high-score screen.
#include "menus/MenuScores.h"

#include <algorithm>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"

MenuScores::MenuScores() : Menu(0, 0, 1, 1) {
    nom = "MenuScores";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuScores.tga"), false);
    delai = 0;
    creerItems({LangManager::FACILE, LangManager::DIFFICILE, LangManager::RETOUR});
    charger();
}

MenuScores::~MenuScores() { detruire(); }

// A slot never filled (the file's placeholder time, or no file) is kept
// empty: it reads as a dash, not as a player. The font draws "." from the
// cell of "<"; the entries are stored that way.
void MenuScores::charger() {
    detruire();
    for (int d = 0; d < 2; ++d) {
        TableScores::lire(d + 1, noms[d], temps[d]);
        for (int i = 0; i < TableScores::TAILLE; ++i) {
            if (temps[d][i] == TableScores::TEMPS_VIDE) noms[d][i].clear(), temps[d][i].clear();
            std::replace(noms[d][i].begin(), noms[d][i].end(), '.', '<');
            std::replace(temps[d][i].begin(), temps[d][i].end(), '.', '<');
        }
    }
}

void MenuScores::detruire() {
    for (auto& table : noms)
        for (std::string& s : table) s.clear();
    for (auto& table : temps)
        for (std::string& s : table) s.clear();
}

void MenuScores::drawScores() {
    const double dx = estLarge() ? 0 : 0.04;
    const int t = selection - 1;
    const std::string separateur = " @ ";
    for (int i = 0; i < TableScores::TAILLE; ++i) {
        const double y = 0.8 - 0.045 * i;
        const std::string rang = std::to_string(i + 1) + "<";
        textes->draw(rang.c_str(), 1, dx + 0.2, y, 0.05, 0.05, 0.5, 2);
        if (temps[t][i].empty()) {
            textes->draw("-", 1, dx + 0.3, y, 0.05, 0.05, 0.5, 1);
            continue;
        }
        textes->draw(separateur.c_str(), 1, dx + 0.2, y, 0.05, 0.05, 0.5, 1);
        textes->draw(noms[t][i].c_str(), 1, dx + 0.275, y, 0.05, 0.05, 0.5, 1);
        textes->draw(separateur.c_str(), 1, dx + 0.35, y, 0.05, 0.05, 0.5, 1);
        textes->draw(temps[t][i].c_str(), 1, dx + 0.55, y, 0.05, 0.05, 0.5, 2);
        textes->draw("s", 1, dx + 0.55, y, 0.05, 0.05, 0.5, 1);
    }
}

void MenuScores::draw() {
    Menu::draw();
    if (selection != nbChoix) drawScores();
    ombrerItems();
}

void MenuScores::reset() {
    code = 0;
    selection = 1;
}
