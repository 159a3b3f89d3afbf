// The scripted run: its file format, its steps and the figures they print.
//
// A script is plain text, one step per line; '#' starts a comment. Numbers are
// milliseconds or folder numbers under Niveaux/.
//   titre MS       the title screen, measured for MS ms (it gives way after four seconds)
//   menu MS        the main menu, measured for MS ms
//   match D MS     a match on level 1 of folder Niveaux/D, intro skipped, MS ms of play
//   duel D MS      the same as a duel: both players, the window split in two views, MS ms of play
//   chargement D   times loading level 1 of Niveaux/D, once cold and once with its images registered
//   pas MS         from then on every frame moves the game on by MS ms, whatever time it took
//                  (0: real time again); with it a run shows the same frames every time
//   jouer D N      a match on level 1 of Niveaux/D, intro skipped, N frames of play; the match goes on
//   jouer_duel D N the same as a duel
//   attendre N     N frames of whatever is on screen
//   course D B     a solo match from level 1 of Niveaux/D, player 1 holding one button all along
//                  (B: 0 forward, 1 back, 2 left, 3 right) until the level ends, is lost or
//                  times out; prints whether it was finished, its time, lives left and frames
//   touche K       taps the key of SDL key code K (13 Return, 27 Escape, 273-276 up, down,
//                  right, left): pressed through the event queue this frame, released the next
//   tenir K N      the same key held for N frames
//   capture N      writes the frame on screen to leapgrid-N.png, in the folder named by
//                  LEAPGRID_CAPTURES (the working folder when it is not set)
//   fin            quits (so does the end of the file)
// Every step prints one line "mesure etape=NAME key=value ..." on standard output;
// the first frame prints "mesure etape=demarrage monotone_ns=N", the CLOCK_MONOTONIC
// time at which it was shown.
#include "app/ScriptJeu.h"

#include <SDL/SDL.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/Jeu.h"
#include "menus/Menu.h"
#include "render/CaptureEcran.h"
#include "settings/ClavierManager.h"
#include "settings/FichierLu.h"
#include "settings/SonsManager.h"
#include "world/Environnement.h"
#include "world/Match.h"
#include "world/NiveauManager.h"

