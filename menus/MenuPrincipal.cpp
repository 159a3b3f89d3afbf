// The main menu.
#include "menus/MenuPrincipal.h"

#include "render/CTextureManager.h"

MenuPrincipal::MenuPrincipal() : Menu(0, 0, 1, 1) {
    nom = "MenuPrincipal";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    creerItems({1, 2, 3, 4, 5, 6});
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
