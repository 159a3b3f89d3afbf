// The record screen.
#include "menus/MenuRecord.h"

#include <SDL/SDL_opengl.h>

#include <cstdlib>

#include "menus/ChoixLettre.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/LegendeTouches.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/NiveauManager.h"

MenuRecord::MenuRecord(std::string tempsJ1, std::string tempsJ2)
    : Menu(0, 0, 1, 1), tempsJoueurs{tempsJ1, tempsJ2}, nomsSaisis{"AAA", ""}, rangs{-1, -1}, curseur(0) {
    nom = "MenuRecord";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuZQ.tga"), false);
    delai = 0;
    creerItems({LangManager::SAISIR});
    charger();
    comparer();
}

int MenuRecord::difficulte() const { return NiveauManager::getInstance()->getNumDifficulte(); }

void MenuRecord::charger() { TableScores::lire(difficulte(), noms, temps); }

// Rank = 1 + the index of the first entry strictly slower; 0 when none is.
void MenuRecord::comparer(int joueur) {
    const double v = std::atof(tempsJoueurs[joueur].c_str());
    for (int n = TableScores::TAILLE - 1; n >= 0; --n)
        if (std::atof(temps[n].c_str()) > v) rangs[joueur] = n + 1;
    if (rangs[joueur] == -1) rangs[joueur] = 0;
}

void MenuRecord::comparer() {
    comparer(0);
    if (std::atof(tempsJoueurs[1].c_str()) != 0) comparer(1);
}

void MenuRecord::fermerSaisie() {
    curseur = -1;
    libelles[0] = LangManager::getInstance()->ligne(LangManager::CONTINUER);
}

// The letters of the name, drawn from X_NOM at Y_NOM.
namespace {
const double X_NOM = 0.385, PAS_LETTRE = 0.025, Y_NOM = 0.435, H_NOM = 0.06;
}

int MenuRecord::lettreSous(double x, double y) const {
    if (y < Y_NOM - 0.01 || y > Y_NOM + H_NOM || x < X_NOM) return -1;
    const int i = static_cast<int>((x - X_NOM) / PAS_LETTRE);
    return i <= 2 ? i : -1;
}

// While the name is entered, a click on a letter puts the cursor there, the
// wheel over it changes it, and a click on the item keeps the name as it is;
// once it is kept, any click goes on. True when the mouse acted.
bool MenuRecord::suivreSourisRecord() {
    const Clic clic = suivreSouris();
    if (curseur < 0) {
        if (clic == AUCUN_CLIC) return false;
        code = selection;
        sons->jouerSon(sons->sonBeep2);
        return true;
    }
    if (clic == CLIC_VALIDER) {
        enregistrer();
        fermerSaisie();
        sons->jouerSon(sons->sonBeep2);
        return true;
    }
    if (pointeur.gauche && lettreSous(pointeur.xClic, pointeur.yClic) >= 0) {
        curseur = lettreSous(pointeur.xClic, pointeur.yClic);
        sons->jouerSon(sons->sonBeep);
        return true;
    }
    const int sous = lettreSous(pointeur.x, pointeur.y);
    if (pointeur.molette != 0 && sous >= 0) {
        curseur = sous;
        changerLettre(pointeur.molette > 0 ? -1 : 1);
        return true;
    }
    return false;
}

void MenuRecord::changerLettre(int pas) {
    char& lettre = nomsSaisis[0][static_cast<size_t>(curseur)];
    lettre = ChoixLettre::majuscules().suivante(lettre, pas);
    sons->jouerSon(sons->sonBeep);
}

void MenuRecord::refresh(long ecoule) {
    if (rangs[0] == 0) fermerSaisie();
    if (suivreSourisRecord()) return;
    if (!repetitionPrete(ecoule)) return;
    const bool haut = clavier->estHaut(1), bas = clavier->estBas(1), gauche = clavier->estGauche(1),
               droite = clavier->estDroite(1);
    if (curseur < 0) {
        if (clavier->estOk(1) || clavier->estNon(1)) {
            clavier->initJ1();
            code = selection;
            sons->jouerSon(sons->sonBeep2);
        }
        return;
    }
    if (gauche || droite) {
        curseur = gauche ? std::max(0, curseur - 1) : std::min(2, curseur + 1);
        delai = 0;
        sons->jouerSon(sons->sonBeep);
    }
    if (haut || bas) {
        changerLettre(haut ? -1 : 1);
        delai = 0;
    }
    if (clavier->estOk(1)) {
        clavier->initJ1();
        if (curseur <= 1) {
            ++curseur;
            delai = 0;
            sons->jouerSon(sons->sonBeep);
        } else {
            enregistrer();
            fermerSaisie();
            sons->jouerSon(sons->sonBeep2);
        }
    }
}

