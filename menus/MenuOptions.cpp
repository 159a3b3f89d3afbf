// The options screen.
#include "menus/MenuOptions.h"

#include <SDL/SDL.h>

#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/Langues.h"
#include "settings/NomsTouches.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"

namespace {

// The left edge of the pages' texts, inside the panel (which starts at 0.06).
const double X_TEXTE = 0.07;
const int PAGE_RETOUR = 5;
const long AVIS_TOUCHE_MS = 2000;
// Rows of each page (game, video, audio, keys), for wrapping.
const int LIGNES_PAGE[] = {0, 8, 5, 2, 8};
// The key binding each row of the keys page edits, and its label's language line.
const int TOUCHE_LIGNE[] = {0, 1, 2, 3, 6, 7, 8, 9};
const int LIBELLE_LIGNE[] = {LangManager::LIBELLE_HAUT, LangManager::LIBELLE_BAS, LangManager::LIBELLE_GAUCHE,
                             LangManager::LIBELLE_DROITE, LangManager::LIBELLE_HAUT, LangManager::LIBELLE_BAS,
                             LangManager::LIBELLE_GAUCHE, LangManager::LIBELLE_DROITE};

const std::string& texte(int n) { return LangManager::getInstance()->ligne(n); }

// 0 reads as off.
std::string volume(int v) { return v > 0 ? std::to_string(v) : texte(LangManager::DESACTIVE); }

std::string nomDans(int valeur, std::initializer_list<std::pair<int, int>> noms) {
    for (const auto& [v, ligne] : noms)
        if (v == valeur) return texte(ligne);
    return "?";
}

}  // namespace

MenuOptions::MenuOptions() : Menu(0, 0, 1, 1), dansPage(0), ligne(0), attenteTouche(false), echecSignale(false) {
    nom = "MenuOptions";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuOptions.tga"), false);
    delai = 0;
    creerBarre();
    retrouverSelection();
}

void MenuOptions::creerBarre() {
    creerItems({LangManager::PAGE_JEU, LangManager::PAGE_VIDEO, LangManager::PAGE_AUDIO,
                LangManager::PAGE_TOUCHES, LangManager::RETOUR});
}

// The chosen language's texts at once, the bar's and the key names too.
void MenuOptions::changerLangue(int sens) {
    options->moveLang(sens);
    options->appliquerLangue();
    LangManager::getInstance()->charger();
    creerBarre();
    if (echecSignale) setAvis(texte(LangManager::LIGNE_SAUVEGARDE_RATEE));
}

void MenuOptions::reset() {
    code = 0;
    selection = 1;
}

bool MenuOptions::sauver() {
    const bool reglages = options->sauverOptions();
    const bool touches = clavier->sauver();
    echecSignale = !(reglages && touches);
    setAvis(echecSignale ? texte(LangManager::LIGNE_SAUVEGARDE_RATEE) : "");
    return !echecSignale;
}

void MenuOptions::partir() {
    // Told already (the flag, not the text: a language file may lack the line).
    const bool dejaAverti = echecSignale;
    if (sauver() || dejaAverti) code = PAGE_RETOUR;
}

void MenuOptions::refresh(long ecoule) {
    // The refused key's notice gives way to what was there before it.
    if (avisToucheMs > 0 && (avisToucheMs -= ecoule) <= 0)
        setAvis(echecSignale ? texte(LangManager::LIGNE_SAUVEGARDE_RATEE) : "");
    if (dansPage == 0)
        refreshBarre(ecoule);
    else
        refreshPage(ecoule);
}

// The height of row rang of the page shown (its text's baseline).
double MenuOptions::yLigne(int rang) const {
    if (selection == 4) return (rang <= 4 ? 0.75 : 0.51) - 0.04 * ((rang - 1) % 4);
    return 0.80 - 0.05 * (rang - 1);
}

