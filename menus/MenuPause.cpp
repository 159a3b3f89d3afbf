// The pause screen.
#include "menus/MenuPause.h"

#include <SDL/SDL_opengl.h>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"

MenuPause::MenuPause(bool recommencer, bool demander)
    : Menu(0, 0, 1, 1), recommencer(recommencer), demander(demander) {
    nom = "MenuPause";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuPause.tga"), false);
    delai = 0;
    if (recommencer)
        creerItems({LangManager::REPRENDRE, LangManager::LIGNE_RECOMMENCER, LangManager::QUITTER_MATCH});
    else
        creerItems({LangManager::REPRENDRE, LangManager::QUITTER_MATCH});
}

int MenuPause::getCode() {
    static const int AVEC[] = {0, REPRENDRE, RECOMMENCER, QUITTER};
    static const int SANS[] = {0, REPRENDRE, QUITTER};
    if (code < 0 || code > nbChoix) return 0;
    return recommencer ? AVEC[code] : SANS[code];
}

// Any direction toggles between the two items; in a duel either player
// drives the pause (Menu::bouton). Cancel or a pad's start (resume) wins when
// both are seen. Leaving the match may ask first, the cursor on No.
void MenuPause::refresh(long ecoule) {
    if (questionPosee()) {
        if (refreshQuestion(ecoule) == REPONSE_OUI) code = nbChoix;
        return;
    }
    const bool haut = bouton(&ClavierManager::estHaut), bas = bouton(&ClavierManager::estBas),
               gauche = bouton(&ClavierManager::estGauche), droite = bouton(&ClavierManager::estDroite);
    if (repetitionPrete(ecoule) && (haut || bas || gauche || droite)) {
        const bool precedent = haut || (!bas && gauche);
        selection += precedent ? -1 : 1;
        if (selection < 1) selection = nbChoix;
        if (selection > nbChoix) selection = 1;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    }
    // Only the button acted on is forgotten: a direction held on into play still steers.
    auto oublier = [this](void (ClavierManager::*init)(int)) {
        for (int j = 1; j <= 2; ++j) (clavier->*init)(j);
    };
    const Clic clic = suivreSouris();
    if (bouton(&ClavierManager::estOk) || clic == CLIC_VALIDER) {
        oublier(&ClavierManager::initOk);
        code = selection;
        sons->jouerSon(sons->sonBeep2);
        if (code == nbChoix && demander) {
            code = 0;
            poserQuestion(LangManager::QUESTION_QUITTER_MATCH, nbChoix);
        }
    }
    if (bouton(&ClavierManager::estNon) || bouton(&ClavierManager::estPause) || clic == CLIC_RETOUR) {
        oublier(&ClavierManager::initNon);
        oublier(&ClavierManager::initPause);
        code = 1;
        sons->jouerSon(sons->sonBeep2);
    }
}

// The two boxes' span the items share (draw() shades all but the chosen one).
void MenuPause::boites(double& gauche, double& largeur, double& bas, double& haut) const {
    const bool large = estLarge();
    gauche = large ? 0.265 : 0.205;
    largeur = large ? 0.235 : 0.295;
    bas = large ? 0.34 : 0.33;
    haut = large ? 0.49 : 0.485;
}

int MenuPause::itemSous(double x, double y) const {
    double L, W, B, T;
    boites(L, W, B, T);
    const double colonne = 2 * W / nbChoix;
    if (nbChoix <= 0 || y < B || y > T || x < L || x >= L + 2 * W) return 0;
    return static_cast<int>((x - L) / colonne) + 1;
}

// The items share the box's width. As on the main menu's bar, the selected
// item stands in a lighter box and every other one is shaded.
void MenuPause::draw() {
    dessinerFond();
    const bool large = estLarge();
    double L, W, B, T;
    boites(L, W, B, T);
    const double colonne = 2 * W / nbChoix;
    glDisable(GL_TEXTURE_2D);
    glColor4d(1, 1, 1, 0.18);
    glBegin(GL_QUADS);
    glVertex2d(L + (selection - 1) * colonne, T);
    glVertex2d(L + selection * colonne, T);
    glVertex2d(L + selection * colonne, B);
    glVertex2d(L + (selection - 1) * colonne, B);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    // A label too long for its box (French at 16:10) is drawn narrower.
    for (int i = 0; i < nbChoix; ++i) {
        const double largeur = textes->largeurPour(libelles[i].c_str(), large ? 0.05 : 0.04, 0.85 * colonne, 0.5);
        textes->draw(libelles[i].c_str(), 3, L + (i + 0.5) * colonne, large ? 0.375 : 0.37, largeur, 0.07, 0.5, 3);
    }
    glDisable(GL_TEXTURE_2D);
    glColor4d(0, 0, 0, 0.3);
    glBegin(GL_QUADS);
    for (int i = 0; i < nbChoix; ++i) {
        if (i == selection - 1) continue;
        glVertex2d(L + i * colonne, T);
        glVertex2d(L + (i + 1) * colonne, T);
        glVertex2d(L + (i + 1) * colonne, B);
        glVertex2d(L + i * colonne, B);
    }
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    dessinerQuestion();
}

void MenuPause::reset() {
    code = 0;
    selection = 1;
    fermerQuestion();
}
