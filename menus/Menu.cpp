// Base of every screen.
#include "menus/Menu.h"

#include <SDL/SDL_opengl.h>

#include <functional>
#include <map>

#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"

namespace {
unsigned long prochainNumero() {
    static unsigned long compte = 0;
    return ++compte;
}
}  // namespace

Menu::Menu(float x, float y, float largeur, float hauteur)
    : Objet(x, y), clavier(ClavierManager::getInstance()), sons(SonsManager::getInstance()),
      textes(TextesManager::getInstance()), options(OptionsManager::getInstance()), largeur(largeur),
      hauteur(hauteur), texture(0), selection(1), code(0), nbChoix(0), delai(DELAI_REPETITION), nom("Menu"),
      libelles(nullptr), numero(prochainNumero()) {}

namespace {
// Where the cursor stood on each screen when it was left, for this run.
std::map<std::string, int>& memoire() {
    static std::map<std::string, int> selections;
    return selections;
}

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
    ratioImage = o->getRatioImages();
    return "Images/Menus/" + o->getPathTextures() + "/" + o->getDossierRatio() + "/" + fichier;
}

void Menu::creerItems(std::initializer_list<int> lignes) {
    LangManager* lang = LangManager::getInstance();
    std::vector<std::string> textes;
    for (int ligne : lignes) textes.push_back(lang->ligne(ligne));
    creerItems(textes);
}

void Menu::creerItems(const std::vector<std::string>& textes) {
    nbChoix = static_cast<int>(textes.size());
    delete[] libelles;
    libelles = new std::string[nbChoix];
    for (int i = 0; i < nbChoix; ++i) libelles[i] = textes[static_cast<size_t>(i)];
}

float Menu::getRatioImage() const {
    if (ratioImage < 0) return 0;
    return ratioImage > 0 ? ratioImage : options->getRatioImages();
}

void Menu::remplirFenetre() { ratioImage = -1; }

bool Menu::estLarge() const { return ratioImage > 0 ? ratioImage > 1.4f : options->isWide(); }

size_t Menu::empreinte() const {
    size_t e = std::hash<std::string>()(avis);
    for (const size_t v : {static_cast<size_t>(numero), static_cast<size_t>(selection), static_cast<size_t>(code),
                           static_cast<size_t>(nbChoix), static_cast<size_t>(ligneQuestion)})
        e = e * 1000003u ^ v;
    return e;
}

void Menu::reset() {}
std::string Menu::getNom() { return nom; }
int Menu::getCode() { return code; }

// A first press acts at once; a held left or right moves once every 200 ms.
// Confirm wins over cancel in the same frame.
void Menu::refresh(long ecoule) {
    deplacerSelection(ecoule);
    const Clic clic = suivreSouris();
    if (bouton(&ClavierManager::estOk) || clic == CLIC_VALIDER) {
        oublierBoutons();
        code = selection;
        sons->jouerSon(sons->sonBeep2);
    }
    if (bouton(&ClavierManager::estNon) || clic == CLIC_RETOUR) {
        oublierBoutons();
        code = nbChoix;
        sons->jouerSon(sons->sonBeep2);
    }
}

bool Menu::bouton(bool (ClavierManager::*est)(int)) const {
    return (clavier->*est)(1) || (clavier->estDuel() && (clavier->*est)(2));
}

void Menu::oublierBoutons() {
    clavier->initJ1();
    if (clavier->estDuel()) clavier->initJ2();
}

void Menu::poserQuestion(int ligneTexte, int retour) {
    ligneQuestion = ligneTexte;
    retourQuestion = retour;
    selection = 2;  // no: the answer that loses nothing
}