int MenuOptions::ligneSous(double x, double y) const {
    const int lignes = LIGNES_PAGE[selection < 1 || selection > 4 ? 0 : selection];
    if (x < 0.06 || x > 0.94) return 0;
    const double hauteur = selection == 4 ? 0.04 : 0.05;
    for (int r = 1; r <= lignes; ++r)
        if (y >= yLigne(r) - 0.01 && y < yLigne(r) - 0.01 + hauteur) return r;
    return 0;
}

// Into the selected page (saving both files, as every confirm on the bar),
// or out of the screen from "Back".
void MenuOptions::validerBarre(int rang) {
    if (selection == PAGE_RETOUR) {
        partir();
    } else {
        dansPage = 1;
        ligne = rang;
        sauver();
    }
    sons->jouerSon(sons->sonBeep2);
}

// Every confirm or cancel on the bar saves both files. A click on a row of
// the page shown goes into the page at that row.
void MenuOptions::refreshBarre(long ecoule) {
    deplacerSelection(ecoule);
    const Clic clic = suivreSouris();
    if (clavier->estOk(1) || clic == CLIC_VALIDER) {
        clavier->initJ1();
        validerBarre(1);
    } else if (pointeur.gauche && ligneSous(pointeur.xClic, pointeur.yClic) > 0) {
        validerBarre(ligneSous(pointeur.xClic, pointeur.yClic));
    }
    if (clavier->estNon(1) || clic == CLIC_RETOUR) {
        clavier->initJ1();
        partir();
        sons->jouerSon(sons->sonBeep2);
    }
}

void MenuOptions::refreshPage(long ecoule) {
    int sens = 0;
    if (repetitionPrete(ecoule)) {
        if (attenteTouche)
            prendreTouche();
        else
            sens = parcourirPage();
    }
    if (sens == 0) sens = sourisPage();
    if (dansPage == 0) return;  // a click on the bar left the page
    modifier(sens);
    if (clavier->estNon(1) || pointeur.droit) {
        clavier->initJ1();
        if (attenteTouche) {
            attenteTouche = false;
        } else {
            ligne = 0;
            dansPage = 0;
        }
        sons->jouerSon(sons->sonBeep2);
    }
}

// In a page, the pointer moved over a row chooses it; a left click on a row,
// or the wheel over it, gives it a step (forward, or the wheel's way); a
// click on the bar goes there as a confirm would. While a key is awaited,
// only the right click (cancel) counts. Returns the step.
int MenuOptions::sourisPage() {
    pointeur = Souris::getInstance()->lire();
    if (attenteTouche) return 0;
    const int sous = ligneSous(pointeur.x, pointeur.y);
    if (pointeur.bouge && sous > 0 && sous != ligne) {
        ligne = sous;
        sons->jouerSon(sons->sonBeep);
    }
    if (pointeur.gauche) {
        const int rang = ligneSous(pointeur.xClic, pointeur.yClic), item = itemSous(pointeur.xClic, pointeur.yClic);
        if (rang > 0) {
            ligne = rang;
            sons->jouerSon(sons->sonBeep);
            return 1;
        }
        if (item > 0) {
            dansPage = 0;
            ligne = 0;
            selection = item;
            validerBarre(1);
            return 0;
        }
    }
    if (pointeur.molette != 0 && sous > 0) {
        ligne = sous;
        sons->jouerSon(sons->sonBeep);
        return pointeur.molette > 0 ? 1 : -1;
    }
    return 0;
}

// Up and down move between rows (and repeat while held); left, right and
// confirm give the row a step, once per press. Returns that step's direction.
int MenuOptions::parcourirPage() {
    int sens = 0;
    if (clavier->estHaut(1)) {
        --ligne;
    } else if (clavier->estBas(1)) {
        ++ligne;
    } else if (clavier->estGauche(1)) {
        clavier->initJ1();
        sens = -1;
    } else if (clavier->estDroite(1) || clavier->estOk(1)) {
        clavier->initJ1();
        sens = 1;
    } else {
        return 0;
    }
    delai = 0;
    sons->jouerSon(sons->sonBeep);
    return sens;
}

