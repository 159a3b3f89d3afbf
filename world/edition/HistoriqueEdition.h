// The editor's undo and redo: each step keeps only what it changed (cells, a removed row or column, the time
// limit, the start), and the oldest steps are forgotten when the kept cells pass a bound.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

struct PasEdition {
    enum Genre { CELLULES, LIGNE_AJOUTEE, LIGNE_RETIREE, COLONNE_AJOUTEE, COLONNE_RETIREE, REGLAGES };
    struct Cellule {
        int indice, avant, apres;
    };
    Genre genre = CELLULES;
    bool debut = false;              // the row or column is the first (far end, left), else the last
    std::vector<Cellule> cellules;   // CELLULES: each changed cell
    std::vector<int> bande;          // *_RETIREE: the codes of the removed row or column
    int tempsAvant = 0, tempsApres = 0;
    int departAvant[2] = {-1, -1}, departApres[2] = {-1, -1};  // the start cell (row, column) around the step

    size_t poids() const { return cellules.size() * 3 + bande.size() + 8; }
};

class HistoriqueEdition {
public:
    // A new step: the steps undone before it can no longer be redone.
    void ajouter(PasEdition pas);
    // The step to undo (moved to the redo side), or null.
    const PasEdition* annuler();
    // The step to redo (moved back), or null.
    const PasEdition* refaire();
    void vider();

    size_t nbAnnulables() const { return faits.size(); }
    size_t nbRefaisables() const { return defaits.size(); }
    size_t poids() const { return poidsTotal; }

    // Kept integers over all steps, and steps: past either, the oldest go.
    static constexpr size_t POIDS_MAX = 6u * 1000 * 1000;
    static constexpr size_t PAS_MAX = 5000;

private:
    std::deque<PasEdition> faits;
    std::vector<PasEdition> defaits;
    size_t poidsTotal = 0;
};
