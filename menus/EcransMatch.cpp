// The pause screen and the summary over a match: made when the match's state calls for them.
#include "menus/EcransMatch.h"

#include "menus/MenuBilan.h"
#include "menus/MenuPause.h"
#include "render/Dessin2D.h"
#include "world/Environnement.h"
#include "world/NiveauManager.h"

static_assert(static_cast<int>(Environnement::REPRENDRE) == MenuPause::REPRENDRE &&
                  static_cast<int>(Environnement::QUITTER) == MenuPause::QUITTER &&
                  static_cast<int>(Environnement::RECOMMENCER) == MenuPause::RECOMMENCER,
              "the pause screen's codes are the match's choices");

EcransMatch::EcransMatch(NiveauManager& n, Environnement& m) : niveaux(n), match(m) {}

EcransMatch::~EcransMatch() = default;

void EcransMatch::avancer(long ecoule) {
    if (!niveaux.getFinJeu()) {
        lirePause(ecoule);
        lireBilan(ecoule);
    }
    niveaux.refresh(ecoule);
    match.refresh(ecoule);
    suivre();
}

// A pause opened between frames (the window lost its focus) is read at once;
// one opened by the match's own frame, from the next frame on.
void EcransMatch::lirePause(long ecoule) {
    if (match.getEtat() != ETAT_PAUSE) return;
    suivre();
    pause->refresh(ecoule);
    const int code = pause->getCode();
    if (code == 0) return;
    if (code != MenuPause::QUITTER) pause->reset();  // ready for the next pause
    match.choisirEnPause(static_cast<Environnement::ChoixPause>(code));
}

void EcransMatch::lireBilan(long ecoule) {
    if (match.getEtat() != ETAT_BILAN || !bilan) return;
    bilan->refresh(ecoule);
    if (bilan->getCode() != 0) match.confirmerBilan();
}

// The pause screen and its full-screen picture exist from the first pause on;
// the summary lives as long as the match's.
void EcransMatch::suivre() {
    if (match.getEtat() == ETAT_PAUSE && !pause)
        pause = std::make_unique<MenuPause>(!match.estDuel(), match.aDuProgresAPerdre());
    const Bilan* b = match.getBilan();
    if (!b) {
        bilan.reset();
    } else if (!bilan || numeroBilan != match.getNumeroBilan()) {
        bilan = std::make_unique<MenuBilan>(*b);
        numeroBilan = match.getNumeroBilan();
    }
}

void EcransMatch::dessinerBilan() const {
    if (match.getEtat() != ETAT_BILAN || !bilan || niveaux.getFinJeu()) return;
    Dessin2D::debut();
    bilan->draw();
    Dessin2D::fin();
}

void EcransMatch::dessinerPause() const {
    if (match.getEtat() != ETAT_PAUSE || !pause) return;
    Dessin2D::debut();
    Dessin2D::couleur(1, 1, 1, 1);
    pause->draw();
    Dessin2D::fin();
}
