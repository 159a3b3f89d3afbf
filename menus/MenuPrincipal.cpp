// The main menu.
#include "menus/MenuPrincipal.h"

#include "render/CTextureManager.h"
#include "settings/LangManager.h"

MenuPrincipal::MenuPrincipal() : Menu(0, 0, 1, 1) {
    nom = "MenuPrincipal";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    creerItems({LangManager::JOUER, LangManager::DUEL, LangManager::SCORES, LangManager::OPTIONS,
                LangManager::A_PROPOS, LangManager::QUITTER});
}

void MenuPrincipal::draw() {
    Menu::draw();
    ombrerItems();
    dessinerAvis(0.9);  // in the sky, above the picture
}

void MenuPrincipal::reset() {
    code = 0;
    selection = 1;
}
