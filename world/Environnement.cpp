// The match: its state machine, the play clocks, the camera overrides; the HUD over the scene is HUD's.
#include "world/Environnement.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "render/HUD.h"
#include "render/RepereArrivee.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/ArriveeNiveau.h"
#include "world/HorlogeNiveau.h"
#include "world/Joueur.h"
#include "world/LectureHUD.h"
#include "world/Match.h"
#include "world/NiveauManager.h"
#include "world/Trajectoire.h"

namespace {
const float FIN_CAMERA_Y = 5.0f;  // the level-end rise stops here
}  // namespace

Environnement* Environnement::getInstance() {
    const Match* m = Match::courant();
    Environnement* e = m ? m->getEnvironnement() : nullptr;
    if (!e) throw std::logic_error("Environnement::getInstance: no match with players is on");
    return e;
}

Environnement::Environnement()
    : options(nullptr), niveaux(nullptr), clavier(nullptr), lang(nullptr),
      sons(nullptr), fondu(0), cameraZIntro(0), cameraYFin(0), etat(ETAT_INTRO), etatAvantPause(ETAT_JEU),
      joueurs{nullptr, nullptr} {
    options = OptionsManager::getInstance();
    niveaux = NiveauManager::getInstance();
    clavier = ClavierManager::getInstance();
    sons = SonsManager::getInstance();
    lang = LangManager::getInstance();
    hud = std::make_unique<HUD>();
    assistance = {options->getVitesseJeu(), options->isFreinDeriveOn()};
}


Environnement::~Environnement() {
    delete joueurs[0];
    delete joueurs[1];
}

// A player with any other number than 1 or 2 is not kept (and not leaked).
void Environnement::ajouterJoueur(Joueur* joueur) {
    const int n = joueur ? joueur->getNumJoueur() : 0;
    if (n < 1 || n > 2) {
        delete joueur;
        return;
    }
    delete joueurs[n - 1];
    joueurs[n - 1] = joueur;
    regles.placer(n, &joueur->getCorps());
    cameras.placer(n, joueur);
    if (joueurs[0]) joueurs[0]->setTemps(niveaux->getTemps());
    if (n == 2) joueur->setTemps(niveaux->getTemps());
    // Two players: side by side on the start row.
    if (joueurs[0] && joueurs[1]) {
        for (Joueur* j : joueurs) {
            j->setEnDuel(true);
            j->resetPosition();
        }
    }
    commencerTentative();
}

void Environnement::regarder(const Rejeu& r) {
    regarde = true;
    rejeuRegarde = r;
    assistance = r.assistance;  // watched at the speed and with the brake it was played with
    commencerTentative();
}

void Environnement::commencerTentative() {
    CorpsJoueur* c = joueurs[0] ? &joueurs[0]->getCorps() : nullptr;
    if (!c) return;
    noterDebutNiveau();
    debutTentative = regles.getTempsMs(1);
    for (Joueur* j : joueurs)
        if (j) j->getCorps().freinDerive = assistance.freinDerive;
    if (regarde) {
        c->vies = rejeuRegarde.viesDepart;
        c->sauvegardeX = rejeuRegarde.sauvegardeX;
        c->sauvegardeZ = rejeuRegarde.sauvegardeZ;
        regles.semer(rejeuRegarde.graine);
        curseur = Rejeu::Curseur();
        enAvance = 0;
        fantome.oublier();
        return;
    }
    regles.semer(Enregistrement::nouvelleGraine());
    const int d = niveaux->getNumDifficulte(), n = niveaux->getNumNiveau();
    // One level file played alone has no place among the player's runs.
    enregistrement.commencer(d, n, estDuel() || niveaux->estFichierEssai() ? std::string()
                                                                          : niveaux->cheminDansSerie(n),
                             regles.getGraine(), c->vies, c->sauvegardeX, c->sauvegardeZ);
    enregistrement.noterAssistance(assistance);
    if (!estDuel() && !niveaux->estFichierEssai() && options->isFantomeOn())
        fantome.charger(d, n, niveaux->cheminDansSerie(n));
    else
        fantome.oublier();
}

// The one place a solo level is known finished, with its time.
void Environnement::niveauReussi(int t) {
    if (regarde || estDuel()) return;
    if (!assistance.active()) enregistrement.terminer(t, joueurs[0]->getVies());  // an assisted run is no best run
    noterArrivee();
}

