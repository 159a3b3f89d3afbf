// Base of every screen.
#include "menus/Menu.h"

#include <SDL/SDL_opengl.h>

#include <map>

#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"

Menu::Menu(float x, float y, float largeur, float hauteur)
    : Objet(x, y), clavier(ClavierManager::getInstance()), sons(SonsManager::getInstance()),
      textes(TextesManager::getInstance()), options(OptionsManager::getInstance()), largeur(largeur),
      hauteur(hauteur), texture(0), selection(1), code(0), nbChoix(0), delai(DELAI_REPETITION), nom("Menu"),
      libelles(nullptr) {}

namespace {
// Where the cursor stood on each screen when it was left, for this run.
std::map<std::string, int>& memoire() {
    static std::map<std::string, int> selections;
    return selections;
}
}  // namespace

Menu::~Menu() {
    if (garderSelection) memoire()[cleMemoire()] = selection;
    delete[] libelles;
}

// A screen by name and number of items: the difficulty menu has a level list
// item in solo play only.
std::string Menu::cleMemoire() const { return nom + "/" + std::to_string(nbChoix); }

void Menu::oublierSelections() { memoire().clear(); }

void Menu::retrouverSelection() {
    garderSelection = true;
    const auto trouvee = memoire().find(cleMemoire());
    if (trouvee != memoire().end() && trouvee->second >= 1 && trouvee->second <= nbChoix) selection = trouvee->second;
}

std::string Menu::cheminFond(const std::string& fichier) {
    OptionsManager* o = OptionsManager::getInstance();
    return "Images/Menus/" + o->getPathTextures() + "/" + o->getDossierRatio() + "/" + fichier;
}

void Menu::creerItems(std::initializer_list<int> lignes) {
    LangManager* lang = LangManager::getInstance();
    nbChoix = static_cast<int>(lignes.size());
    delete[] libelles;
    libelles = new std::string[nbChoix];
    int i = 0;
    for (int ligne : lignes) libelles[i++] = lang->ligne(ligne);
}

void Menu::reset() {}
std::string Menu::getNom() { return nom; }
int Menu::getCode() { return code; }

// A first press acts at once; a held left or right moves once every 200 ms.
// Confirm wins over cancel in the same frame.
void Menu::refresh(long ecoule) {
    deplacerSelection(ecoule);
    const Clic clic = suivreSouris();
    if (clavier->estOk(1) || clic == CLIC_VALIDER) {
        clavier->initJ1();
        code = selection;
        sons->jouerSon(sons->sonBeep2);
    }
    if (clavier->estNon(1) || clic == CLIC_RETOUR) {
        clavier->initJ1();
        code = nbChoix;
        sons->jouerSon(sons->sonBeep2);
    }
}

Menu::Clic Menu::suivreSouris() {
    pointeur = Souris::getInstance()->lire();
    if (pointeur.bouge) choisirSous(pointeur.x, pointeur.y);
    if (pointeur.droit) return CLIC_RETOUR;
    if (pointeur.gauche && choisirSous(pointeur.xClic, pointeur.yClic)) return CLIC_VALIDER;
    return AUCUN_CLIC;
}

int Menu::itemSous(double x, double y) const {
    if (!libelles || nbChoix <= 0 || x < 0 || x >= 1) return 0;
    const bool large = options->isWide();
    if (y < (large ? 0.14 : 0.2) || y > (large ? 0.29 : 0.32)) return 0;
    return static_cast<int>(x * nbChoix) + 1;
}

bool Menu::choisirSous(double x, double y) {
    const int i = itemSous(x, y);
    if (i <= 0) return false;
    if (i != selection) {
        selection = i;
        sons->jouerSon(sons->sonBeep);
    }
    return true;
}

bool Menu::repetitionPrete(long ecoule) {
    if (delai >= DELAI_REPETITION || clavier->estNouvelAppui(1)) return true;
    delai += ecoule;
    if (!clavier->estHaut(1) && !clavier->estBas(1) && !clavier->estGauche(1) && !clavier->estDroite(1))
        delai = DELAI_REPETITION;
    return false;
}

void Menu::deplacerSelection(long ecoule) {
    if (!repetitionPrete(ecoule)) return;
    if (clavier->estGauche(1)) {
        if (--selection <= 0) selection = nbChoix;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    } else if (clavier->estDroite(1)) {
        if (++selection > nbChoix) selection = 1;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    }
}

void Menu::dessinerFond() {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1); glVertex2f(x, y + hauteur);
    glTexCoord2f(1, 1); glVertex2f(x + largeur, y + hauteur);
    glTexCoord2f(1, 0); glVertex2f(x + largeur, y);
    glTexCoord2f(0, 0); glVertex2f(x, y);
    glEnd();
}

void Menu::draw() {
    dessinerFond();
    if (!libelles) return;
    const bool large = options->isWide();
    const double yBarre = large ? 0.182 : 0.227, lBarre = large ? 0.05 : 0.04;
    for (int i = 0; i < nbChoix; ++i)
        textes->draw(libelles[i].c_str(), 3, (i + 0.5) / nbChoix, yBarre, lBarre, 0.07, 0.5, 3);
}

void Menu::dessinerAvis(double y) {
    if (avis.empty()) return;
    textes->draw(avis.c_str(), 2, 0.5, y, 0.04, 0.05, 0.5, 3);
    glColor3f(1, 1, 1);
}

void Menu::ombrerItems(int choisi) {
    const bool large = options->isWide();
    const double b = large ? 0.14 : 0.2, t = large ? 0.29 : 0.32;
    const double s = choisi > 0 ? choisi : selection, n = nbChoix;
    glDisable(GL_TEXTURE_2D);
    glColor4d(0, 0, 0, 0.3);
    glBegin(GL_QUADS);
    glVertex2d(0, t); glVertex2d((s - 1) / n, t); glVertex2d((s - 1) / n, b); glVertex2d(0, b);
    glVertex2d(s / n, t); glVertex2d(1, t); glVertex2d(1, b); glVertex2d(s / n, b);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}
