// The difficulty menu.
#include "menus/MenuDifficulte.h"

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"

MenuDifficulte::MenuDifficulte(bool duel) : Menu(0, 0, 1, 1), duel(duel) {
    nom = "MenuDifficulte";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    if (duel)
        creerItems({LangManager::FACILE, LangManager::DIFFICILE, LangManager::RETOUR});
    else
        creerItems({LangManager::FACILE, LangManager::DIFFICILE, LangManager::LIGNE_NIVEAUX, LangManager::RETOUR});
    retrouverSelection();
}

// The chosen item's code: cancel chooses the last item, back.
int MenuDifficulte::getCode() {
    static const int SOLO[] = {0, FACILE, DIFFICILE, NIVEAUX, RETOUR};
    static const int DUEL[] = {0, FACILE, DIFFICILE, RETOUR};
    if (code < 0 || code > nbChoix) return 0;
    return duel ? DUEL[code] : SOLO[code];
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
