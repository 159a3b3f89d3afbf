// The block-type table.
#include "world/TypeBloc.h"

#include "settings/LangManager.h"

namespace {

const Poussee AUCUNE{Poussee::Z, 0, 0, false};
const Poussee AVANT{Poussee::Z, -2, -4, true};
const Poussee ARRIERE{Poussee::Z, 2, 4, true};
const Poussee GAUCHE{Poussee::X, -3, -6, true};
const Poussee DROITE{Poussee::X, 3, 6, true};
const Poussee SAUT_LONG{Poussee::Z, -4, -4, false};

const TypeBloc TABLE[] = {
    // code name          tile   sound             kind  vy    horizontal                     push       effect              used  editor's name
    {1, "plain",          false, SonBloc::REBOND,  0,    5,    Horizontal::INCHANGEE,         AUCUNE,    Effet::REPRISE,     false, LangManager::BLOC_PIERRE},
    {2, "extra life",     false, SonBloc::BONUS,   1,    5.5f, Horizontal::ELAN,              AUCUNE,    Effet::GAGNER_VIE,  true,  LangManager::BLOC_VIE_PLUS},
    {3, "lost life",      false, SonBloc::MALUS,   1,    2.5f, Horizontal::ARRET,             AUCUNE,    Effet::PERDRE_VIE,  true,  LangManager::BLOC_VIE_MOINS},
    {4, "push forward",   false, SonBloc::REBOND2, 2,    6,    Horizontal::POUSSEE,           AVANT,     Effet::AUCUN,       true,  LangManager::BLOC_AVANT},
    {5, "push back",      false, SonBloc::REBOND2, 2,    6,    Horizontal::POUSSEE,           ARRIERE,   Effet::AUCUN,       true,  LangManager::BLOC_ARRIERE},
    {6, "push left",      false, SonBloc::REBOND2, 2,    6,    Horizontal::POUSSEE,           GAUCHE,    Effet::AUCUN,       true,  LangManager::BLOC_GAUCHE},
    {7, "push right",     false, SonBloc::REBOND2, 2,    6,    Horizontal::POUSSEE,           DROITE,    Effet::AUCUN,       true,  LangManager::BLOC_DROITE},
    {8, "random push",    false, SonBloc::REBOND2, 2,    6,    Horizontal::POUSSEE_ALEATOIRE, AUCUNE,    Effet::AUCUN,       true,  LangManager::BLOC_HASARD},
    {10, "long jump",     false, SonBloc::REBOND2, 2,    7,    Horizontal::POUSSEE,           SAUT_LONG, Effet::AUCUN,       false, LangManager::BLOC_SAUT},
    {20, "breakable",     true,  SonBloc::OPEN,    0,    5,    Horizontal::INCHANGEE,         AUCUNE,    Effet::CASSER,      false, LangManager::BLOC_CASSABLE},
    {30, "extra time",    false, SonBloc::BONUS,   1,    5.5f, Horizontal::ELAN,              AUCUNE,    Effet::TEMPS_PLUS,  true,  LangManager::BLOC_TEMPS_PLUS},
    {31, "lost time",     false, SonBloc::MALUS,   1,    5.5f, Horizontal::ELAN,              AUCUNE,    Effet::TEMPS_MOINS, true,  LangManager::BLOC_TEMPS_MOINS},
    {100, "goal",         false, SonBloc::REBOND,  -1,   -1,   Horizontal::INCHANGEE,         AUCUNE,    Effet::ARRIVEE,     false, LangManager::BLOC_ARRIVEE},
    {101, "used",         false, SonBloc::REBOND,  0,    5,    Horizontal::INCHANGEE,         AUCUNE,    Effet::REPRISE,     false, 0},
};

}  // namespace

// rand() % 4: 0 pushes right, 1 left, 2 back, 3 forward (harder than type 4's).
const Poussee TypeBloc::POUSSEES_ALEATOIRES[4] = {
    DROITE, GAUCHE, ARRIERE, {Poussee::Z, -3, -6, true}};

const float TypeBloc::FACTEUR_ELAN = 1.4f;
const int TypeBloc::BONUS_TEMPS_MS = 10000;

const TypeBloc* TypeBloc::table() { return TABLE; }
int TypeBloc::taille() { return static_cast<int>(sizeof TABLE / sizeof TABLE[0]); }

const TypeBloc* TypeBloc::pour(int code) {
    for (const TypeBloc& t : TABLE)
        if (t.code == code) return &t;
    return nullptr;
}