namespace {

struct Forme {
    const char* nom;
    int arguments;
};
// The steps and how many numbers each takes.
// How long a match may take to reach play once its intro is skipped.
const double ATTENTE_JEU_MS = 10000;

const Forme FORMES[] = {{"titre", 1},  {"menu", 1},       {"match", 2},    {"duel", 2},
                        {"chargement", 1}, {"pas", 1}, {"jouer", 2}, {"jouer_duel", 2},
                        {"attendre", 1}, {"capture", 1}, {"course", 2}, {"touche", 1}, {"tenir", 2}, {"fin", 0},
                        {"pointeur", 2}, {"presser", 1}, {"relacher", 1}};

double maintenantMs(clockid_t horloge) {
    timespec t;
    clock_gettime(horloge, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Peak and current resident memory of the process, in kB, from /proc.
void memoire(long& pic, long& courante) {
    pic = courante = 0;
    std::ifstream f("/proc/self/status");
    std::string mot;
    while (f >> mot) {
        if (mot == "VmHWM:") f >> pic;
        else if (mot == "VmRSS:") f >> courante;
    }
}

const size_t SCRIPT_MAX = 1u << 20;  // a script is a few lines

}  // namespace

ScriptJeu* ScriptJeu::depuisEnvironnement() {
    const char* chemin = std::getenv("LEAPGRID_SCRIPT");
    if (!chemin || !*chemin) return nullptr;
    // Read like the game's own files: a regular file of sensible size, never a FIFO.
    std::vector<unsigned char> octets;
    std::vector<Etape> etapes;
    std::string erreur = FichierLu::lireTout(chemin, octets, SCRIPT_MAX) ? std::string() : "cannot read the file";
    if (erreur.empty()) lire(std::string(octets.begin(), octets.end()), etapes, erreur);
    if (!erreur.empty()) {
        std::fprintf(stderr, "Leapgrid: script %s: %s\n", chemin, erreur.c_str());
        std::exit(2);
    }
    return new ScriptJeu(etapes);
}

bool ScriptJeu::lire(const std::string& texte, std::vector<Etape>& etapes, std::string& erreur) {
    std::istringstream lignes(texte);
    std::string ligne;
    for (int numero = 1; std::getline(lignes, ligne); ++numero) {
        ligne = ligne.substr(0, ligne.find('#'));
        std::istringstream mots(ligne);
        Etape e{std::string(), {}, numero};
        if (!(mots >> e.nom)) continue;
        const Forme* forme = nullptr;
        for (const Forme& f : FORMES)
            if (e.nom == f.nom) forme = &f;
        int n;
        while (mots >> n) e.arguments.push_back(n);
        bool negatif = false;
        for (int a : e.arguments) negatif = negatif || a < 0;
        const bool resteMot = !mots.eof();
        if (!forme || resteMot || negatif || static_cast<int>(e.arguments.size()) != forme->arguments) {
            erreur = "line " + std::to_string(numero) + ": " +
                     (forme ? "expected " + std::to_string(forme->arguments) + " non-negative numbers after " + e.nom
                            : "unknown step '" + e.nom + "'");
            return false;
        }
        if ((e.nom == "touche" || e.nom == "tenir") && e.arguments[0] >= SDLK_LAST) {
            erreur = "line " + std::to_string(numero) + ": no key has the code " + std::to_string(e.arguments[0]);
            return false;
        }
        const bool bouton = e.nom == "presser" || e.nom == "relacher";
        if ((bouton && (e.arguments[0] < 1 || e.arguments[0] > 5)) ||
            (e.nom == "pointeur" && (e.arguments[0] > 1000 || e.arguments[1] > 1000))) {
            erreur = "line " + std::to_string(numero) + ": " +
                     (bouton ? "mouse buttons are 1 to 5" : "the pointer goes from 0 to 1000 across and down");
            return false;
        }
        etapes.push_back(e);
    }
    return true;
}

ScriptJeu::ScriptJeu(std::vector<Etape> e) : etapes(std::move(e)) {}

void ScriptJeu::demarrerMesure() {
    mesure.debutMs = maintenantMs(CLOCK_MONOTONIC);
    mesure.debutCpuMs = maintenantMs(CLOCK_PROCESS_CPUTIME_ID);
    mesure.images = 0;
}

void ScriptJeu::publierMesure(const Etape& e, const std::string& precision) {
    const double duree = maintenantMs(CLOCK_MONOTONIC) - mesure.debutMs;
    const double cpu = maintenantMs(CLOCK_PROCESS_CPUTIME_ID) - mesure.debutCpuMs;
    long pic, courante;
    memoire(pic, courante);
    std::printf("mesure etape=%s", e.nom.c_str());
    for (int a : e.arguments) std::printf(" %d", a);
    std::printf(" images=%ld duree_ms=%.1f ips=%.2f cpu_pct=%.1f rss_ko=%ld rss_max_ko=%ld%s\n", mesure.images, duree,
                duree > 0 ? mesure.images * 1000.0 / duree : 0.0, duree > 0 ? cpu * 100.0 / duree : 0.0, courante, pic,
                precision.c_str());
    std::fflush(stdout);
}

void ScriptJeu::suivante() {
    ++courante;
    preparee = false;
    mesure = Mesure();
}

void ScriptJeu::apresImage(Jeu& jeu) {
    if (premiereImage) {
        premiereImage = false;
        std::printf("mesure etape=demarrage monotone_ns=%.0f\n", maintenantMs(CLOCK_MONOTONIC) * 1e6);
        std::fflush(stdout);
    }
    while (!estFini()) {
        const Etape& e = etapes[courante];
        bool fini = true;
        if (e.nom == "titre" || e.nom == "menu") fini = etapeEcran(jeu, e);
        else if (e.nom == "match" || e.nom == "duel") fini = etapeMatch(jeu, e);
        else if (e.nom == "chargement") fini = etapeChargement(jeu, e);
        else if (e.nom == "jouer" || e.nom == "jouer_duel") fini = etapeJouer(jeu, e);
        else if (e.nom == "attendre") fini = ++mesure.images > e.arguments[0];
        else if (e.nom == "pas") pas = e.arguments[0];
        else if (e.nom == "capture") etapeCapture(jeu, e);
        else if (e.nom == "course") fini = etapeCourse(jeu, e);
        else if (e.nom == "touche" || e.nom == "tenir") fini = etapeTouche(e);
        else if (e.nom == "pointeur" || e.nom == "presser" || e.nom == "relacher") etapeSouris(jeu, e);
        else courante = etapes.size();  // fin
        if (!fini) return;
        if (!estFini()) suivante();
    }
}

// The title screen is the first one; the menu step comes back to the main
// menu from wherever the script left the game.
bool ScriptJeu::etapeEcran(Jeu& jeu, const Etape& e) {
    const bool titre = e.nom == "titre";
    if (!preparee) {
        preparee = true;
        if (!jeu.estEnMenu()) sortirDuMatch(jeu);
        if (!titre && jeu.getMenuCourant()->getNom() != "MenuPrincipal") jeu.flux->versMenuPrincipalEnMusique();
        demarrerMesure();
        return false;
    }
    ++mesure.images;
    const bool ecranParti = titre && jeu.getMenuCourant()->getNom() != "PreMenu";
    if (!ecranParti && maintenantMs(CLOCK_MONOTONIC) - mesure.debutMs < e.arguments[0]) return false;
    publierMesure(e);
    return true;
}

// A match measured from its first frame of play for MS ms, then left.
bool ScriptJeu::etapeMatch(Jeu& jeu, const Etape& e) {
    if (!preparee) {
        demarrerMatch(jeu, e, e.nom == "duel");
        return false;
    }
    if (matchManque(jeu, e)) return true;
    if (mesure.debutMs < 0) {
        appuyerOk(false);
        if (jeu.flux->getEnvironnement()->getEtat() == ETAT_JEU) {
            versJeuMs = maintenantMs(CLOCK_MONOTONIC) - debutMatch;
            demarrerMesure();
        }
        return false;
    }
    ++mesure.images;
    if (maintenantMs(CLOCK_MONOTONIC) - mesure.debutMs < e.arguments[1]) return false;
    // vers_jeu_ms: from the start of the match to its first frame of play,
    // the level's load and first drawing included.
    char versJeu[48];
    std::snprintf(versJeu, sizeof versJeu, " vers_jeu_ms=%.1f", versJeuMs);
    publierMesure(e, versJeu);
    sortirDuMatch(jeu);
    return true;
}

// Starts the match (a duel: both players, split screen) as the difficulty
// menu does, with confirm held to skip the intro.
void ScriptJeu::demarrerMatch(Jeu& jeu, const Etape& e, bool duel) {
    preparee = true;
    if (!jeu.estEnMenu()) sortirDuMatch(jeu);
    if (jeu.getMenuCourant()->getNom() == "PreMenu") jeu.flux->versMenuPrincipalEnMusique();
    debutMatch = maintenantMs(CLOCK_MONOTONIC);
    jeu.flux->setDuel(duel);
    jeu.flux->commencerMatch(e.arguments[0]);
    std::printf("mesure etape=debut_%s %d ms=%.1f\n", e.nom.c_str(), e.arguments[0],
                maintenantMs(CLOCK_MONOTONIC) - debutMatch);
    appuyerOk(true);
}

// A refused level, or a match that never gets to play, is reported and left.
bool ScriptJeu::matchManque(Jeu& jeu, const Etape& e) {
    const bool refuse = jeu.flux->getNiveaux() && jeu.flux->getNiveaux()->getFinJeu();
    if (jeu.estEnMenu() || !jeu.flux->getEnvironnement() || jeu.flux->getEnvironnement()->getFinJeu() || refuse ||
        (mesure.debutMs < 0 && maintenantMs(CLOCK_MONOTONIC) - debutMatch > ATTENTE_JEU_MS)) {
        std::printf("mesure etape=%s %d absent=1\n", e.nom.c_str(), e.arguments[0]);
        std::fflush(stdout);
        sortirDuMatch(jeu);
        return true;
    }
    return false;
}

// A match played for a number of frames from its first frame of play, then
// left running for the next steps (a capture, say).
bool ScriptJeu::etapeJouer(Jeu& jeu, const Etape& e) {
    if (!preparee) {
        demarrerMatch(jeu, e, e.nom == "jouer_duel");
        return false;
    }
    if (matchManque(jeu, e)) return true;
    if (mesure.debutMs < 0) {
        appuyerOk(false);
        if (jeu.flux->getEnvironnement()->getEtat() == ETAT_JEU) demarrerMesure();
        return false;
    }
    return ++mesure.images >= e.arguments[1];
}

// Through SDL's queue, as a player's key comes: the screen on show reads it.
bool ScriptJeu::etapeTouche(const Etape& e) {
    const long images = e.nom == "tenir" ? e.arguments[1] : 1;
    if (preparee && ++mesure.images < images) return false;
    SDL_Event evenement{};
    evenement.type = preparee ? SDL_KEYUP : SDL_KEYDOWN;
    evenement.key.type = evenement.type;
    evenement.key.state = preparee ? SDL_RELEASED : SDL_PRESSED;
    evenement.key.keysym.sym = static_cast<SDLKey>(e.arguments[0]);
    SDL_PushEvent(&evenement);
    if (preparee) return true;
    preparee = true;
    return false;
}

void ScriptJeu::etapeSouris(Jeu& jeu, const Etape& e) {
    SDL_Event evenement{};
    if (e.nom == "pointeur") {
        pointeurX = static_cast<int>(static_cast<long>(e.arguments[0]) * jeu.largeur / 1000);
        pointeurY = static_cast<int>(static_cast<long>(e.arguments[1]) * jeu.hauteur / 1000);
        evenement.type = SDL_MOUSEMOTION;
        evenement.motion.x = static_cast<Uint16>(pointeurX);
        evenement.motion.y = static_cast<Uint16>(pointeurY);
    } else {
        evenement.type = e.nom == "presser" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        evenement.button.type = evenement.type;
        evenement.button.button = static_cast<Uint8>(e.arguments[0]);
        evenement.button.state = e.nom == "presser" ? SDL_PRESSED : SDL_RELEASED;
        evenement.button.x = static_cast<Uint16>(pointeurX);
        evenement.button.y = static_cast<Uint16>(pointeurY);
    }
    SDL_PushEvent(&evenement);
}

void ScriptJeu::etapeCapture(Jeu& jeu, const Etape& e) {
    const char* dossier = std::getenv("LEAPGRID_CAPTURES");
    const std::string chemin = std::string(dossier && *dossier ? dossier : ".") + "/leapgrid-" +
                               std::to_string(e.arguments[0]) + ".png";
    // The frame shown is drawn again into the back buffer, whose contents are
    // certain, and read from there before any swap.
    jeu.drawImage();
    const bool ok = CaptureEcran::ecrire(chemin, jeu.largeur, jeu.hauteur);
    std::printf("mesure etape=capture %d fichier=%s ecrit=%d\n", e.arguments[0], chemin.c_str(), ok ? 1 : 0);
    std::fflush(stdout);
}

// Level 1 of folder D, loaded once to register its images, then timed again.
bool ScriptJeu::etapeChargement(Jeu& jeu, const Etape& e) {
    if (!jeu.estEnMenu()) sortirDuMatch(jeu);
    else if (Match::courant()) jeu.flux->abandonnerMatch();  // one match at a time: the record screen's goes
    Match mesure;
    NiveauManager* n = mesure.getNiveaux();
    n->setDifficulte(e.arguments[0]);
    const double t0 = maintenantMs(CLOCK_MONOTONIC);
    n->chargerNiveau();
    const double t1 = maintenantMs(CLOCK_MONOTONIC);
    n->detruireNiveau();
    const double t2 = maintenantMs(CLOCK_MONOTONIC);
    n->chargerNiveau();
    const double t3 = maintenantMs(CLOCK_MONOTONIC);
    long pic, courante;
    memoire(pic, courante);
    std::printf("mesure etape=chargement %d cases=%d premier_ms=%.1f ms=%.1f refuse=%d rss_ko=%ld rss_max_ko=%ld\n",
                e.arguments[0], n->getFinJeu() ? 0 : (n->getHauteur() - 1) * (n->getLargeur() - 1), t1 - t0, t3 - t2,
                n->getFinJeu() ? 1 : 0,
                courante, pic);
    std::fflush(stdout);
    return true;
}

void ScriptJeu::sortirDuMatch(Jeu& jeu) {
    jeu.flux->setDuel(false);
    if (jeu.estEnMenu()) return;
    jeu.flux->abandonnerMatch();
}

bool ScriptJeu::etapeCourse(Jeu& jeu, const Etape& e) {
    const int bouton = e.arguments[1] % 4;
    if (!preparee) {
        preparee = true;
        if (!jeu.estEnMenu()) sortirDuMatch(jeu);
        if (jeu.getMenuCourant()->getNom() == "PreMenu") jeu.flux->versMenuPrincipalEnMusique();
        debutMatch = maintenantMs(CLOCK_MONOTONIC);
        jeu.flux->setDuel(false);
        jeu.flux->commencerMatch(e.arguments[0]);
        appuyerOk(true);
        return false;
    }
    Environnement* env = jeu.flux->getEnvironnement();
    const bool fini = env && env->getEtat() == ETAT_FIN_NIVEAU;
    // Played through, lost, or never started: reported and left.
    if (fini || jeu.estEnMenu() || !env || env->getFinJeu() ||
        maintenantMs(CLOCK_MONOTONIC) - debutMatch > 20 * ATTENTE_JEU_MS) {
        tenirBouton(bouton, false);
        const Rejeu& r = env ? env->getEnregistrement() : Rejeu();
        std::printf("mesure etape=course %d %d fini=%d temps_ms=%d vies=%d images=%ld\n", e.arguments[0],
                    e.arguments[1], fini ? 1 : 0, fini ? r.tempsMs : 0, fini ? r.viesRestantes : 0, r.nombreImages());
        std::fflush(stdout);
        sortirDuMatch(jeu);
        return true;
    }
    if (env->getEtat() == ETAT_JEU) {
        appuyerOk(false);
        tenirBouton(bouton, true);
    }
    return false;
}

void ScriptJeu::tenirBouton(int bouton, bool enfonce) {
    static const int BOUTONS[4] = {ClavierManager::HAUT, ClavierManager::BAS, ClavierManager::GAUCHE,
                                   ClavierManager::DROITE};
    ClavierManager* clavier = ClavierManager::getInstance();
    SDL_Event ev{};
    ev.type = enfonce ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.keysym.sym = static_cast<SDLKey>(clavier->getTouche(BOUTONS[bouton]));
    clavier->key(ev);
}

void ScriptJeu::appuyerOk(bool enfonce) {
    ClavierManager* clavier = ClavierManager::getInstance();
    SDL_Event ev{};
    ev.type = enfonce ? SDL_KEYDOWN : SDL_KEYUP;
    ev.key.keysym.sym = static_cast<SDLKey>(clavier->getTouche(ClavierManager::OK));
    clavier->key(ev);
}
