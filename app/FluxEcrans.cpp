// The screen flow: the transition table between screens, and the match each screen starts, keeps and ends.
#include "app/FluxEcrans.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <string>
#include <utility>

#include "menus/MenuAPropos.h"
#include "menus/MenuDifficulte.h"
#include "menus/MenuEditeur.h"
#include "menus/MenuNiveaux.h"
#include "menus/MenuOptions.h"
#include "menus/MenuPrincipal.h"
#include "menus/MenuRecord.h"
#include "menus/MenuResultatDuel.h"
#include "menus/MenuScores.h"
#include "menus/PreMenu.h"
#include "render/CTextureManager.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"
#include "world/Enregistrement.h"
#include "world/Environnement.h"
#include "menus/EcransMatch.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

namespace {
const char* const DOSSIER_MENUS = "Images/Menus/";
}  // namespace

FluxEcrans::FluxEcrans(Coquille c)
    : coquille(std::move(c)), options(OptionsManager::getInstance()), clavier(ClavierManager::getInstance()),
      lang(LangManager::getInstance()), sons(SonsManager::getInstance()) {}

FluxEcrans::~FluxEcrans() { delete menuCourant; }

void FluxEcrans::ouvrirTitre() { menuCourant = new PreMenu(); }

void FluxEcrans::oublierMenu() {
    delete menuCourant;
    menuCourant = nullptr;
}

void FluxEcrans::abandonnerMatch() {
    clavier->setDuel(false);
    remplacerMenu(new MenuPrincipal());
    terminerMatch();
    enMenu = 1;
}

// A new match at difficulty 1 or 2: the first level, player 1, and player 2
// in a duel.
void FluxEcrans::initJeu(int difficulte) {
    // A level chosen from the level list is played alone: that one level,
    // then the end of the series.
    ouvrirMatch(difficulte, niveauSeul > 0 ? niveauSeul : 1, niveauSeul > 0);
}

// Every match starts here (a series, a level of the list, a duel, a level
// file, the editor's test-play, a watched run), the one before ended first.
bool FluxEcrans::ouvrirMatch(int difficulte, int numero, bool seul) {
    terminerMatch();
    match = std::make_unique<Match>(difficulte, fichierEssai, duel, numero, seul);
    niveaux = match->getNiveaux();
    environnement = match->getEnvironnement();
    ecrans = std::make_unique<EcransMatch>(*niveaux, *environnement);
    clavier->setDuel(duel);
    return !niveaux->getFinJeu();
}

// Every match ends here, and with it its level, players and state.
void FluxEcrans::terminerMatch() {
    ecrans.reset();
    match.reset();
    niveaux = nullptr;
    environnement = nullptr;
}

// The match runs in game time: slower than the clock with the assist's speed.
void FluxEcrans::avancerMatch(long ecoule) {
    // Test-play ends at the pause (Escape, a pad's start), during the intro's
    // flight as well (confirm still skips the flight), and at the match's end.
    const int etat = environnement->getEtat();
    const bool retour = etat == ETAT_PAUSE || (etat == ETAT_INTRO && (clavier->estPause(1) ||
                                               (clavier->estNon(1) && clavier->getDerniereTouche() == SDLK_ESCAPE)));
    const bool finEssai = essaiEditeur && retour;
    if (!environnement->getFinJeu() && !finEssai) {
        const long jeu = environnement->tempsDeJeu(ecoule);
        ecrans->avancer(jeu);
        return;
    }
    finirMatch();
}

