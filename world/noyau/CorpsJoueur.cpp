// One player's rules: the same float operations in the same order on every machine, so a replay or the level
// checker sees exactly what the game saw.
#include "world/noyau/CorpsJoueur.h"

#include <cmath>

#include "world/TypeBloc.h"
#include "world/noyau/GrilleNiveau.h"
#include "world/noyau/Hasard.h"

namespace {

const float GRAVITE = 0.17f / 20;          // vy lost per millisecond: 8.5 units/s^2
const float PREMIERE_Z = 0.002f, PREMIERE_X = 0.004f;
const float CROISSANCE_Z = 0.00001f / 50, CROISSANCE_X = 0.0005f / 50;
const float DELAI_MAINTIEN = 300;
const float VZ_MAX = 4, VX_MAX = 6;
const float PROFONDEUR_CHUTE = -2;
const float ZONE_MORTE = 0.2f;

float borner(float v, float limite) { return v < -limite ? -limite : (v > limite ? limite : v); }

void emettre(Evenements* ev, const Evenement& e) {
    if (ev) ev->push_back(e);
}

}  // namespace

void CorpsJoueur::initialiser(const GrilleNiveau& g) {
    resetPosition(g);
    etat = ETAT_JOUEUR_EN_JEU;
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    vx = vy = vz = 0;
    temps = 120;
    suspendu = false;
    depuisReprise = 0;
}

// Entering either end state: the animation and the game-over music start.
// In a duel the music is shared and follows the level, not one player.
void CorpsJoueur::finDeVie(int etatFinal, Evenements* ev) {
    etat = etatFinal;
    tempsAnimation = DUREE_ANIMATION;
    if (enDuel) return;
    emettre(ev, {Evenement::MUSIQUE_FIN, SonBloc::AUCUN, 0, 0, 0});
}

void CorpsJoueur::gagnerVie() {
    if (vies < VIES_MAX) ++vies;
}

void CorpsJoueur::perdreVie(Evenements* ev) {
    if (vies <= 0) return;
    if (--vies == 0) finDeVie(ETAT_JOUEUR_SANS_VIE, ev);
}

void CorpsJoueur::setVies(int n, Evenements* ev) {
    vies = n;
    if (n <= 0) {
        vies = 0;
        finDeVie(ETAT_JOUEUR_SANS_VIE, ev);
    }
}

void CorpsJoueur::resetPosition(const GrilleNiveau& g) {
    x = g.getDepartX();
    z = g.getDepartZ();
    if (enDuel) x = colonneDuel(x, z, g);
    y = 0;
    cameraX = x;
    cameraY = 0;
    cameraZ = z;
}

// The first pair of columns of the start row that both hold a block: the two
// beside the middle, then the middle with either neighbour; failing those,
// both players share the middle block (they pass through each other).
float CorpsJoueur::colonneDuel(float milieu, float ligne, const GrilleNiveau& g) const {
    const float centre = static_cast<float>(static_cast<int>(milieu + 0.5f));
    const float gauche = std::ceil(milieu) - 1, droite = std::floor(milieu) + 1;
    const float paires[][2] = {{gauche, droite}, {gauche, centre}, {centre, droite}};
    for (const auto& p : paires)
        if (g.collision(p[0], ligne) && g.collision(p[1], ligne)) return p[numJoueur == 1 ? 0 : 1];
    return milieu;
}

void CorpsJoueur::resetDeplacement() {
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    y = 0;
}

CorpsJoueur::Instantane CorpsJoueur::capturer() const {
    return {x, y, z, vx, vy, vz, accelerationZ, accelerationX, dureeZ, dureeX, temps, sauvegardeX, sauvegardeZ,
            etat, vies, typeRebond, tempsAnimation, suspendu, depuisReprise};
}

void CorpsJoueur::restaurer(const Instantane& i) {
    x = i.x, y = i.y, z = i.z, vx = i.vx, vy = i.vy, vz = i.vz;
    accelerationZ = i.accelerationZ, accelerationX = i.accelerationX, dureeZ = i.dureeZ, dureeX = i.dureeX;
    temps = i.temps, sauvegardeX = i.sauvegardeX, sauvegardeZ = i.sauvegardeZ;
    etat = i.etat, vies = i.vies, typeRebond = i.typeRebond, tempsAnimation = i.tempsAnimation;
    suspendu = i.suspendu, depuisReprise = i.depuisReprise;
}