Menu::Reponse Menu::refreshQuestion(long ecoule) {
    if (repetitionPrete(ecoule) && (bouton(&ClavierManager::estGauche) || bouton(&ClavierManager::estDroite))) {
        selection = 3 - selection;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    }
    const Clic clic = suivreSouris();
    Reponse reponse = SANS_REPONSE;
    if (bouton(&ClavierManager::estOk) || clic == CLIC_VALIDER)
        reponse = selection == 1 ? REPONSE_OUI : REPONSE_NON;
    else if (bouton(&ClavierManager::estNon) || bouton(&ClavierManager::estPause) || clic == CLIC_RETOUR)
        reponse = REPONSE_NON;
    if (reponse == SANS_REPONSE) return reponse;
    oublierBoutons();
    for (int j = 1; j <= 2; ++j) clavier->initPause(j);
    sons->jouerSon(sons->sonBeep2);
    ligneQuestion = 0;
    selection = retourQuestion;
    return reponse;
}

int Menu::reponseSous(double x, double y) {
    if (y < REPONSE_BAS || y > REPONSE_HAUT) return 0;
    for (int i = 0; i < 2; ++i)
        if (x >= REPONSE_X[i] && x < REPONSE_X[i] + REPONSE_L) return i + 1;
    return 0;
}

// Over the dimmed screen: the question, then yes and no, the chosen answer in
// a lighter box as on the bar.
void Menu::dessinerQuestion() {
    if (!questionPosee()) return;
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor4d(0, 0, 0, 0.5);
    rectangle(0, 0, 1, 1);
    glColor4d(0.08, 0.06, 0.16, 0.92);
    rectangle(0.2, PANNEAU_BAS, 0.8, PANNEAU_HAUT);
    glColor4d(1, 1, 1, 0.18);
    const double x = REPONSE_X[selection == 1 ? 0 : 1];
    rectangle(x, REPONSE_BAS, x + REPONSE_L, REPONSE_HAUT);
    glEnd();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    LangManager* lang = LangManager::getInstance();
    const std::string q = lang->ligne(ligneQuestion);
    textes->draw(q.c_str(), 3, 0.5, 0.57, textes->largeurPour(q.c_str(), 0.045, 0.56, 0.5), 0.07, 0.5, 3);
    const int reponses[] = {LangManager::OUI, LangManager::NON};
    for (int i = 0; i < 2; ++i) {
        const std::string r = lang->ligne(reponses[i]);
        const double l = textes->largeurPour(r.c_str(), 0.04, 0.9 * REPONSE_L, 0.5);
        textes->draw(r.c_str(), i + 1 == selection ? 2 : 3, REPONSE_X[i] + REPONSE_L / 2, 0.445, l, 0.06, 0.5, 3);
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
    const bool large = estLarge();
    if (y < (large ? 0.14 : 0.2) || y > (large ? 0.29 : 0.32)) return 0;
    return static_cast<int>(x * nbChoix) + 1;
}

bool Menu::choisirSous(double x, double y) {
    const int i = questionPosee() ? reponseSous(x, y) : itemSous(x, y);
    if (i <= 0) return false;
    if (i != selection) {
        selection = i;
        sons->jouerSon(sons->sonBeep);
    }
    return true;
}

// Both players' buttons count in a duel: the timer of player 1's keys alone
// would make player 2's taps wait a frame they may not be held for.
bool Menu::repetitionPrete(long ecoule) {
    if (delai >= DELAI_REPETITION || bouton(&ClavierManager::estNouvelAppui)) return true;
    delai += ecoule;
    if (!bouton(&ClavierManager::estHaut) && !bouton(&ClavierManager::estBas) &&
        !bouton(&ClavierManager::estGauche) && !bouton(&ClavierManager::estDroite))
        delai = DELAI_REPETITION;
    return false;
}

void Menu::deplacerSelection(long ecoule) {
    if (!repetitionPrete(ecoule)) return;
    if (bouton(&ClavierManager::estGauche)) {
        if (--selection <= 0) selection = nbChoix;
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    } else if (bouton(&ClavierManager::estDroite)) {
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
    const bool large = estLarge();
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
    const bool large = estLarge();
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