// However the match ended, the keyboard leaves the duel. A finished duel
// shows its result screen, which keeps its own copy of the figures; a quit
// match or a tried level file goes back to the main menu.
void FluxEcrans::finirMatch() {
    clavier->setDuel(false);
    if (essaiEditeur) {
        // The editor never left: it goes on where it was.
        essaiEditeur = false;
        fichierEssai.clear();
        terminerMatch();
        static_cast<MenuEditeur*>(menuCourant)->reprendre();
    } else if (environnement->estDuel() && !environnement->jeuQuitte()) {
        const int victoires[2] = {environnement->getVictoires(1), environnement->getVictoires(2)};
        const int tempsMs[2] = {environnement->getTempsMs(1), environnement->getTempsMs(2)};
        const int couleurs[2] = {options->getColor(0), options->getColor(1)};
        remplacerMenu(new MenuResultatDuel(victoires, tempsMs, couleurs));
        terminerMatch();
    } else if (niveauSeul > 0 && !environnement->niveauIllisible() && !rejeuRegarde) {
        remplacerMenu(new MenuNiveaux(difficulteListe, niveauSeul));
        terminerMatch();
    } else if (environnement->jeuQuitte() || !fichierEssai.empty() || rejeuRegarde ||
               environnement->getAssistance().active()) {  // an assisted series enters no table
        rejeuRegarde = false;
        fichierEssai.clear();
        Menu* menu = new MenuPrincipal();
        if (environnement->niveauIllisible()) menu->setAvis(lang->ligne(LangManager::LIGNE_NIVEAU_ILLISIBLE));
        remplacerMenu(menu);
        terminerMatch();
    } else {
        // The record screen keeps the finished match until it is left.
        remplacerMenu(new MenuRecord(environnement->getTempsJeu(0), environnement->getTempsJeu(1)));
    }
    niveaux = nullptr;
    environnement = nullptr;
    duel = false;
    sons->chargerMusique(sons->musiqueMenu);
    sons->jouerMusique(-1);
    enMenu = 1;
}

// The screen that follows, by current screen name and chosen code; the first
// matching row acts. A new screen is built before the old one is destroyed.
void FluxEcrans::gestionMenu() {
    struct Transition {
        const char* nom;
        int code;
        void (FluxEcrans::*action)();
    };
    static const Transition TRANSITIONS[] = {
        {"PreMenu", 1, &FluxEcrans::versMenuPrincipalEnMusique},
        {"MenuPrincipal", 1, &FluxEcrans::versMenuDifficulte},
        {"MenuPrincipal", 2, &FluxEcrans::versMenuDuel},
        {"MenuPrincipal", 3, &FluxEcrans::versMenuScores},
        {"MenuPrincipal", 4, &FluxEcrans::versMenuOptions},
        {"MenuPrincipal", 5, &FluxEcrans::versMenuAPropos},
        {"MenuPrincipal", 6, &FluxEcrans::versEditeur},
        {"MenuPrincipal", MenuPrincipal::QUITTER, &FluxEcrans::quitterJeu},
        {"MenuEditeur", MenuEditeur::ESSAYER, &FluxEcrans::essayerEditeur},
        {"MenuEditeur", MenuEditeur::ESSAYER_ICI, &FluxEcrans::essayerEditeurIci},
        {"MenuEditeur", MenuEditeur::RETOUR, &FluxEcrans::versMenuPrincipal},
        {"MenuDifficulte", 1, &FluxEcrans::commencerMatch},
        {"MenuDifficulte", 2, &FluxEcrans::commencerMatch},
        {"MenuDifficulte", 3, &FluxEcrans::versMenuPrincipal},
        {"MenuDifficulte", 4, &FluxEcrans::versMenuNiveaux},
        {"MenuDifficulte", MenuDifficulte::SERIE_JOUEUR, &FluxEcrans::commencerMatch},
        {"MenuNiveaux", 1, &FluxEcrans::jouerNiveauChoisi},
        {"MenuNiveaux", 2, &FluxEcrans::versMenuDifficulte},
        {"MenuAPropos", 1, &FluxEcrans::versMenuPrincipal},
        {"MenuScores", 3, &FluxEcrans::versMenuPrincipal},
        {"MenuOptions", 5, &FluxEcrans::quitterOptions},
        {"MenuRecord", 1, &FluxEcrans::quitterRecord},
        {"MenuResultatDuel", 1, &FluxEcrans::versMenuPrincipal},
    };
    const std::string nom = menuCourant->getNom();
    const int code = menuCourant->getCode();
    if (code == 0) return;
    for (const Transition& t : TRANSITIONS) {
        if (nom == t.nom && code == t.code) {
            (this->*t.action)();
            return;
        }
    }
}

void FluxEcrans::remplacerMenu(Menu* nouveau) {
    Souris::getInstance()->oublier();  // a click acts on the screen it was made on only
    Menu* ancien = menuCourant;
    menuCourant = nouveau;
    delete ancien;
}

void FluxEcrans::versMenuPrincipalEnMusique() {
    sons->chargerMusique(sons->musiqueMenu);
    sons->jouerMusique(-1);
    remplacerMenu(new MenuPrincipal());
}

void FluxEcrans::versMenuPrincipal() {
    duel = false;
    remplacerMenu(new MenuPrincipal());
}