void CorpsJoueur::sauvegardePosition(const GrilleNiveau& g) {
    const float cx = static_cast<float>(static_cast<int>(x + 0.5f));
    const float cz = static_cast<float>(static_cast<int>(z + 0.4f));
    if (g.collision(cx, cz)) {
        sauvegardeX = cx;
        sauvegardeZ = cz;
    }
}

void CorpsJoueur::avancer(long ecoule, const Boutons& b, GrilleNiveau& g, Hasard& h, Evenements* ev) {
    if (etat == ETAT_JOUEUR_EN_JEU || etat == ETAT_JOUEUR_CHUTE) pesenteur(ecoule, g, ev);
    gestionDeplacements(ecoule, b);
    // Plain Euler step, axis by axis.
    x = x + (ecoule * vx) / 1000.0f;
    y = y + (ecoule * vy) / 1000.0f;
    z = z + (ecoule * vz) / 1000.0f;
    freinAuContact = freinDerive && !b.gauche && !b.droite;
    collision(g, h, ev);
    switch (etat) {
        case ETAT_JOUEUR_EN_JEU:
            cameraX = x;
            cameraY = typeRebond == 0 ? 0 : y / 3;
            cameraZ = z;
            temps -= ecoule;
            if (temps <= 0) {
                temps = 0;
                finDeVie(ETAT_JOUEUR_TEMPS_ECOULE, ev);
                vx = vy = vz = 0;
            }
            break;
        case ETAT_JOUEUR_TEMPS_ECOULE:
        case ETAT_JOUEUR_SANS_VIE:
            if (tempsAnimation > 0) {
                tempsAnimation -= static_cast<int>(ecoule);
                if (etat == ETAT_JOUEUR_SANS_VIE) vx = vy = vz = 0;
            } else {
                tempsAnimation = 0;
                etat = ETAT_JOUEUR_ELIMINE;
            }
            break;
        default:
            break;
    }
}

// A fall below the block tops costs a life; with lives left the player comes
// back on the last plain block it bounced on (or the start, when that block
// is gone).
void CorpsJoueur::pesenteur(long ecoule, const GrilleNiveau& g, Evenements* ev) {
    vy -= ecoule * GRAVITE;
    if (etat != ETAT_JOUEUR_CHUTE || y >= PROFONDEUR_CHUTE) return;
    perdreVie(ev);
    if (vies <= 0) return;
    if (g.collision(sauvegardeX, sauvegardeZ)) {
        x = sauvegardeX;
        z = sauvegardeZ;
    } else {
        resetPosition(g);
    }
    y = 0;
    vx = vy = vz = 0;
    accelerationZ = accelerationX = 0;
    dureeZ = dureeX = 0;
    etat = ETAT_JOUEUR_EN_JEU;
    // Keys still held from before the fall would throw the player straight
    // off again: they count only once let go, or after a moment.
    suspendu = true;
    depuisReprise = 0;
}

void CorpsJoueur::piloter(bool negatif, bool positif, float& acceleration, float& duree, float& vitesse,
                          float premiere, float croissance, long ecoule) {
    if (!negatif && !positif) {
        acceleration = 0;
        duree = 0;
        return;
    }
    const float sens = negatif ? -1.0f : 1.0f;
    if (acceleration * sens < premiere) {  // a new press, or a change of direction
        acceleration = sens * premiere;
        duree = 0;
    }
    if (duree < DELAI_MAINTIEN)
        duree += ecoule;
    else
        acceleration += sens * ecoule * croissance;
    vitesse += ecoule * acceleration;
}

void CorpsJoueur::gestionDeplacements(long ecoule, const Boutons& b) {
    if (etat == ETAT_JOUEUR_CHUTE) {
        repositionner();
        return;
    }
    if (etat != ETAT_JOUEUR_EN_JEU) return;
    if (suspendu) {
        depuisReprise += ecoule;
        if (!b.pilote() || depuisReprise >= DELAI_REPRISE) suspendu = false;
    }
    const Boutons lache;
    gererPilotage(ecoule, suspendu ? lache : b);
}

