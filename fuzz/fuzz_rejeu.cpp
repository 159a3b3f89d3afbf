// Fuzz target: a replay file read and checked as the game reads it, on a small level of the sandbox, then
// written back and played again. The checksum and the level's hash are set right before reading: random
// changes almost never keep them, and the frames behind them would go unexplored.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/Bac.h"
#include "world/ControleRejeu.h"
#include "world/Enregistrement.h"
#include "world/noyau/Rejoueur.h"

namespace {

// Five seconds to play, a goal, an extra life, a breaking tile, blocks that push: every replay ends soon.
const std::string NIVEAU = "5 4 3\n100 100 100\n8 20 7\n1 2 3\n1 1 1\n";

// Where the header keeps the level's hash: found by writing one, so a header that grows keeps it found.
size_t placeDuHachage() {
    Rejeu r;
    r.hachage = 0x0123456789ABCDEFull;
    const std::vector<unsigned char> o = r.encoder();
    const unsigned char motif[8] = {0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01};
    for (size_t i = 0; i + 8 <= o.size(); ++i)
        if (std::memcmp(o.data() + i, motif, 8) == 0) return i;
    __builtin_trap();
}

void poser(std::vector<unsigned char>& o, size_t place, uint64_t v) {
    for (int i = 0; i < 8; ++i) o[place + i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    static const size_t hachage = placeDuHachage();
    static const size_t entete = Rejeu().encoder().size() - 8;
    bac::entrer();
    bac::ecrire("Niveaux/1/niveau1.dat", reinterpret_cast<const uint8_t*>(NIVEAU.data()), NIVEAU.size());
    std::vector<unsigned char> o(octets, octets + taille);
    if (o.size() >= entete + 8) {
        poser(o, hachage, Rejeu::hacher(std::vector<unsigned char>(NIVEAU.begin(), NIVEAU.end())));
        poser(o, o.size() - 8, Rejeu::hacher(std::vector<unsigned char>(o.begin(), o.end() - 8)));
    }
    bac::ecrire("rejeu.rep", o.data(), o.size());
    Rejeu r;
    std::string refus;
    ControleRejeu controle;
    if (!Enregistrement::lire("rejeu.rep", r, refus, &controle)) {
        if (refus.empty() || refus.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    // What is accepted is written back the same, and plays back to the result it was checked to give.
    Rejeu relu;
    if (!Rejeu::decoder(r.encoder(), relu, refus) || relu.nombreImages() != r.nombreImages()) __builtin_trap();
    Rejoueur rejoueur(relu, controle.getNiveau());
    rejoueur.jusquAuBout();
    if (rejoueur.reussi() != controle.reussi() || rejoueur.getTempsMs() != controle.getTempsMs() ||
        (controle.reussi() && r.tempsMs != controle.getTempsMs()))
        __builtin_trap();
    return 0;
}
