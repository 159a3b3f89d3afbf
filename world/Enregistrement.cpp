// Recording attempts and keeping the best run of each level.
#include "world/Enregistrement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

#include "settings/CatalogueSeries.h"
#include "settings/FichierAtomique.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/VerrouDossier.h"

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
    // A player's series keeps its best runs in its own folder, never beside the shipped series'.
    if (difficulte >= CatalogueSeries::PREMIER_JOUEUR)
        return CatalogueSeries::relatifDe(difficulte) + "/Replays/niveau" + std::to_string(numero) + ".rep";
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

bool Enregistrement::lireSource(const Rejeu::Source& source, uint64_t taille, Rejeu& r, std::string& refus,
                                ControleRejeu* controle, bool garder) {
    ControleRejeu local;
    ControleRejeu& c = controle ? *controle : local;
    return Rejeu::decoder(source, taille, r, refus, &c, garder) && c.resultat(r, refus);
}

// Read in pieces from the open file: nothing is ever held but the frames kept.
bool Enregistrement::lire(const std::string& fichier, Rejeu& r, std::string& refus, ControleRejeu* controle,
                          bool garder) {
    const int fd = FichierLu::ouvrir(fichier);
    struct stat s;
    if (fd < 0 || ::fstat(fd, &s) != 0) {
        if (fd >= 0) ::close(fd);
        refus = "not a readable file";
        return false;
    }
    const Rejeu::Source source = [fd](unsigned char* o, size_t n) -> size_t {
        ssize_t lus;
        do lus = ::read(fd, o, n);
        while (lus < 0 && errno == EINTR);
        return lus > 0 ? static_cast<size_t>(lus) : 0;
    };
    const bool ok = lireSource(source, static_cast<uint64_t>(s.st_size), r, refus, controle, garder);
    ::close(fd);
    return ok;
}

bool Enregistrement::lireOctets(const unsigned char* o, size_t taille, Rejeu& r, std::string& refus,
                                ControleRejeu* controle, bool garder) {
    size_t lus = 0;
    const Rejeu::Source source = [&](unsigned char* d, size_t n) {
        n = std::min(n, taille - lus);
        std::memcpy(d, o + lus, n);
        lus += n;
        return n;
    };
    return lireSource(source, taille, r, refus, controle, garder);
}

bool Enregistrement::lireDuJoueur(int difficulte, int numero, Rejeu& r, std::string& refus, ControleRejeu* controle) {
    const std::string relatif = chemin(difficulte, numero);
    std::string texte;
    if (!FichiersJoueur::lireEnSession(relatif, texte)) return lire(FichiersJoueur::lecture(relatif), r, refus, controle);
    return lireOctets(reinterpret_cast<const unsigned char*>(texte.data()), texte.size(), r, refus, controle, true);
}

bool Enregistrement::terminer(int tempsMs, int vies) {
    rejeu.tempsMs = tempsMs;
    rejeu.viesRestantes = vies;
    if (!actif) return false;
    actif = false;
    const std::string relatif = chemin(rejeu.difficulte, rejeu.numero);
    const std::string cible = FichiersJoueur::ecriture(relatif);
    creerDossiers(cible);
    // Read again under the lock just before it is replaced: a faster run
    // another copy of the game saved meanwhile stays.
    VerrouDossier verrou(cible);
    if (!meilleur(tempsMs)) return false;
    const std::vector<unsigned char> octets = rejeu.encoder();
    // Kept only when it reads back as it will be read: a run the rules alone
    // would not play to this finish would be refused at every attempt.
    Rejeu relu;
    std::string refus;
    if (!lireOctets(octets.data(), octets.size(), relu, refus, nullptr, false)) return false;
    const std::string texte(octets.begin(), octets.end());
    if (FichiersJoueur::estEnMemoire()) {
        FichiersJoueur::garderEnSession(relatif, texte);
        return true;
    }
    if (FichierAtomique::ecrire(cible, texte)) return true;
    std::fprintf(stderr, "Leapgrid: the best run could not be saved to %s\n", cible.c_str());
    return false;
}

// A saved run counts when it is whole, of this version of the level, and
// really finishes it (its frames checked, not its header taken on trust).
bool Enregistrement::meilleur(int tempsMs) const {
    Rejeu ancien;
    std::string refus;
    return !lireDuJoueur(rejeu.difficulte, rejeu.numero, ancien, refus) || ancien.tempsMs <= 0 ||
           ancien.tempsMs > tempsMs;
}
