// The about screen.
#include "menus/MenuAPropos.h"

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "settings/LegendeTouches.h"

namespace {
// Inside the panel of both backgrounds (x 0.06 to 0.94, y 0.38 to 0.92), in
// groups: the title, two sentences about the game, steering, the credits.
const double X_TEXTE = 0.09;
const double LIGNES_Y[] = {0.835, 0.77, 0.73, 0.67, 0.63, 0.59, 0.535, 0.48, 0.44};
const double Y_COMMANDES = 0.395;
const double LARGEUR_PANNEAU = 0.82;
}  // namespace

MenuAPropos::MenuAPropos() : Menu(0, 0, 1, 1) {
    nom = "MenuAPropos";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuAPropos.tga"), false);
    delai = 0;
    creerItems({LangManager::RETOUR});
}

void MenuAPropos::draw() {
    Menu::draw();
    LangManager* lang = LangManager::getInstance();
    static const int LIGNES[9] = {LangManager::A_PROPOS_1, LangManager::A_PROPOS_2, LangManager::A_PROPOS_3,
                                  LangManager::A_PROPOS_4, LangManager::A_PROPOS_5, LangManager::A_PROPOS_6,
                                  LangManager::A_PROPOS_7, LangManager::A_PROPOS_8, LangManager::A_PROPOS_9};
    for (int i = 0; i < 9; ++i)
        textes->draw(lang->ligne(LIGNES[i]).c_str(), 1, X_TEXTE, LIGNES_Y[i], 0.035, 0.05, 0.5, 1);
    // The keys, as they are bound now, in the highlight font.
    const std::string legende = LegendeTouches::texte();
    const double largeur = textes->largeurPour(legende.c_str(), 0.035, LARGEUR_PANNEAU, 0.5);
    textes->draw(legende.c_str(), 2, X_TEXTE, Y_COMMANDES, largeur, 0.05, 0.5, 1);
}
