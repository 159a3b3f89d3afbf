// The main menu, and the question that guards leaving the game.
#include "menus/MenuPrincipal.h"

#include <SDL/SDL_opengl.h>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"

namespace {

// The question's panel and its two answers, in screen units.
const double PANNEAU_BAS = 0.38, PANNEAU_HAUT = 0.68;
const double REPONSE_BAS = 0.42, REPONSE_HAUT = 0.53;
const double REPONSE_X[] = {0.29, 0.51};  // left edges of yes and no
const double REPONSE_L = 0.2;

void rectangle(double x0, double y0, double x1, double y1) {
    glVertex2d(x0, y1);
    glVertex2d(x1, y1);
    glVertex2d(x1, y0);
    glVertex2d(x0, y0);
}

}  // namespace

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
    if (question) {
        refreshQuestion(ecoule);
        return;
    }
    Menu::refresh(ecoule);
    if (code != QUITTER) return;
    code = 0;
    question = true;
    selection = 2;  // no: the answer that loses nothing
}

// Left and right change the answer, confirm takes it; cancel or a right
// click is no.
void MenuPrincipal::refreshQuestion(long ecoule) {
    if (repetitionPrete(ecoule) && (clavier->estGauche(1) || clavier->estDroite(1))) {
        selection = 3 - selection;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    }
    const Clic clic = suivreSouris();
    if (clavier->estOk(1) || clic == CLIC_VALIDER) {
        clavier->initJ1();
        sons->jouerSon(sons->sonBeep2);
        if (selection == 1) code = QUITTER;
        else fermerQuestion();
    } else if (clavier->estNon(1) || clic == CLIC_RETOUR) {
        clavier->initJ1();
        sons->jouerSon(sons->sonBeep2);
        fermerQuestion();
    }
}

// Back on the menu, on the item that asked.
void MenuPrincipal::fermerQuestion() {
    question = false;
    selection = QUITTER;
}

int MenuPrincipal::itemSous(double x, double y) const {
    if (!question) return Menu::itemSous(x, y);
    if (y < REPONSE_BAS || y > REPONSE_HAUT) return 0;
    for (int i = 0; i < 2; ++i)
        if (x >= REPONSE_X[i] && x < REPONSE_X[i] + REPONSE_L) return i + 1;
    return 0;
}

void MenuPrincipal::draw() {
    Menu::draw();
    ombrerItems(question ? QUITTER : 0);  // the question's answer is not a bar item
    dessinerAvis(0.9);  // in the sky, above the picture
    if (question) dessinerQuestion();
}

// Over the dimmed menu: the question, then yes and no, the chosen answer in
// a lighter box as on the bar.
void MenuPrincipal::dessinerQuestion() {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor4d(0, 0, 0, 0.5);
    rectangle(0, 0, 1, 1);
    glColor4d(0.08, 0.06, 0.16, 0.92);
    rectangle(0.2, PANNEAU_BAS, 0.8, PANNEAU_HAUT);
    glColor4d(1, 1, 1, 0.18);
    const double x = REPONSE_X[selection - 1];
    rectangle(x, REPONSE_BAS, x + REPONSE_L, REPONSE_HAUT);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    LangManager* lang = LangManager::getInstance();
    const std::string q = lang->ligne(LangManager::QUESTION_QUITTER);
    textes->draw(q.c_str(), 3, 0.5, 0.57, textes->largeurPour(q.c_str(), 0.045, 0.56, 0.5), 0.07, 0.5, 3);
    const int reponses[] = {LangManager::OUI, LangManager::NON};
    for (int i = 0; i < 2; ++i) {
        const std::string r = lang->ligne(reponses[i]);
        const double l = textes->largeurPour(r.c_str(), 0.04, 0.9 * REPONSE_L, 0.5);
        textes->draw(r.c_str(), i + 1 == selection ? 2 : 3, REPONSE_X[i] + REPONSE_L / 2, 0.445, l, 0.06, 0.5, 3);
    }
}

void MenuPrincipal::reset() {
    code = 0;
    selection = 1;
    question = false;
}