// The keys page waits for a key: a free one is bound to the row, a taken one refused.
void MenuOptions::prendreTouche() {
    const int k = clavier->getDerniereTouche();
    if (k == 0) return;
    const int bouton = TOUCHE_LIGNE[ligne - 1];
    if (k == clavier->getToucheTemp(bouton) || clavier->toucheDisponnible(k)) {
        clavier->setToucheTemp(bouton, k);
        sons->jouerSon(sons->sonBeep2);
    } else {
        // Said for a moment, not only beeped: the player sees why.
        sons->jouerSon(sons->sonBeep3);
        setAvis(texte(LangManager::TOUCHE_PRISE));
        avisToucheMs = AVIS_TOUCHE_MS;
    }
    clavier->initJ1();
    clavier->initJ2();
    attenteTouche = false;
}

// The player hears the volumes while choosing them: the music plays at its
// new volume, and an effect sounds at the effects' one.
void MenuOptions::essayerVolumes() {
    sons->appliquerVolumes(options->getVolumeMusiqueTemp(), options->getVolumeEffetsTemp());
    sons->jouerSon(sons->sonBeep);
}

void MenuOptions::modifier(int sens) {
    if (sens != 0) {
        switch (selection * 10 + ligne) {
            case 11: changerLangue(sens); break;
            case 12: options->moveColor(0, sens); break;
            case 13: options->moveColor(1, sens); break;
            case 14: options->moveCamera(sens); break;
            case 15: options->moveRepere(); break;
            case 16: options->moveFantome(); break;
            case 17: options->moveVitesseJeu(sens); break;
            case 18: options->moveFreinDerive(); break;
            case 21: options->moveResolution(sens); break;
            case 22: options->moveFullScreen(); break;
            case 23: options->moveAntiAliasing(sens); break;
            case 24: options->moveClipping(sens); break;
            case 25: options->moveTextures(sens); break;
            case 31: options->moveVolumeMusique(sens); essayerVolumes(); break;
            case 32: options->moveVolumeEffets(sens); essayerVolumes(); break;
            default:
                if (selection == 4) attenteTouche = true;
                break;
        }
    }
    const int lignes = LIGNES_PAGE[selection < 1 || selection > 4 ? 0 : selection];
    if (lignes > 0) {
        if (ligne <= 0) ligne = lignes;
        if (ligne > lignes) ligne = 1;
    }
}

void MenuOptions::ecrireLigne(int rang, double y, const std::string& t) {
    textes->draw(t.c_str(), rang == ligne ? 2 : 1, X_TEXTE, y, 0.05, 0.05, 0.5, 1);
}

void MenuOptions::drawOptionsJeu() {
    auto couleur = [](int c) { return c >= 0 && c <= 4 ? LangManager::getInstance()->couleurs[c] : std::string("?"); };
    ecrireLigne(1, 0.80, texte(LangManager::LANGUE) + Langues::affiche(options->getLangTemp()));
    ecrireLigne(2, 0.75, texte(LangManager::COULEUR_J1) + couleur(options->getColorTemp(0)));
    ecrireLigne(3, 0.70, texte(LangManager::COULEUR_J2) + couleur(options->getColorTemp(1)));
    ecrireLigne(4, 0.65, texte(LangManager::CAMERA) +
                             nomDans(options->getCameraTemp(), {{0, LangManager::CAMERA_PROCHE},
                                                                {1, LangManager::CAMERA_NORMALE},
                                                                {2, LangManager::CAMERA_HAUTE}}));
    ecrireLigne(5, 0.60, texte(LangManager::REPERE) +
                             texte(options->isRepereTempOn() ? LangManager::ACTIVE : LangManager::DESACTIVE));
    ecrireLigne(6, 0.55, texte(LangManager::FANTOME) +
                             texte(options->isFantomeTempOn() ? LangManager::ACTIVE : LangManager::DESACTIVE));
    ecrireLigne(7, 0.50, texte(LangManager::VITESSE_JEU) + std::to_string(options->getVitesseJeuTemp()));  // percent: the fonts have no "%"
    ecrireLigne(8, 0.45, texte(LangManager::FREIN_DERIVE) +
                             texte(options->isFreinDeriveTempOn() ? LangManager::ACTIVE : LangManager::DESACTIVE));
}

