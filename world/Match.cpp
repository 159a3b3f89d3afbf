// One match's start and end.
#include "world/Match.h"

#include <stdexcept>

#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

Match* Match::enCours = nullptr;

void Match::ouvrir() {
    if (enCours) throw std::logic_error("Match: a match is already on; the first must end before another starts");
    enCours = this;
    niveaux = new NiveauManager();
}

Match::Match() { ouvrir(); }

// The level manager comes first: the match state and the players read it as they are made.
Match::Match(int difficulte, const std::string& fichier, bool duel, int numero, bool seul) {
    ouvrir();
    try {
        niveaux->setDifficulte(difficulte);
        niveaux->setFichier(fichier);
        niveaux->setNumNiveau(numero);
        if (seul) niveaux->jouerSeul(numero);
        niveaux->chargerNiveau();
        environnement = new Environnement();
        environnement->ajouterJoueur(new Joueur(1));
        if (duel) environnement->ajouterJoueur(new Joueur(2));
    } catch (...) {
        fermer();  // no destructor runs for a match that was never made
        throw;
    }
}

Match::~Match() { fermer(); }

void Match::fermer() {
    delete environnement;
    environnement = nullptr;
    delete niveaux;
    niveaux = nullptr;
    enCours = nullptr;
}
