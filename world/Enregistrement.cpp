// Recording attempts and keeping the best run of each level.
#include "world/Enregistrement.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"

namespace {

const size_t NIVEAU_MAX = 64u * 1024 * 1024;

// The folders of a game-folder path, made when missing (portable mode; the
// per-user files make their own).
void creerDossiers(const std::string& chemin) {
    for (size_t i = chemin.find('/', 1); i != std::string::npos; i = chemin.find('/', i + 1))
        ::mkdir(chemin.substr(0, i).c_str(), 0755);
}

}  // namespace

std::string Enregistrement::chemin(int difficulte, int numero) {
    return "Replays/" + std::to_string(difficulte) + "/niveau" + std::to_string(numero) + ".rep";
}

bool Enregistrement::hacherFichier(const std::string& chemin, uint64_t& hachage) {
    std::vector<unsigned char> octets;
    if (!FichierLu::lireTout(chemin, octets, NIVEAU_MAX)) return false;
    hachage = Rejeu::hacher(octets);
    return true;
}

uint64_t Enregistrement::nouvelleGraine() {
    std::random_device alea;
    const uint64_t t = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return (static_cast<uint64_t>(alea()) << 32 ^ alea() ^ t) | 1;
}

void Enregistrement::commencer(int difficulte, int numero, const std::string& fichier, uint64_t graine, int vies,
                               float sauvegardeX, float sauvegardeZ) {
    rejeu = Rejeu();
    rejeu.difficulte = difficulte;
    rejeu.numero = numero;
    rejeu.graine = graine;
    rejeu.viesDepart = vies;
    rejeu.sauvegardeX = sauvegardeX;
    rejeu.sauvegardeZ = sauvegardeZ;
    actif = hacherFichier(fichier, rejeu.hachage);
}

bool Enregistrement::lire(const std::string& fichier, Rejeu& r, std::string& refus) {
    std::vector<unsigned char> octets;
    if (!FichierLu::lireTout(fichier, octets, Rejeu::TAILLE_MAX)) {
        refus = "not a readable file";
        return false;
    }
    return Rejeu::decoder(octets, r, refus);
}

bool Enregistrement::terminer(int tempsMs, int vies) {
    rejeu.tempsMs = tempsMs;
    rejeu.viesRestantes = vies;
    if (!actif) return false;
    actif = false;
    const std::string relatif = chemin(rejeu.difficulte, rejeu.numero);
    Rejeu ancien;
    std::string refus;
    // A saved run of another version of the level no longer counts.
    if (lire(FichiersJoueur::lecture(relatif), ancien, refus) && ancien.hachage == rejeu.hachage &&
        ancien.tempsMs <= tempsMs)
        return false;
    const std::string cible = FichiersJoueur::ecriture(relatif);
    creerDossiers(cible);
    const std::vector<unsigned char> octets = rejeu.encoder();
    if (FichierAtomique::ecrire(cible, std::string(octets.begin(), octets.end()))) return true;
    std::fprintf(stderr, "Leapgrid: the best run could not be saved to %s\n", cible.c_str());
    return false;
}