int Environnement::getVictoires(int numero) const { return regles.getVictoires(numero); }
int Environnement::getTempsMs(int numero) const { return regles.getTempsMs(numero); }

bool Environnement::ok() { return clavier->estOk(1) || (estDuel() && clavier->estOk(2)); }
bool Environnement::non() { return clavier->estNon(1) || (estDuel() && clavier->estNon(2)); }

void Environnement::oublierOk() {
    clavier->initOk(1);
    if (estDuel()) clavier->initOk(2);
}

void Environnement::oublierNon() {
    clavier->initNon(1);
    if (estDuel()) clavier->initNon(2);
}

Joueur* Environnement::getJoueur(int numero) const { return numero >= 1 && numero <= 2 ? joueurs[numero - 1] : nullptr; }

float Environnement::getCameraX(int numero) {
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraX() : 0;
}

float Environnement::getCameraY(int numero) {
    if (etatVisible() == ETAT_FIN_NIVEAU) return cameraYFin;
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraY() : 0;
}

float Environnement::getCameraZ(int numero) {
    if (etatVisible() == ETAT_INTRO) return cameraZIntro;
    Joueur* j = getJoueur(numero);
    return j ? j->getCameraZ() : 0;
}

bool Environnement::getFinJeu() { return etat == ETAT_QUITTE || etat == ETAT_FIN_JEU || niveauIllisible(); }
bool Environnement::jeuQuitte() { return etat == ETAT_QUITTE || niveauIllisible(); }

std::string Environnement::getTempsJeu(int index) {
    const int t = index >= 0 && index <= 1 ? regles.getTempsMs(index + 1) : 0;
    return std::to_string(t / 1000) + "." + std::to_string(t / 100 - (t / 1000) * 10) + " ";
}

void Environnement::refresh(long ecoule) {
    // Whatever the state, a level that could not be read ends the match.
    if (niveaux->getNiveauIllisible()) etat = ETAT_NIVEAU_ILLISIBLE;
    if (niveaux->getFinJeu()) return;
    switch (etat) {
        case ETAT_INTRO: refreshIntro(ecoule); break;
        case ETAT_JEU: refreshJeu(ecoule); break;
        case ETAT_FIN_NIVEAU: refreshFinNiveau(ecoule); break;
        case ETAT_NIVEAU_SUIVANT: refreshNiveauSuivant(); break;
        case ETAT_PAUSE: refreshPause(); break;
        case ETAT_BILAN: refreshBilan(); break;
        case ETAT_REPRISE: refreshReprise(ecoule); break;
        default: break;
    }
    suivreCameras(ecoule);
    if (etat == ETAT_JEU) sonnerSecondes();
}

// One tick a second through a level's last ten, once for both players.
void Environnement::sonnerSecondes() {
    bool tic = false;
    for (int i = 0; i < 2; ++i) {
        if (!joueurs[i]) continue;
        const int s = HorlogeNiveau::secondes(joueurs[i]->capturer().temps);
        if (joueurs[i]->enJeu() && HorlogeNiveau::tic(secondesAffichees[i], s)) tic = true;
        secondesAffichees[i] = s;
    }
    if (tic) sons->jouerSon(sons->sonTic);
}

void Environnement::suivreCameras(long ecoule) {
    if (etat == ETAT_PAUSE || niveaux->getFinJeu()) return;
    cameras.suivre(joueurs, etat, cameraZIntro, cameraYFin, ecoule);
}

// The camera travels from the goal end at a sixth of the level's length per
// second; confirm or cancel skips the intro (and the press is used up).
void Environnement::refreshIntro(long ecoule) {
    if (!joueurs[0]) return;
    cameraZIntro += (niveaux->getHauteur() * ecoule / 6) / 1000.0f;
    if (cameraZIntro > joueurs[0]->getCameraZ() || ok() || non()) {
        oublierOk();
        oublierNon();
        entrerEnJeu();
    }
}

void Environnement::entrerEnJeu() {
    if (etat == ETAT_INTRO) {
        sons->chargerMusique(sons->musiqueJeu);
        sons->jouerMusique(-1);
    }
    etat = ETAT_JEU;
    cameraZIntro = 0;
    reprise = 0;
}

// The count-in runs out, or confirm cuts it short; cancel pauses.
void Environnement::refreshReprise(long ecoule) {
    if (pauseDemandee()) return;
    reprise -= ecoule;
    if (reprise > 0 && !ok()) return;
    oublierOk();
    entrerEnJeu();
}

