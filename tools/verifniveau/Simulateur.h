// Plays one flight of the level at a time through the game's own rules (player body and grid): from a
// landing state, with a plan of held keys, up to the next landing.
#pragma once

#include <vector>

#include "tools/verifniveau/Plan.h"
#include "world/FichierNiveau.h"
#include "world/noyau/CorpsJoueur.h"
#include "world/noyau/GrilleNiveau.h"
#include "world/noyau/Hasard.h"

// A landing: the player just bounced, and what the level looks like then.
struct EtatVol {
    CorpsJoueur::Instantane joueur{};
    std::vector<int> modifs;  // cells changed so far, sorted: cell * 2 + 1 when broken, cell * 2 when used
    long ecoule = 0;          // play time so far, in ms
    int viesPerdues = 0;
};

enum class FinVol { ATTERRI, ARRIVE, PERDU };

struct Vol {
    FinVol fin = FinVol::PERDU;
    EtatVol apres;
    int colonne = 0, ligne = 0;  // the cell landed on
    int code = 0;                // its block code before the landing
    long duree = 0;              // ms from the bounce to the landing
    bool aleatoire = false;      // landed on a random push: the other outcomes exist too
};

class Simulateur {
public:
    // The level must be accepted; pas is the fixed frame step in ms.
    Simulateur(const FichierNiveau& niveau, const std::string& chemin, int pas);

    // The first landing, on the start block, before any key.
    Vol depart();
    // The player on the start cell before the first frame, for a flight to
    // the first landing with keys already held.
    EtatVol etatInitial() const {
        EtatVol e;
        e.joueur = initial;
        return e;
    }
    // From a landing, the flight with that plan; a random push landed on
    // throws the way issue (0 to 3, in the block table's order) says.
    Vol voler(const EtatVol& e, const Plan& plan, int issue = 0);
    // Same, with the key times of the plan moved by decalages (ms, four
    // values: z start, z end, x start, x end) for the slack measurement.
    Vol volerDecale(const EtatVol& e, const Plan& plan, int issue, const int decalages[4]);

    // Landings closer than this to a cell's edge are refused: a route must
    // not depend on hair-width timing.
    static constexpr float MARGE = 0.2f;
    static constexpr long VOL_MAX = 8000;  // a flight longer than this goes nowhere

    const FichierNiveau& niveau() const { return lu; }
    int getPas() const { return pas; }
    void setPas(int p) { pas = p; }
    // A replay plays like the game: any landing counts, a missed block costs a
    // life and puts the player back. The search does neither.
    void setRejeu(bool r) { marge = r ? 0 : MARGE, chutes = r; }
    // A cell no flight may cross, landing or in the air (grid row and column,
    // from 1): the safe route of a fork avoids it. Row 0 lifts it.
    void setInterdite(int ligne, int colonne) { interdite[0] = ligne, interdite[1] = colonne; }
    long volsSimules() const { return vols; }

private:
    void synchroniser(const std::vector<int>& modifs);
    void appliquer(int modif, bool mettre);
    // One cell back to what the changes modifs say.
    void remettre(int cellule, const std::vector<int>& modifs);
    int codeAttendu(int colonne, int ligne, const std::vector<int>& modifs) const;
    Vol finir(Vol v, const EtatVol& e);

    FichierNiveau lu;
    GrilleNiveau grille;
    CorpsJoueur joueur{1};
    Hasard hasard;
    CorpsJoueur::Instantane initial;  // on the start cell, before the first frame
    std::vector<int> courant;  // the changes the level holds now
    int pas;
    float marge = MARGE;
    bool chutes = false;
    bool aleatoires = false;  // the level holds a random push
    int interdite[2] = {0, 0};
    long vols = 0;
};
