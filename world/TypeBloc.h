// The block-type table: the one place that says what landing on each block code does.
#pragma once

// The sound a landing plays; the player maps it onto the sound manager's effects.
enum class SonBloc { AUCUN, REBOND, REBOND2, BONUS, MALUS, OPEN };

// A push along one axis: the velocity on that axis becomes base, or fort when
// it already reached base in the push's direction. annuleAutreAxe stops the
// other axis.
struct Poussee {
    enum Axe { X, Z } axe;
    float base;
    float fort;
    bool annuleAutreAxe;
};

// What a landing does with the horizontal velocity.
enum class Horizontal { INCHANGEE, ELAN, ARRET, POUSSEE, POUSSEE_ALEATOIRE };

// What else a landing does.
enum class Effet { AUCUN, REPRISE, GAGNER_VIE, PERDRE_VIE, CASSER, TEMPS_PLUS, TEMPS_MOINS, ARRIVEE };

struct TypeBloc {
    int code;
    const char* nom;
    bool cassable;      // built as a thin breakable tile
    SonBloc son;
    int typeRebond;     // camera and spin: 0 normal, 1 bonus or malus, 2 spring; -1 unchanged
    float vy;           // new vertical speed; negative: unchanged
    Horizontal horizontal;
    Poussee poussee;    // for Horizontal::POUSSEE
    Effet effet;
    bool devientUtilise;  // replaced by a used block (type 101) afterwards
    int ligneNom;         // its name's language line in the editor's palette; 0: not offered (the used block)

    // The entry of a block code; nullptr for a code with no meaning (an inert
    // block, drawn and solid, that does nothing when landed on).
    static const TypeBloc* pour(int code);
    // The whole table, in order.
    static const TypeBloc* table();
    static int taille();
    // The four pushes a random push block draws from, by rand() % 4.
    static const Poussee POUSSEES_ALEATOIRES[4];

    static const float FACTEUR_ELAN;   // horizontal speed multiplier of bonus blocks
    static const int BONUS_TEMPS_MS;   // time given or taken by the time blocks
    static constexpr int UTILISE = 101;
};