void Environnement::mettreEnPause() {
    if ((etat == ETAT_INTRO || etat == ETAT_REPRISE) && joueurs[0]) entrerEnJeu();
    // Play and the level end pause alike; the pause screen returns to the
    // state it was opened from.
    if (etat != ETAT_JEU && etat != ETAT_FIN_NIVEAU) return;
    etatAvantPause = etat;
    choixPause = 0;
    etat = ETAT_PAUSE;
    sons->pauseMusique();
}

// Cancel, or a pad's start button, pauses; true when it did.
bool Environnement::pauseDemandee() {
    if (!(non() || clavier->estPause(1) || (estDuel() && clavier->estPause(2)))) return false;
    mettreEnPause();
    oublierNon();
    clavier->initPause(1);
    clavier->initPause(2);
    return true;
}

void Environnement::refreshJeu(long ecoule) {
    if (pauseDemandee()) return;
    if (regarde) {
        avancerRegarde(ecoule);
        return;
    }
    fantome.avancer(ecoule);
    avancerJoueurs(ecoule);
}

void Environnement::avancerRegarde(long ecoule) {
    if (ok()) {
        oublierOk();
        vitesse = vitesse > 1 ? 1 : 2;
    }
    enAvance += ecoule * vitesse;
    long e = rejeuRegarde.prochaine(curseur);
    for (; e >= 0 && e <= enAvance && etat == ETAT_JEU; e = rejeuRegarde.prochaine(curseur)) {
        long pas = 0;
        Boutons b;
        rejeuRegarde.suivante(curseur, pas, b);
        enAvance -= pas;
        const Boutons boutons[2] = {b, Boutons()};
        avancerJoueurs(pas, boutons);
    }
    // The run ended without reaching the goal: nothing more to watch.
    if (e < 0 && etat == ETAT_JEU) etat = ETAT_QUITTE;
}

void Environnement::avancerJoueurs(long ecoule) {
    const Boutons boutons[2] = {Joueur::boutons(1), Joueur::boutons(2)};
    if (!estDuel()) enregistrement.image(ecoule, boutons[0]);
    avancerJoueurs(ecoule, boutons);
}

void Environnement::avancerJoueurs(long ecoule, const Boutons boutons[2]) {
    if (!joueurs[0]) return;
    Evenements ev;
    const ReglesMatch::Issue issue = regles.avancer(ecoule, boutons, niveaux->getGrille(), &ev);
    Joueur::rendre(ev);
    if (issue == ReglesMatch::NIVEAU_RATE) {
        // A watched run shows one attempt.
        if (regarde) etat = ETAT_QUITTE;
        else recommencerNiveau();
    } else if (issue == ReglesMatch::NIVEAU_REUSSI) {
        niveauReussi(regles.getTempsMs(1) - debutTentative);
        sons->chargerMusique(sons->musiqueFinNiveau);
        sons->jouerMusique(-1);
        etat = ETAT_FIN_NIVEAU;
    }
}

// Every player out: the same level again at once, with three lives each, or
// with the lives given (a restart from the pause). The failed attempt's time
// still counts; the intro's flyover was for the level's first attempt only.
void Environnement::recommencerNiveau(const int* vies) {
    niveaux->detruireNiveau();
    niveaux->chargerNiveau();
    if (niveaux->getNiveauIllisible()) {  // the level went away during the match
        etat = ETAT_NIVEAU_ILLISIBLE;
        return;
    }
    regles.recommencer(niveaux->getGrille());
    if (vies)
        for (int i = 0; i < 2; ++i)
            if (joueurs[i]) joueurs[i]->setVies(vies[i]);
    commencerTentative();
    // The play music goes on (or starts again after a level's end).
    if (etat != ETAT_JEU) {
        sons->chargerMusique(sons->musiqueJeu);
        sons->jouerMusique(-1);
    }
    etat = ETAT_REPRISE;
    reprise = DUREE_REPRISE;
    cameraZIntro = 0;
}

void Environnement::refreshFinNiveau(long ecoule) {
    if (!joueurs[0] || pauseDemandee()) return;
    cameraYFin += (ecoule * 3) / 1000.0f;
    fondu = std::min(cameraYFin / 5, 1.0f);  // the veil at most opaque
    if (cameraYFin > FIN_CAMERA_Y) etat = bilan ? ETAT_BILAN : ETAT_NIVEAU_SUIVANT;
}

