// The main menu, and the question that guards leaving the game.
#include "menus/MenuPrincipal.h"

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"

MenuPrincipal::MenuPrincipal() : Menu(0, 0, 1, 1) {
    nom = "MenuPrincipal";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menu.tga"), false);
    delai = 0;
    creerItems({LangManager::JOUER, LangManager::DUEL, LangManager::SCORES, LangManager::OPTIONS,
                LangManager::A_PROPOS, LangManager::EDITEUR, LangManager::QUITTER});
    retrouverSelection();
}

// Quit, or cancel, asks first: a stray Escape never ends the game.
void MenuPrincipal::refresh(long ecoule) {
    if (questionPosee()) {
        if (refreshQuestion(ecoule) == REPONSE_OUI) code = QUITTER;
        return;
    }
    Menu::refresh(ecoule);
    if (code != QUITTER) return;
    code = 0;
    poserQuestion(LangManager::QUESTION_QUITTER, QUITTER);
}

void MenuPrincipal::draw() {
    Menu::draw();
    ombrerItems(questionPosee() ? QUITTER : 0);  // the question's answer is not a bar item
    dessinerAvis(0.9);  // in the sky, above the picture
    dessinerQuestion();
}

void MenuPrincipal::reset() {
    code = 0;
    selection = 1;
    fermerQuestion();
}
