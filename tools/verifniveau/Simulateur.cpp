// The checker's flights, played by the game's own player rules on the level's rules grid.
#include "tools/verifniveau/Simulateur.h"

#include <algorithm>
#include <cmath>

#include "world/TypeBloc.h"

namespace {

const int CODE_ALEATOIRE = 8;

}  // namespace

Simulateur::Simulateur(const FichierNiveau& niveau, const std::string&, int pas) : lu(niveau), grille(niveau), pas(pas) {
    joueur.vies = 3;
    joueur.initialiser(grille);
    joueur.temps = grille.getTemps() * 1000.0f;
    initial = joueur.capturer();
    for (int code : lu.codes) aleatoires = aleatoires || code == CODE_ALEATOIRE;
}

void Simulateur::appliquer(int modif, bool mettre) {
    const int cellule = modif / 2, largeur = lu.colonnes + 1;
    if (modif % 2) {
        if (grille.code(cellule)) grille.setSolide(cellule, !mettre);
    } else {
        grille.remplacer(cellule, mettre ? TypeBloc::UTILISE : lu.code(cellule / largeur, cellule % largeur));
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
    joueur.restaurer(e.joueur);
    if (aleatoires) hasard.forcer(issue & 3);
    Appui z = plan.z, x = plan.x;
    z.debut += d[0], x.debut += d[2];
    if (z.fin >= 0) z.fin = std::max(z.debut, z.fin + d[1]);
    if (x.fin >= 0) x.fin = std::max(x.debut, x.fin + d[3]);
    Vol v;
    v.apres = e;
    for (long t = 0; t < VOL_MAX; t += pas) {
        Boutons b;
        b.haut = z.sens < 0 && z.tenu(t);
        b.bas = z.sens > 0 && z.tenu(t);
        b.gauche = x.sens < 0 && x.tenu(t);
        b.droite = x.sens > 0 && x.tenu(t);
        const int etatAvant = joueur.etat, viesAvant = joueur.vies;
        const float vyAvant = joueur.vy;
        if (joueur.etat == ETAT_JOUEUR_EN_JEU) v.apres.ecoule += pas;
        joueur.avancer(pas, b, grille, hasard, nullptr);
        v.apres.viesPerdues += std::max(0, viesAvant - joueur.vies);
        const int etat = joueur.etat;
        const bool atterri = etat == ETAT_JOUEUR_EN_JEU && etatAvant == ETAT_JOUEUR_EN_JEU && joueur.vy > vyAvant;
        if (etat == ETAT_JOUEUR_ARRIVE || atterri) {
            v.fin = etat == ETAT_JOUEUR_ARRIVE ? FinVol::ARRIVE : FinVol::ATTERRI;
            v.duree = t + pas;
            return finir(v, e);
        }
        // Out of time or of lives; and a missed block ends a route's flight
        // there, unless the flight is a replay that plays falls out.
        if (etat != ETAT_JOUEUR_EN_JEU && (etat != ETAT_JOUEUR_CHUTE || !chutes)) break;
        if (interdite[0] > 0 && static_cast<int>(joueur.z + 0.5f) == interdite[0] &&
            static_cast<int>(joueur.x + 0.5f) == interdite[1])
            break;
    }
    // The last frame may have used or broken the block under the player (a
    // magenta clock that ran the time out, a broken heart that took the last
    // life): the next flight must find it as the state it starts from says.
    remettre(grille.indice(joueur.x, joueur.z), e.modifs);
    v.fin = FinVol::PERDU;
    return v;
}

void Simulateur::remettre(int cellule, const std::vector<int>& modifs) {
    if (cellule < 0) return;
    const int largeur = lu.colonnes + 1;
    const bool utilise = std::binary_search(modifs.begin(), modifs.end(), cellule * 2);
    const bool casse = std::binary_search(modifs.begin(), modifs.end(), cellule * 2 + 1);
    grille.remplacer(cellule, utilise ? TypeBloc::UTILISE : lu.code(cellule / largeur, cellule % largeur));
    if (grille.code(cellule)) grille.setSolide(cellule, !casse);
}

// The landing cell, the change it made to the level, and whether it was too
// near an edge to count on.
Vol Simulateur::finir(Vol v, const EtatVol& e) {
    const float x = joueur.x, z = joueur.z;
    v.colonne = static_cast<int>(x + 0.5f);
    v.ligne = static_cast<int>(z + 0.5f);
    v.code = codeAttendu(v.colonne, v.ligne, e.modifs);
    v.aleatoire = v.code == CODE_ALEATOIRE;
    v.apres.joueur = joueur.capturer();
    const int cellule = v.ligne * (lu.colonnes + 1) + v.colonne;
    const int ici = grille.indice(x, z);
    const bool bloc = ici >= 0 && grille.code(ici) != 0;
    int modif = -1;
    if (bloc && !grille.solide(ici) && v.code != 0) modif = cellule * 2 + 1;
    else if (bloc && grille.code(ici) == TypeBloc::UTILISE && v.code != TypeBloc::UTILISE) modif = cellule * 2;
    if (modif >= 0) {
        v.apres.modifs.insert(std::lower_bound(v.apres.modifs.begin(), v.apres.modifs.end(), modif), modif);
        courant = v.apres.modifs;
    }
    const float limite = 0.5f - marge;
    if (std::fabs(x - v.colonne) > limite || std::fabs(z - v.ligne) > limite) v.fin = FinVol::PERDU;
    return v;
}