void CorpsJoueur::gererPilotage(long ecoule, const Boutons& b) {
    piloter(b.haut, b.bas, accelerationZ, dureeZ, vz, PREMIERE_Z, CROISSANCE_Z, ecoule);
    piloter(b.gauche, b.droite, accelerationX, dureeX, vx, PREMIERE_X, CROISSANCE_X, ecoule);
    vz = borner(vz, VZ_MAX);
    vx = borner(vx, VX_MAX);
}

// While falling, drift toward the middle of the missed cell.
void CorpsJoueur::repositionner() {
    const float cx = static_cast<float>(static_cast<int>(x + 0.5f));
    const float cz = static_cast<float>(static_cast<int>(z + 0.4f));
    vx = x > cx + ZONE_MORTE ? -1.0f : (x < cx - ZONE_MORTE ? 1.0f : 0.0f);
    vz = z > cz + ZONE_MORTE ? -1.0f : (z < cz - ZONE_MORTE ? 1.0f : 0.0f);
}

// The velocity on the push's axis becomes base, or fort when it already
// reached base in that direction.
void CorpsJoueur::pousser(const Poussee& p) {
    float& v = p.axe == Poussee::X ? vx : vz;
    float& autre = p.axe == Poussee::X ? vz : vx;
    const bool dejaLance = p.base < 0 ? v <= p.base : v >= p.base;
    v = dejaLance ? p.fort : p.base;
    if (p.annuleAutreAxe) autre = 0;
}

// The landing test: only the cell under the player's centre counts. What each
// block does is read from the block-type table.
void CorpsJoueur::collision(GrilleNiveau& g, Hasard& h, Evenements* ev) {
    if (!(y < 0 && etat == ETAT_JOUEUR_EN_JEU)) return;
    if (!g.collision(x, z)) {
        etat = ETAT_JOUEUR_CHUTE;
        emettre(ev, {Evenement::SON, SonBloc::MALUS, 0, 0, 0});
        return;
    }
    const TypeBloc* type = TypeBloc::pour(g.getType(x, z));
    if (!type) return;  // an inert block: the player sinks through it
    emettre(ev, {Evenement::SON, type->son, 0, 0, 0});
    if (type->typeRebond >= 0) typeRebond = type->typeRebond;
    if (type->vy >= 0) vy = type->vy;
    if (freinAuContact) vx = 0;
    switch (type->horizontal) {
        case Horizontal::ELAN:
            vx *= TypeBloc::FACTEUR_ELAN;
            vz *= TypeBloc::FACTEUR_ELAN;
            break;
        case Horizontal::ARRET: vx = vz = 0; break;
        case Horizontal::POUSSEE: pousser(type->poussee); break;
        case Horizontal::POUSSEE_ALEATOIRE: pousser(TypeBloc::POUSSEES_ALEATOIRES[h.tirer(4)]); break;
        case Horizontal::INCHANGEE: break;
    }
    switch (type->effet) {
        case Effet::GAGNER_VIE: gagnerVie(); break;
        case Effet::PERDRE_VIE: perdreVie(ev); break;
        case Effet::TEMPS_PLUS: temps += TypeBloc::BONUS_TEMPS_MS; break;
        case Effet::TEMPS_MOINS: temps -= TypeBloc::BONUS_TEMPS_MS; break;
        case Effet::ARRIVEE: etat = ETAT_JOUEUR_ARRIVE; break;
        default: break;
    }
    resetDeplacement();
    if (type->effet == Effet::REPRISE) sauvegardePosition(g);
    const int i = g.indice(x, z), largeur = g.getLargeur();
    if (type->effet == Effet::CASSER) {
        g.setSolide(i, false);
        emettre(ev, {Evenement::BLOC_CASSE, SonBloc::AUCUN, i % largeur, i / largeur, 0});
    }
    if (type->devientUtilise) {
        g.remplacer(i, TypeBloc::UTILISE);
        emettre(ev, {Evenement::BLOC_REMPLACE, SonBloc::AUCUN, i % largeur, i / largeur, TypeBloc::UTILISE});
    }
}
