// The level being edited: painting, resizing, undo and redo, load and save.
#include "world/edition/EditionNiveau.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "settings/FichierAtomique.h"

EditionNiveau::EditionNiveau() {
    lu.temps = TEMPS_NOUVEAU;
    lu.lignes = NOUVELLES_LIGNES;
    lu.colonnes = NOUVELLES_COLONNES;
    lu.codes.assign(static_cast<size_t>(lu.lignes) * lu.colonnes, 0);
    lu.codes[static_cast<size_t>(departLigne()) * lu.colonnes + departColonne()] = 1;
}

int EditionNiveau::code(int ligne, int colonne) const { return lu.code(ligne + 1, colonne + 1); }

int EditionNiveau::departLigne() const { return lu.departExplicite() ? lu.departLigne : lu.lignes - 2; }
int EditionNiveau::departColonne() const { return lu.departExplicite() ? lu.departColonne : lu.colonnes / 2; }

PasEdition EditionNiveau::nouveauPas(PasEdition::Genre genre, bool debut) const {
    PasEdition p;
    p.genre = genre;
    p.debut = debut;
    p.tempsAvant = p.tempsApres = lu.temps;
    p.departAvant[0] = p.departApres[0] = lu.departLigne;
    p.departAvant[1] = p.departApres[1] = lu.departColonne;
    return p;
}

bool EditionNiveau::peindreCellules(PasEdition& pas, int ligne, int colonne, int code) {
    if (!dans(ligne, colonne)) return false;
    const int i = ligne * lu.colonnes + colonne;
    int& cellule = lu.codes[static_cast<size_t>(i)];
    if (cellule == code) return false;
    pas.cellules.push_back({i, cellule, code});
    cellule = code;
    return true;
}

bool EditionNiveau::valider(PasEdition pas) {
    if (pas.genre == PasEdition::CELLULES && pas.cellules.empty()) return false;
    historique.ajouter(std::move(pas));
    return true;
}

bool EditionNiveau::peindre(int ligne, int colonne, int code) {
    PasEdition p = nouveauPas(PasEdition::CELLULES, false);
    peindreCellules(p, ligne, colonne, code);
    return valider(std::move(p));
}

// Bresenham's line, cell by cell.
bool EditionNiveau::tracerLigne(int l0, int c0, int l1, int c1, int code) {
    PasEdition p = nouveauPas(PasEdition::CELLULES, false);
    const int dl = std::abs(l1 - l0), dc = std::abs(c1 - c0), sl = l0 < l1 ? 1 : -1, sc = c0 < c1 ? 1 : -1;
    int erreur = dc - dl;
    for (;;) {
        peindreCellules(p, l0, c0, code);
        if (l0 == l1 && c0 == c1) break;
        const int e2 = 2 * erreur;
        if (e2 > -dl) erreur -= dl, c0 += sc;
        if (e2 < dc) erreur += dc, l0 += sl;
    }
    return valider(std::move(p));
}

bool EditionNiveau::tracerRectangle(int l0, int c0, int l1, int c1, int code) {
    PasEdition p = nouveauPas(PasEdition::CELLULES, false);
    // Clipped first: a corner far outside costs nothing.
    const int lmin = std::max(0, std::min(l0, l1)), lmax = std::min(lu.lignes - 1, std::max(l0, l1));
    const int cmin = std::max(0, std::min(c0, c1)), cmax = std::min(lu.colonnes - 1, std::max(c0, c1));
    for (int l = lmin; l <= lmax; ++l)
        for (int c = cmin; c <= cmax; ++c) peindreCellules(p, l, c, code);
    return valider(std::move(p));
}

void EditionNiveau::ajouterBande(bool ligne, bool debut, const int* codes) {
    const int h = lu.lignes + (ligne ? 1 : 0), w = lu.colonnes + (ligne ? 0 : 1);
    const int dl = ligne && debut ? 1 : 0, dc = !ligne && debut ? 1 : 0;
    std::vector<int> grille(static_cast<size_t>(h) * w, 0);
    for (int l = 0; l < lu.lignes; ++l)
        for (int c = 0; c < lu.colonnes; ++c)
            grille[static_cast<size_t>(l + dl) * w + c + dc] = lu.codes[static_cast<size_t>(l) * lu.colonnes + c];
    if (codes) {
        const int n = ligne ? w : h, fixe = debut ? 0 : (ligne ? h - 1 : w - 1);
        for (int k = 0; k < n; ++k) grille[ligne ? static_cast<size_t>(fixe) * w + k : static_cast<size_t>(k) * w + fixe] = codes[k];
    }
    lu.codes = std::move(grille);
    lu.lignes = h;
    lu.colonnes = w;
}

