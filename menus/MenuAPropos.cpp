// The about screen.
#include "menus/MenuAPropos.h"

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/LangManager.h"

namespace {
const double LIGNES_Y[] = {0.80, 0.73, 0.69, 0.62, 0.58, 0.52, 0.48, 0.44, 0.40};
}

MenuAPropos::MenuAPropos() : Menu(0, 0, 1, 1) {
    nom = "MenuAPropos";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuAPropos.tga"), false);
    delai = 0;
    creerItems({11});
}

void MenuAPropos::draw() {
    Menu::draw();
    LangManager* lang = LangManager::getInstance();
    for (int i = 0; i < 9; ++i) textes->draw(lang->ligne(38 + i).c_str(), 1, 0.045, LIGNES_Y[i], 0.035, 0.05, 0.5, 1);
}
