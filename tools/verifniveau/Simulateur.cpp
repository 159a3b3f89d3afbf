// The checker's flights, played by the game's Joueur on the game's NiveauManager.
#include "tools/verifniveau/Simulateur.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "settings/ClavierManager.h"
#include "world/Bloc.h"
#include "world/NiveauManager.h"
#include "world/TypeBloc.h"

namespace {

const int CODE_ALEATOIRE = 8;

// The seed after which rand() % 4 is issue: found by trying, so it holds for
// whatever C library the game runs on.
int graine(int issue) {
    for (int s = 1;; ++s) {
        std::srand(static_cast<unsigned>(s));
        if (std::rand() % 4 == issue) return s;
    }
}

}  // namespace

Simulateur::Simulateur(const FichierNiveau& niveau, const std::string& chemin, int pas)
    : lu(niveau), niveaux(NiveauManager::getInstance()), pas(pas) {
    niveaux->setFichier(chemin);
    niveaux->detruireNiveau();
    niveaux->chargerNiveau();
    joueur = std::make_unique<Joueur>(1);
    joueur->setTemps(niveaux->getTemps());
    initial = joueur->capturer();
    for (int i = 0; i < 4; ++i) graines[i] = graine(i);
    for (int code : lu.codes) aleatoires = aleatoires || code == CODE_ALEATOIRE;
}

Simulateur::~Simulateur() {
    lacherTout();
    joueur.reset();
    NiveauManager::kill();
}

void Simulateur::tenir(int bouton, bool tenu) {
    if (tenus[bouton] == tenu) return;
    tenus[bouton] = tenu;
    SDL_Event e{};
    e.type = tenu ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = static_cast<SDLKey>(ClavierManager::getInstance()->getTouche(bouton));
    ClavierManager::getInstance()->key(e);
}

void Simulateur::lacherTout() {
    for (int b = 0; b < 4; ++b) tenir(b, false);
}

void Simulateur::appliquer(int modif, bool mettre) {
    const int cellule = modif / 2, largeur = lu.colonnes + 1;
    const float c = static_cast<float>(cellule % largeur), r = static_cast<float>(cellule / largeur);
    if (modif % 2) {
        if (Bloc* b = niveaux->getBloc(c, r)) b->setSolid(!mettre);
    } else {
        niveaux->remplacer(c, r, mettre ? TypeBloc::UTILISE : lu.code(cellule / largeur, cellule % largeur));
    }
}

// Brings the level from the changes it holds to those of the state.
void Simulateur::synchroniser(const std::vector<int>& modifs) {
    if (modifs == courant) return;
    for (int m : courant)
        if (!std::binary_search(modifs.begin(), modifs.end(), m)) appliquer(m, false);
    for (int m : modifs)
        if (!std::binary_search(courant.begin(), courant.end(), m)) appliquer(m, true);
    courant = modifs;
}

int Simulateur::codeAttendu(int colonne, int ligne, const std::vector<int>& modifs) const {
    const int cellule = ligne * (lu.colonnes + 1) + colonne;
    if (std::binary_search(modifs.begin(), modifs.end(), cellule * 2)) return TypeBloc::UTILISE;
    if (std::binary_search(modifs.begin(), modifs.end(), cellule * 2 + 1)) return 0;
    return lu.code(ligne, colonne);
}

Vol Simulateur::depart() {
    EtatVol e;
    e.joueur = initial;
    return voler(e, Plan{}, 0);
}

Vol Simulateur::voler(const EtatVol& e, const Plan& plan, int issue) {
    const int zero[4] = {0, 0, 0, 0};
    return volerDecale(e, plan, issue, zero);
}

Vol Simulateur::volerDecale(const EtatVol& e, const Plan& plan, int issue, const int d[4]) {
    ++vols;
    synchroniser(e.modifs);
    joueur->restaurer(e.joueur);
    if (aleatoires) std::srand(static_cast<unsigned>(graines[issue & 3]));
    Appui z = plan.z, x = plan.x;
    z.debut += d[0], x.debut += d[2];
    if (z.fin >= 0) z.fin = std::max(z.debut, z.fin + d[1]);
    if (x.fin >= 0) x.fin = std::max(x.debut, x.fin + d[3]);
    Vol v;
    v.apres = e;
    for (long t = 0; t < VOL_MAX; t += pas) {
        tenir(ClavierManager::HAUT, z.sens < 0 && z.tenu(t));
        tenir(ClavierManager::BAS, z.sens > 0 && z.tenu(t));
        tenir(ClavierManager::GAUCHE, x.sens < 0 && x.tenu(t));
        tenir(ClavierManager::DROITE, x.sens > 0 && x.tenu(t));
        const int etatAvant = joueur->getEtat(), viesAvant = joueur->getVies();
        const float vyAvant = joueur->getVY();
        if (joueur->enJeu()) v.apres.ecoule += pas;
        joueur->refresh(pas);
        v.apres.viesPerdues += std::max(0, viesAvant - joueur->getVies());
        const int etat = joueur->getEtat();
        const bool atterri = etat == ETAT_JOUEUR_EN_JEU && etatAvant == ETAT_JOUEUR_EN_JEU && joueur->getVY() > vyAvant;
        if (etat == ETAT_JOUEUR_ARRIVE || atterri) {
            v.fin = etat == ETAT_JOUEUR_ARRIVE ? FinVol::ARRIVE : FinVol::ATTERRI;
            v.duree = t + pas;
            return finir(v, e);
        }
        // Out of time or of lives; and a missed block ends a route's flight
        // there, unless the flight is a replay that plays falls out.
        if (etat != ETAT_JOUEUR_EN_JEU && (etat != ETAT_JOUEUR_CHUTE || !chutes)) break;
    }
    lacherTout();
    v.fin = FinVol::PERDU;
    return v;
}

// The landing cell, the change it made to the level, and whether it was too
// near an edge to count on.
Vol Simulateur::finir(Vol v, const EtatVol& e) {
    lacherTout();
    const float x = joueur->getX(), z = joueur->getZ();
    v.colonne = static_cast<int>(x + 0.5f);
    v.ligne = static_cast<int>(z + 0.5f);
    v.code = codeAttendu(v.colonne, v.ligne, e.modifs);
    v.aleatoire = v.code == CODE_ALEATOIRE;
    v.apres.joueur = joueur->capturer();
    const int cellule = v.ligne * (lu.colonnes + 1) + v.colonne;
    Bloc* bloc = niveaux->getBloc(x, z);
    int modif = -1;
    if (bloc && !bloc->isSolid() && v.code != 0) modif = cellule * 2 + 1;
    else if (bloc && bloc->getType() == TypeBloc::UTILISE && v.code != TypeBloc::UTILISE) modif = cellule * 2;
    if (modif >= 0) {
        v.apres.modifs.insert(std::lower_bound(v.apres.modifs.begin(), v.apres.modifs.end(), modif), modif);
        courant = v.apres.modifs;
    }
    const float limite = 0.5f - marge;
    if (std::fabs(x - v.colonne) > limite || std::fabs(z - v.ligne) > limite) v.fin = FinVol::PERDU;
    return v;
}
