// The difficulty menu.
#include "menus/MenuDifficulte.h"

#include <SDL/SDL_opengl.h>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"

namespace {
// The player's series last played from this menu, for this run.
int serieRetenue = 0;
// The chooser's line under the bar, and its arrows' columns.
const double Y_CHOIX = 0.37, FLECHE_L = 0.08, FLECHE_G = 0.12, FLECHE_D = 0.88;
}  // namespace

MenuDifficulte::MenuDifficulte(bool duel) : Menu(0, 0, 1, 1), duel(duel) {
    nom = "MenuDifficulte";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    // Read again at each visit: a level the editor has just added, or a
    // folder just dropped in, shows.
    CatalogueSeries& catalogue = CatalogueSeries::courant();
    catalogue.lireDuJoueur();
    for (const CatalogueSeries::Entree& e : catalogue.entrees()) {
        if (e.livree()) continue;
        if (e.numero == serieRetenue) indexSerie = static_cast<int>(seriesJoueur.size());
        seriesJoueur.push_back(e.numero);
    }
    LangManager* lang = LangManager::getInstance();
    std::vector<std::string> textes = {lang->ligne(LangManager::FACILE), lang->ligne(LangManager::DIFFICILE)};
    codes = {FACILE, DIFFICILE};
    if (!duel) {
        textes.push_back(lang->ligne(LangManager::LIGNE_NIVEAUX));
        codes.push_back(NIVEAUX);
    }
    // After the items that were always there, so that they keep their places.
    if (!seriesJoueur.empty()) {
        textes.push_back(CatalogueSeries::nomDe(getSerieJoueur()));
        codes.push_back(SERIE_JOUEUR);
        itemSerie = static_cast<int>(codes.size());
    }
    textes.push_back(lang->ligne(LangManager::RETOUR));
    codes.push_back(RETOUR);
    creerItems(textes);
    retrouverSelection();
}

// The chosen item's code: cancel chooses the last item, back.
int MenuDifficulte::getCode() {
    if (code < 1 || code > nbChoix) return 0;
    return codes[static_cast<size_t>(code - 1)];
}

int MenuDifficulte::getSerie() const {
    const int c = code >= 1 && code <= nbChoix ? codes[static_cast<size_t>(code - 1)] : 0;
    if (c == SERIE_JOUEUR) return getSerieJoueur();
    return c == DIFFICILE ? 2 : 1;
}

void MenuDifficulte::changerSerie(int sens) {
    if (seriesJoueur.empty()) return;
    const int n = static_cast<int>(seriesJoueur.size());
    indexSerie = (indexSerie + (sens < 0 ? n - 1 : 1)) % n;
    serieRetenue = getSerieJoueur();
    libelles[itemSerie - 1] = CatalogueSeries::nomDe(serieRetenue);
    sons->jouerSon(sons->sonBeep);
}

int MenuDifficulte::flecheSous(double x, double y) const {
    if (!choixVisible() || y < Y_CHOIX - 0.02 || y > Y_CHOIX + 0.07) return 0;
    if (x >= FLECHE_G - FLECHE_L / 2 && x < FLECHE_G + FLECHE_L / 2) return -1;
    if (x >= FLECHE_D - FLECHE_L / 2 && x < FLECHE_D + FLECHE_L / 2) return 1;
    return 0;
}

// The bar as every menu; on the player's series, up and down (with a repeat
// timer of their own, so the bar's does not run twice) and the wheel go from
// series to series; a click on the chooser's arrows does from anywhere.
void MenuDifficulte::refresh(long ecoule) {
    const bool haut = bouton(&ClavierManager::estHaut), bas = bouton(&ClavierManager::estBas);
    if (!(haut || bas)) {
        delaiSerie = DELAI_REPETITION;
    } else if (delaiSerie >= DELAI_REPETITION || bouton(&ClavierManager::estNouvelAppui)) {
        delaiSerie = 0;
        if (surSerieJoueur()) changerSerie(haut ? -1 : 1);
    } else {
        delaiSerie += ecoule;
    }
    Menu::refresh(ecoule);
    if (code != 0 || !choixVisible()) return;
    const int fleche = pointeur.gauche ? flecheSous(pointeur.xClic, pointeur.yClic) : 0;
    if (fleche != 0) {
        selection = itemSerie;
        changerSerie(fleche);
    } else if (pointeur.molette != 0 && surSerieJoueur()) {
        changerSerie(pointeur.molette > 0 ? -1 : 1);
    }
}

// The player's series' name fits its column; under the bar, while there are
// several, the chooser: which one of how many, and how to change it.
void MenuDifficulte::draw() {
    std::string nomSerie;
    if (itemSerie > 0) nomSerie.swap(libelles[itemSerie - 1]);
    Menu::draw();
    if (itemSerie > 0) {
        libelles[itemSerie - 1].swap(nomSerie);
        const char* t = libelles[itemSerie - 1].c_str();
        const double lBarre = estLarge() ? 0.05 : 0.04;
        textes->draw(t, 3, (itemSerie - 0.5) / nbChoix, estLarge() ? 0.182 : 0.227,
                     textes->largeurPour(t, lBarre, 0.92 / nbChoix, 0.5), 0.07, 0.5, 3);
    }
    ombrerItems();
    LangManager* lang = LangManager::getInstance();
    if (duel)
        textes->draw(lang->ligne(LangManager::DUEL).c_str(), 3, 0.5, 0.86, 0.08, 0.09, 0.5, 3);
    if (!choixVisible()) return;
    const std::string aide = lang->ligne(LangManager::SERIE_AUTRE) + "   " + std::to_string(indexSerie + 1) + " " +
                             lang->ligne(LangManager::SERIE_SUR) + " " + std::to_string(seriesJoueur.size());
    const int police = surSerieJoueur() ? 2 : 1;
    glDisable(GL_TEXTURE_2D);
    glColor4d(0, 0, 0, 0.45);  // a band under it: the background's picture is busy there
    glBegin(GL_QUADS);
    glVertex2d(0.05, Y_CHOIX + 0.065); glVertex2d(0.95, Y_CHOIX + 0.065);
    glVertex2d(0.95, Y_CHOIX - 0.015); glVertex2d(0.05, Y_CHOIX - 0.015);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    textes->draw(aide.c_str(), police, 0.5, Y_CHOIX, textes->largeurPour(aide.c_str(), 0.04, 0.62, 0.5), 0.05, 0.5, 3);
    // The arrows as triangles: the fonts have no arrow.
    glDisable(GL_TEXTURE_2D);
    glColor4d(1, 1, 1, surSerieJoueur() ? 1 : 0.6);
    glBegin(GL_TRIANGLES);
    for (const double x : {FLECHE_G, FLECHE_D}) {
        const double pointe = x < 0.5 ? -FLECHE_L / 3 : FLECHE_L / 3;
        glVertex2d(x + pointe, Y_CHOIX + 0.025);
        glVertex2d(x - pointe, Y_CHOIX + 0.05);
        glVertex2d(x - pointe, Y_CHOIX);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
}

void MenuDifficulte::reset() {
    code = 0;
    selection = 1;
}
