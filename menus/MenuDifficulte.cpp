// The difficulty menu.
#include "menus/MenuDifficulte.h"

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"

MenuDifficulte::MenuDifficulte(bool duel) : Menu(0, 0, 1, 1), duel(duel) {
    nom = "MenuDifficulte";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    creerItems({LangManager::FACILE, LangManager::DIFFICILE, LangManager::RETOUR});
}

void MenuDifficulte::draw() {
    Menu::draw();
    ombrerItems();
    if (duel)
        textes->draw(LangManager::getInstance()->ligne(LangManager::DUEL).c_str(), 3, 0.5, 0.86, 0.08, 0.09, 0.5, 3);
}

void MenuDifficulte::reset() {
    code = 0;
    selection = 1;
}
