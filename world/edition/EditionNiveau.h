// The level being edited, with no drawing: its grid of block codes, time limit and start cell, the painting
// and resizing operations, undo and redo, and loading and saving in the level file format.
#pragma once

#include <string>
#include <utility>

#include "world/FichierNiveau.h"
#include "world/edition/HistoriqueEdition.h"

class EditionNiveau {
public:
    // A new level: NOUVELLES_LIGNES x NOUVELLES_COLONNES empty cells but a
    // stone under the usual start, TEMPS_NOUVEAU seconds.
    EditionNiveau();
    // That level, with no history (an accepted file, or one made in memory).
    explicit EditionNiveau(FichierNiveau niveau) : lu(std::move(niveau)) {}

    // Cells are (ligne, colonne) from 0 at the first row (the far end) and
    // the left column, as the start cell of the file. Each call below is one
    // step of undo, and false when it changes nothing.
    bool peindre(int ligne, int colonne, int code);
    // Every cell of the straight line between two cells (both included).
    bool tracerLigne(int l0, int c0, int l1, int c1, int code);
    // Every cell of the rectangle two corner cells span.
    bool tracerRectangle(int l0, int c0, int l1, int c1, int code);
    // A row at the far end (debut) or behind the start; a column at the left
    // (debut) or the right. Empty cells come in; a grid never grows past
    // FichierNiveau::COTE_MAX nor shrinks below one row or column.
    bool ajouterLigne(bool debut) { return ajouterBord(true, debut); }
    bool retirerLigne(bool debut) { return retirerBord(true, debut); }
    bool ajouterColonne(bool debut) { return ajouterBord(false, debut); }
    bool retirerColonne(bool debut) { return retirerBord(false, debut); }
    // 1 to FichierNiveau::TEMPS_MAX seconds.
    bool setTemps(int secondes);
    // A cell of the grid becomes the start; (-1, -1) goes back to the usual start.
    bool setDepart(int ligne, int colonne);

    bool annuler();
    bool refaire();
    bool peutAnnuler() const { return historique.nbAnnulables() > 0; }
    bool peutRefaire() const { return historique.nbRefaisables() > 0; }

    // Any level file through the game's own reader; a refused one leaves the
    // level as it was and its reason in refus. History starts afresh.
    bool charger(const std::string& chemin, std::string& refus);
    // Written whole or not at all (FichierAtomique).
    bool enregistrer(const std::string& chemin) const;

    const FichierNiveau& niveau() const { return lu; }
    int lignes() const { return lu.lignes; }
    int colonnes() const { return lu.colonnes; }
    int temps() const { return lu.temps; }
    int code(int ligne, int colonne) const;
    bool dans(int ligne, int colonne) const {
        return ligne >= 0 && ligne < lu.lignes && colonne >= 0 && colonne < lu.colonnes;
    }
    // The start cell as the game places the player: the file's own, or the
    // usual one (the right one of the two middle cells when the width is even).
    int departLigne() const;
    int departColonne() const;
    const HistoriqueEdition& getHistorique() const { return historique; }

    static constexpr int NOUVELLES_LIGNES = 12, NOUVELLES_COLONNES = 7, TEMPS_NOUVEAU = 60;

private:
    // Cell changes gathered into one step: each cell's code before the step.
    bool peindreCellules(PasEdition& pas, int ligne, int colonne, int code);
    bool valider(PasEdition pas);
    // A step played forward or back.
    void appliquer(const PasEdition& pas, bool avant);
    // A row (ligne) or a column added or removed at an edge, as one step.
    bool ajouterBord(bool ligne, bool debut);
    bool retirerBord(bool ligne, bool debut);
    void ajouterBande(bool ligne, bool debut, const int* codes);
    void retirerBande(bool ligne, bool debut, std::vector<int>* retires);
    PasEdition nouveauPas(PasEdition::Genre genre, bool debut) const;

    FichierNiveau lu;
    HistoriqueEdition historique;
};
