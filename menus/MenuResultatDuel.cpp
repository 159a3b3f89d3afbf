// The result screen of a duel.
#include "menus/MenuResultatDuel.h"

#include <SDL/SDL_opengl.h>

#include "render/CTextureManager.h"
#include "render/CouleursJoueurs.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "world/noyau/Assistance.h"

namespace {

// Seconds, a point and the tenths, as the match clock shows them.
std::string secondes(int ms) {
    return std::to_string(ms / 1000) + "." + std::to_string(ms / 100 - (ms / 1000) * 10) + "s";
}

// An assisted duel's line goes under the winner's, inside the panel: the
// winner's line moves up to make room for it.
const double Y_GAGNANT = 0.44, Y_GAGNANT_ASSISTE = 0.475, Y_ASSISTE = 0.418;

}  // namespace

MenuResultatDuel::MenuResultatDuel(const int v[2], const int t[2], const int c[2])
    : Menu(0, 0, 1, 1), victoires{v[0], v[1]}, tempsMs{t[0], t[1]}, couleurs{c[0], c[1]}, vainqueur(gagnant(v, t)),
      assiste(Assistance{options->getVitesseJeu(), options->isFreinDeriveOn()}.active()) {
    nom = "MenuResultatDuel";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuZQ.tga"), false);
    delai = 0;
    creerItems({LangManager::CONTINUER});
}

// Times are compared as the screen shows them, to the tenth: two times that
// read the same are a draw.
int MenuResultatDuel::gagnant(const int v[2], const int t[2]) {
    if (v[0] != v[1]) return v[0] > v[1] ? 1 : 2;
    const int d0 = t[0] / 100, d1 = t[1] / 100;
    if (d0 != d1) return d0 < d1 ? 1 : 2;
    return 0;
}

std::string MenuResultatDuel::texteGagnant() const {
    LangManager* lang = LangManager::getInstance();
    if (vainqueur == 0) return lang->ligne(LangManager::EGALITE);
    return lang->ligne(LangManager::JOUEUR_1 + vainqueur - 1) + " " + lang->ligne(LangManager::GAGNE_DUEL);
}

// A column per player: name in its colour, levels won, total time; the
// winner's line under them, then the assist's, cut to the screen's width.
void MenuResultatDuel::draw() {
    LangManager* lang = LangManager::getInstance();
    Menu::draw();
    const double colonnes[2] = {0.085, 0.53};
    for (int i = 0; i < 2; ++i) {
        const CouleurJoueur& c = couleurJoueur(couleurs[i]);
        glColor3f(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f);
        const double x = colonnes[i];
        textes->draw(lang->ligne(LangManager::JOUEUR_1 + i).c_str(), 1, x, 0.74, 0.07, 0.07, 0.5, 1);
        glColor3f(1, 1, 1);
        textes->draw(lang->ligne(LangManager::NIVEAUX_GAGNES).c_str(), 1, x, 0.64, 0.04, 0.05, 0.5, 1);
        textes->draw(std::to_string(victoires[i]).c_str(), 1, x + 0.3, 0.64, 0.045, 0.05, 0.5, 1);
        textes->draw(lang->ligne(LangManager::TEMPS_TOTAL).c_str(), 1, x, 0.57, 0.04, 0.05, 0.5, 1);
        textes->draw(secondes(tempsMs[i]).c_str(), 1, x + 0.3, 0.57, 0.045, 0.05, 0.5, 1);
    }
    if (vainqueur != 0) {
        const CouleurJoueur& c = couleurJoueur(couleurs[vainqueur - 1]);
        glColor3f(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f);
    }
    textes->draw(texteGagnant().c_str(), 1, 0.5, assiste ? Y_GAGNANT_ASSISTE : Y_GAGNANT, 0.07, 0.07, 0.5, 3);
    glColor3f(1, 1, 1);
    if (!assiste) return;
    const std::string ligne = lang->ligne(LangManager::ASSISTE);
    textes->draw(ligne.c_str(), 1, 0.5, Y_ASSISTE, textes->largeurPour(ligne.c_str(), 0.04, 0.8, 0.5), 0.043, 0.5, 3);
}

void MenuResultatDuel::reset() {
    code = 0;
    selection = 1;
}