void MenuOptions::drawOptionsVideo() {
    ecrireLigne(1, 0.80, texte(LangManager::RESOLUTION) + std::to_string(options->getLargeurTemp()) + " x " +
                             std::to_string(options->getHauteurTemp()));
    ecrireLigne(2, 0.75, texte(LangManager::PLEIN_ECRAN) +
                             texte(options->isFullScreenTemp() ? LangManager::ACTIVE : LangManager::DESACTIVE));
    ecrireLigne(3, 0.70, texte(LangManager::ANTI_CRENELAGE) + std::to_string(options->getAntiAliasingTemp()) + " x");
    ecrireLigne(4, 0.65, texte(LangManager::DISTANCE_VUE) +
                             nomDans(options->getClippingTemp(), {{10, LangManager::DISTANCE_COURTE},
                                                                  {20, LangManager::DISTANCE_MOYENNE},
                                                                  {40, LangManager::DISTANCE_LOIN},
                                                                  {100, LangManager::DISTANCE_TRES_LOIN}}));
    ecrireLigne(5, 0.60, texte(LangManager::TEXTURES) +
                             nomDans(options->getTexturesTemp(),
                                     {{0, LangManager::TEXTURES_BASSES}, {1, LangManager::TEXTURES_HAUTES}}));
    static const int AVIS[] = {LangManager::AVIS_VIDEO_1, LangManager::AVIS_VIDEO_2, LangManager::AVIS_VIDEO_3};
    for (int i = 0; i < 3; ++i)
        textes->draw(texte(AVIS[i]).c_str(), 1, X_TEXTE, 0.50 - 0.05 * i, 0.05, 0.05, 0.5, 1);
}

void MenuOptions::drawOptionsAudio() {
    ecrireLigne(1, 0.80, texte(LangManager::MUSIQUE) + volume(options->getVolumeMusiqueTemp()));
    ecrireLigne(2, 0.75, texte(LangManager::EFFETS) + volume(options->getVolumeEffetsTemp()));
}

void MenuOptions::drawOptionsClavier() {
    textes->draw(texte(LangManager::JOUEUR_1).c_str(), 1, X_TEXTE, 0.80, 0.05, 0.05, 0.5, 1);
    textes->draw(texte(LangManager::JOUEUR_2).c_str(), 1, X_TEXTE, 0.56, 0.05, 0.05, 0.5, 1);
    for (int i = 0; i < 8; ++i) {
        const int rang = i + 1, police = rang == ligne ? 2 : 1;
        const double y = (i < 4 ? 0.75 : 0.51) - 0.04 * (i % 4);
        const std::string touche = rang == ligne && attenteTouche
                                       ? texte(LangManager::APPUYER_TOUCHE)
                                       : NomsTouches::nom(clavier->getToucheTemp(TOUCHE_LIGNE[i]));
        textes->draw(texte(LIBELLE_LIGNE[i]).c_str(), police, 0.085, y, 0.05, 0.05, 0.5, 1);
        textes->draw(":", police, 0.232, y, 0.05, 0.05, 0.5, 1);
        textes->draw(touche.c_str(), police, 0.3, y, 0.05, 0.05, 0.5, 1);
    }
}

void MenuOptions::draw() {
    Menu::draw();
    switch (selection) {
        case 1: drawOptionsJeu(); break;
        case 2: drawOptionsVideo(); break;
        case 3: drawOptionsAudio(); break;
        case 4: drawOptionsClavier(); break;
        default: break;
    }
    ombrerItems();
    dessinerAvis(0.87);  // at the top of the panel, above the rows
}