void FluxEcrans::versMenuDifficulte() {
    duel = false;
    remplacerMenu(new MenuDifficulte());
}

void FluxEcrans::versMenuDuel() {
    duel = true;
    remplacerMenu(new MenuDifficulte(true));
}

void FluxEcrans::versMenuAPropos() { remplacerMenu(new MenuAPropos()); }

void FluxEcrans::versMenuScores() { remplacerMenu(new MenuScores()); }

void FluxEcrans::versMenuOptions() { remplacerMenu(new MenuOptions()); }

// The music switch and the language apply at once; the main menu is built
// after the language is reloaded, so it shows the new texts.
void FluxEcrans::quitterOptions() {
    sons->reload();
    lang->charger();
    coquille.appliquerVideo();
    remplacerMenu(new MenuPrincipal());
}

void FluxEcrans::quitterJeu() { coquille.quitter(); }

// The difficulty menu stays current, unrefreshed and undrawn, for the whole match.
void FluxEcrans::commencerMatch() {
    niveauSeul = 0;
    commencerMatch(static_cast<MenuDifficulte*>(menuCourant)->getSerie());
}

void FluxEcrans::versMenuNiveaux() { remplacerMenu(new MenuNiveaux(difficulteListe, niveauSeul > 0 ? niveauSeul : 1)); }

// The list stays current, unrefreshed and undrawn, for the whole level.
void FluxEcrans::jouerNiveauChoisi() {
    const MenuNiveaux* liste = static_cast<MenuNiveaux*>(menuCourant);
    difficulteListe = liste->getDifficulte();
    niveauSeul = liste->getNiveau();
    commencerMatch(difficulteListe);
}

// The menu pictures are released for the match (the pause screen loads its
// own); the screens that follow it load theirs again.
void FluxEcrans::commencerMatch(int difficulte) {
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    CTextureManager::GetInstance()->DeleteTexturesUnder(DOSSIER_MENUS);
    initJeu(difficulte);
    enMenu = 0;
}

bool FluxEcrans::essayerNiveau(const std::string& chemin) {
    fichierEssai = chemin;
    niveauSeul = 0;
    if (!ouvrirMatch(1, 1, false)) {
        std::fprintf(stderr, "Leapgrid: %s: refused: %s\n", chemin.c_str(), niveaux->getRefus().c_str());
        fichierEssai.clear();
        terminerMatch();
        return false;
    }
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    enMenu = 0;
    return true;
}

bool FluxEcrans::regarderRejeu(const std::string& chemin) {
    Rejeu r;
    std::string refus;
    if (!Enregistrement::lire(chemin, r, refus)) {
        std::fprintf(stderr, "Leapgrid: %s: refused: %s\n", chemin.c_str(), refus.c_str());
        return false;
    }
    fichierEssai.clear();
    duel = false;
    if (!ouvrirMatch(r.difficulte, r.numero, true)) {
        terminerMatch();
        return false;
    }
    environnement->regarder(r);
    rejeuRegarde = true;
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    enMenu = 0;
    return true;
}

void FluxEcrans::quitterRecord() {
    remplacerMenu(new MenuPrincipal());
    terminerMatch();
}

void FluxEcrans::versEditeur() { ouvrirEditeur(MenuEditeur::cheminBrouillon()); }

void FluxEcrans::ouvrirEditeur(const std::string& chemin) {
    terminerMatch();
    remplacerMenu(new MenuEditeur(chemin));
    enMenu = 1;
}

void FluxEcrans::essayerEditeur() { essayerDepuisEditeur(false); }
void FluxEcrans::essayerEditeurIci() { essayerDepuisEditeur(true); }

// The level as it is in the editor, written aside and played alone, with no
// score; the editor stays current.
void FluxEcrans::essayerDepuisEditeur(bool ici) {
    MenuEditeur* editeur = static_cast<MenuEditeur*>(menuCourant);
    const std::string chemin = editeur->ecrireEssai(ici);
    if (chemin.empty()) {
        editeur->reprendre();
        return;
    }
    fichierEssai = chemin;
    niveauSeul = 0;
    duel = false;
    essaiEditeur = true;
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    if (!ouvrirMatch(1, 1, false)) {
        essaiEditeur = false;
        fichierEssai.clear();
        terminerMatch();
        editeur->reprendre();
        return;
    }
    enMenu = 0;
}