void EditionNiveau::retirerBande(bool ligne, bool debut, std::vector<int>* retires) {
    const int h = lu.lignes - (ligne ? 1 : 0), w = lu.colonnes - (ligne ? 0 : 1);
    const int dl = ligne && debut ? 1 : 0, dc = !ligne && debut ? 1 : 0;
    const int fixe = debut ? 0 : (ligne ? lu.lignes - 1 : lu.colonnes - 1);
    if (retires) {
        retires->clear();
        const int n = ligne ? lu.colonnes : lu.lignes;
        for (int k = 0; k < n; ++k) retires->push_back(ligne ? code(fixe, k) : code(k, fixe));
    }
    std::vector<int> grille(static_cast<size_t>(h) * w);
    for (int l = 0; l < h; ++l)
        for (int c = 0; c < w; ++c)
            grille[static_cast<size_t>(l) * w + c] = lu.codes[static_cast<size_t>(l + dl) * lu.colonnes + c + dc];
    lu.codes = std::move(grille);
    lu.lignes = h;
    lu.colonnes = w;
}

namespace {

// The start's row or column (axe 0 or 1) once the first or last of n is
// removed: -1 (the usual start again) when it was that one.
void decaler(int depart[2], int axe, bool debut, int n) {
    if (depart[0] < 0) return;
    const int retiree = debut ? 0 : n - 1;
    if (depart[axe] == retiree) {
        depart[0] = depart[1] = -1;
    } else if (debut) {
        --depart[axe];
    }
}

}  // namespace

bool EditionNiveau::ajouterBord(bool ligne, bool debut) {
    if ((ligne ? lu.lignes : lu.colonnes) >= FichierNiveau::COTE_MAX) return false;
    PasEdition p = nouveauPas(ligne ? PasEdition::LIGNE_AJOUTEE : PasEdition::COLONNE_AJOUTEE, debut);
    if (lu.departExplicite() && debut) ++p.departApres[ligne ? 0 : 1];
    appliquer(p, true);
    return valider(std::move(p));
}

bool EditionNiveau::retirerBord(bool ligne, bool debut) {
    const int n = ligne ? lu.lignes : lu.colonnes;
    if (n <= 1) return false;
    PasEdition p = nouveauPas(ligne ? PasEdition::LIGNE_RETIREE : PasEdition::COLONNE_RETIREE, debut);
    decaler(p.departApres, ligne ? 0 : 1, debut, n);
    retirerBande(ligne, debut, &p.bande);
    lu.departLigne = p.departApres[0], lu.departColonne = p.departApres[1];
    return valider(std::move(p));
}

bool EditionNiveau::setTemps(int secondes) {
    if (secondes < 1 || secondes > FichierNiveau::TEMPS_MAX || secondes == lu.temps) return false;
    PasEdition p = nouveauPas(PasEdition::REGLAGES, false);
    p.tempsApres = secondes;
    appliquer(p, true);
    return valider(std::move(p));
}

bool EditionNiveau::setDepart(int ligne, int colonne) {
    const bool usuel = ligne == -1 && colonne == -1;
    if (!usuel && !dans(ligne, colonne)) return false;
    if (ligne == lu.departLigne && colonne == lu.departColonne) return false;
    PasEdition p = nouveauPas(PasEdition::REGLAGES, false);
    p.departApres[0] = ligne, p.departApres[1] = colonne;
    appliquer(p, true);
    return valider(std::move(p));
}

void EditionNiveau::appliquer(const PasEdition& p, bool avant) {
    const bool ligne = p.genre == PasEdition::LIGNE_AJOUTEE || p.genre == PasEdition::LIGNE_RETIREE;
    switch (p.genre) {
    case PasEdition::CELLULES:
        if (avant)
            for (const PasEdition::Cellule& c : p.cellules) lu.codes[static_cast<size_t>(c.indice)] = c.apres;
        else
            for (auto c = p.cellules.rbegin(); c != p.cellules.rend(); ++c) lu.codes[static_cast<size_t>(c->indice)] = c->avant;
        break;
    case PasEdition::LIGNE_AJOUTEE:
    case PasEdition::COLONNE_AJOUTEE:
        if (avant) ajouterBande(ligne, p.debut, nullptr);
        else retirerBande(ligne, p.debut, nullptr);
        break;
    case PasEdition::LIGNE_RETIREE:
    case PasEdition::COLONNE_RETIREE:
        if (avant) retirerBande(ligne, p.debut, nullptr);
        else ajouterBande(ligne, p.debut, p.bande.data());
        break;
    case PasEdition::REGLAGES:
        break;
    }
    lu.temps = avant ? p.tempsApres : p.tempsAvant;
    const int* depart = avant ? p.departApres : p.departAvant;
    lu.departLigne = depart[0], lu.departColonne = depart[1];
}

bool EditionNiveau::annuler() {
    const PasEdition* p = historique.annuler();
    if (p) appliquer(*p, false);
    return p != nullptr;
}

bool EditionNiveau::refaire() {
    const PasEdition* p = historique.refaire();
    if (p) appliquer(*p, true);
    return p != nullptr;
}

bool EditionNiveau::charger(const std::string& chemin, std::string& refus) {
    FichierNiveau f = FichierNiveau::lire(chemin);
    if (!f.accepte()) {
        refus = f.refus;
        return false;
    }
    lu = std::move(f);
    historique.vider();
    return true;
}

bool EditionNiveau::enregistrer(const std::string& chemin) const { return FichierAtomique::ecrire(chemin, lu.texte()); }
