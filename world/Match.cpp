// One match's start and end.
#include "world/Match.h"

#include "world/Environnement.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

Match::Match(int difficulte, const std::string& fichier, bool duel, int numero, bool seul)
    : niveaux(NiveauManager::getInstance()), environnement(Environnement::getInstance()) {
    niveaux->setDifficulte(difficulte);
    niveaux->setFichier(fichier);
    niveaux->setNumNiveau(numero);
    if (seul) niveaux->jouerSeul(numero);
    niveaux->chargerNiveau();
    environnement->ajouterJoueur(new Joueur(1));
    if (duel) environnement->ajouterJoueur(new Joueur(2));
}

Match::~Match() {
    NiveauManager::kill();
    Environnement::kill();
}
