// The difficulty menu.
#include "menus/MenuDifficulte.h"

#include "render/CTextureManager.h"

MenuDifficulte::MenuDifficulte() : Menu(0, 0, 1, 1) {
    nom = "MenuDifficulte";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    creerItems({54, 55, 11});
}

void MenuDifficulte::draw() {
    Menu::draw();
    ombrerItems();
}

void MenuDifficulte::reset() {
    code = 0;
    selection = 1;
}
