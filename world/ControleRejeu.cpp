// Checking a replay against its level while it is read.
#include "world/ControleRejeu.h"

#include <cstdio>
#include <utility>

#include "world/Enregistrement.h"
#include "world/NiveauManager.h"

namespace {

std::string secondes(int ms) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%d.%03d s", ms / 1000, ms % 1000);
    return texte;
}

}  // namespace

bool ControleRejeu::entete(const Rejeu& r, std::string& refus) {
    chemin = NiveauManager::cheminDansSerieLivree(r.difficulte, r.numero);
    niveau = FichierNiveau::lire(chemin);
    uint64_t hachage = 0;
    if (!niveau.accepte() || !Enregistrement::hacherFichier(chemin, hachage)) {
        refus = "its level " + chemin + " cannot be read" + (niveau.refus.empty() ? "" : " (" + niveau.refus + ")");
        return false;
    }
    if (hachage != r.hachage) {
        refus = "level " + chemin + " changed since the run was recorded";
        return false;
    }
    Rejeu debut = r;
    debut.vider();
    rejoueur = std::make_unique<Rejoueur>(std::move(debut), niveau);
    return true;
}

// The level's end ends the recording: a frame after it is no play, and the
// time limit ends every attempt, so the frames stay within what the level allows.
bool ControleRejeu::image(long ecoule, const Boutons& b, std::string& refus) {
    if (rejoueur && rejoueur->jouer(ecoule, b)) return true;
    refus = "damaged replay (frames after the level's end)";
    return false;
}

bool ControleRejeu::resultat(const Rejeu& r, std::string& refus) const {
    const bool fini = reussi();
    if (fini ? r.tempsMs == getTempsMs() && r.viesRestantes == getVies() : r.tempsMs == 0) return true;
    refus = "damaged replay (it claims " + (r.tempsMs > 0 ? secondes(r.tempsMs) : std::string("no finish")) +
            ", its frames give " + (fini ? secondes(getTempsMs()) : std::string("no finish")) + ")";
    if (fini && r.tempsMs == getTempsMs()) refus = "damaged replay (it claims lives its frames do not give)";
    return false;
}