// The new entry takes its rank; the entries from there move down one row and
// the old tenth is dropped.
void MenuRecord::enregistrer() {
    std::string n[TableScores::TAILLE], t[TableScores::TAILLE];
    for (int i = 0, j = 0; i < TableScores::TAILLE; ++i) {
        if (i == rangs[0] - 1) {
            n[i] = nomsSaisis[0];
            t[i] = tempsJoueurs[0];
        } else if (i == rangs[1] - 1) {
            n[i] = nomsSaisis[1];
            t[i] = tempsJoueurs[1];
        } else {
            n[i] = noms[j];
            t[i] = temps[j++];
        }
    }
    if (!TableScores::ecrire(difficulte(), n, t))
        setAvis(LangManager::getInstance()->ligne(LangManager::LIGNE_SAUVEGARDE_RATEE));
}

std::string MenuRecord::texteRang() const {
    LangManager* lang = LangManager::getInstance();
    if (rangs[0] == 0) return lang->ligne(LangManager::NON_CLASSE);
    static const int SUFFIXES[] = {LangManager::SUFFIXE_1, LangManager::SUFFIXE_2, LangManager::SUFFIXE_3};
    return std::to_string(rangs[0]) + lang->ligne(rangs[0] <= 3 ? SUFFIXES[rangs[0] - 1] : LangManager::SUFFIXE_N);
}

void MenuRecord::draw() {
    LangManager* lang = LangManager::getInstance();
    const std::string rang = texteRang();
    Menu::draw();
    struct Ligne {
        double x, y;
        std::string texte;
    } lignes[] = {
        {0.085, 0.76, lang->ligne(LangManager::TERMINE_EN)},
        {0.385, 0.76, CatalogueSeries::nomDe(difficulte())},
        {0.5, 0.76, lang->ligne(LangManager::APRES_DIFFICULTE)},
        {0.085, 0.66, lang->ligne(LangManager::JOUEUR_1)},
        {0.385, 0.66, lang->ligne(rangs[0] != 0 ? LangManager::NOUVEAU_RECORD : LangManager::PAS_DE_RECORD)},
        {0.085, 0.585, lang->ligne(LangManager::RANG)},
        {0.385, 0.585, rang},
        {0.085, 0.51, lang->ligne(LangManager::TEMPS_RECORD)},
        {0.385, 0.51, tempsJoueurs[0] + "s"},
    };
    for (const Ligne& l : lignes) textes->draw(l.texte.c_str(), 1, l.x, l.y, 0.06, 0.06, 0.5, 1);
    if (rangs[0] != 0) {
        textes->draw(lang->ligne(LangManager::NOM).c_str(), 1, 0.085, 0.435, 0.06, 0.06, 0.5, 1);
        for (int i = 0; i < 3; ++i) {
            const std::string lettre(1, nomsSaisis[0][static_cast<size_t>(i)]);
            textes->draw(lettre.c_str(), i == curseur ? 2 : 1, X_NOM + PAS_LETTRE * i, Y_NOM, H_NOM, H_NOM, 0.5, 1);
        }
    }
    // While the name is entered, how to enter it, with the player's own keys.
    if (curseur >= 0) {
        const std::string aide = LegendeTouches::saisie();
        const double y = estLarge() ? 0.33 : 0.345;  // between the panel and the bar
        textes->draw(aide.c_str(), 1, 0.5, y, textes->largeurPour(aide.c_str(), 0.045, 0.9, 0.5), 0.045, 0.5, 3);
    }
    glColor3f(1, 1, 1);
    dessinerAvis(0.84);  // at the top of the panel, above the rows
}

void MenuRecord::reset() {
    code = 0;
    selection = 1;
}