void Environnement::refreshNiveauSuivant() {
    // A watched run is one level.
    if (regarde) {
        etat = ETAT_QUITTE;
        return;
    }
    niveaux->detruireNiveau();
    niveaux->niveauSuivant();
    niveaux->chargerNiveau();
    if (niveaux->getFinJeu()) {
        etat = niveaux->getNiveauIllisible() ? ETAT_NIVEAU_ILLISIBLE : ETAT_FIN_JEU;
        return;
    }
    regles.suivant(niveaux->getGrille());
    commencerTentative();
    sons->chargerMusique(sons->musiqueIntro);
    sons->jouerMusique(0);
    etat = ETAT_INTRO;
    cameraYFin = 0;
    fondu = 0;
}

bool Environnement::aDuProgresAPerdre() const {
    return estDuel() || (!niveaux->estNiveauSeul() && !niveaux->estFichierEssai() && !regarde);
}

void Environnement::choisirEnPause(ChoixPause choix) {
    if (etat == ETAT_PAUSE) choixPause = choix;
}

// The choice made on the pause screen since the last frame.
void Environnement::refreshPause() {
    const int choix = choixPause;
    choixPause = 0;
    if (choix == REPRENDRE) {
        etat = etatAvantPause;
        sons->jouerMusique(-1);
    } else if (choix == QUITTER) {
        etat = ETAT_QUITTE;
    } else if (choix == RECOMMENCER) {
        recommencerDepuisPause();
    }
}

// ---- Level clock, best times, summary and restart --------------------------

int Environnement::getTempsNiveauMs(int numero) const {
    return numero >= 1 && numero <= 2 ? regles.getTempsMs(numero) - debutNiveau[numero - 1] : 0;
}

void Environnement::noterDebutNiveau() {
    for (int i = 0; i < 2; ++i) {
        debutNiveau[i] = regles.getTempsMs(i + 1);
        viesDebut[i] = joueurs[i] ? joueurs[i]->getVies() : ReglesMatch::VIES_DEPART;
    }
}

// Solo: the level's records kept and its summary made, shown at the level end.
void Environnement::noterArrivee() {
    if (estDuel() || !joueurs[0]) return;
    bilan = std::make_unique<Bilan>(ArriveeNiveau::noter(*niveaux, getTempsNiveauMs(1), assistance.active()));
    ++numeroBilan;
}

void Environnement::confirmerBilan() {
    if (etat == ETAT_BILAN) bilanConfirme = true;
}

void Environnement::refreshBilan() {
    if (!bilanConfirme) return;
    bilanConfirme = false;
    bilan.reset();
    etat = ETAT_NIVEAU_SUIVANT;
}

void Environnement::recommencerDepuisPause() {
    bilan.reset();
    bilanConfirme = false;
    cameraYFin = 0;
    fondu = 0;
    // The attempt starts again with the lives it began with: its run records them.
    const int vies[2] = {viesDebut[0], viesDebut[1]};
    recommencerNiveau(vies);
}

// Under the players, the landing marker of player numero (0: every player)
// while it flies in play. A duel view shows its own player's only.
void Environnement::dessinerReperes(int numero) {
    if (etat != ETAT_JEU || !options->isRepereOn()) return;
    for (Joueur* j : joueurs) {
        if (!j || !j->enJeu() || (numero != 0 && j->getNumJoueur() != numero)) continue;
        const Arrivee a = Trajectoire::arrivee(j->getX(), j->getY(), j->getZ(), j->getVX(), j->getVY(), j->getVZ());
        RepereArrivee::dessiner(a.colonne, a.ligne, j->getColor());
    }
}

void Environnement::draw() {
    dessinerReperes(0);
    for (Joueur* j : joueurs)
        if (j) j->draw();
    if (joueurs[0] && etat != ETAT_INTRO) fantome.dessiner(*joueurs[0]);
    draw2D();
}

void Environnement::drawVue(int numero, float ratio) {
    dessinerReperes(numero);
    for (Joueur* j : joueurs)
        if (j) j->draw();
    if (niveaux->getFinJeu() || !getJoueur(numero)) return;
    begin2D();
    Dessin2D::couleur(1, 1, 1, 1);  // the other view's veils leave their colour behind
    hud->dessiner(LectureHUD::lire(*this, *niveaux), numero - 1, ratio);
    end2D();
}

void Environnement::draw2D() {
    if (niveaux->getFinJeu() || !joueurs[0]) return;
    const float r = options->getRatio();
    begin2D();
    hud->dessiner(LectureHUD::lire(*this, *niveaux), 0, r);
    end2D();
}
