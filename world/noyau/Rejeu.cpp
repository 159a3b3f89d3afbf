// The replay file: "LGREPLAY", version, level, hash, seed, start state, result, assist (version 2), then
// the runs as varints, then a checksum of all before it. Every count is checked against what the file can hold.
#include "world/noyau/Rejeu.h"

#include <cmath>
#include <cstring>

namespace {

const char MAGIQUE[8] = {'L', 'G', 'R', 'E', 'P', 'L', 'A', 'Y'};

void u32(std::vector<unsigned char>& o, uint32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void u64(std::vector<unsigned char>& o, uint64_t v) {
    for (int i = 0; i < 8; ++i) o.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void varint(std::vector<unsigned char>& o, uint64_t v) {
    while (v >= 0x80) {
        o.push_back(static_cast<unsigned char>(v | 0x80));
        v >>= 7;
    }
    o.push_back(static_cast<unsigned char>(v));
}
uint32_t bitsDe(float f) {
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}
float deBits(uint32_t b) {
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

// Reads from a bounded buffer; any read past its end fails for good.
struct Lecteur {
    const std::vector<unsigned char>& o;
    size_t pos, fin;
    bool ok = true;
    uint64_t entier(int n) {
        if (!ok || fin - pos < static_cast<size_t>(n)) return ok = false, 0;
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(o[pos + i]) << (8 * i);
        pos += static_cast<size_t>(n);
        return v;
    }
    uint64_t varint() {
        uint64_t v = 0;
        for (int decalage = 0; decalage < 64; decalage += 7) {
            if (!ok || pos >= fin) return ok = false, 0;
            const unsigned char c = o[pos++];
            v |= static_cast<uint64_t>(c & 0x7F) << decalage;
            if (!(c & 0x80)) return v;
        }
        return ok = false, 0;
    }
};

// The assist in one word: the speed in percent, and bit 8 the drift brake.
uint32_t assistanceEnMot(const Assistance& a) {
    return static_cast<uint32_t>(a.vitesse) | (a.freinDerive ? 0x100u : 0u);
}
bool motEnAssistance(uint32_t mot, Assistance& a) {
    a.vitesse = static_cast<int>(mot & 0xFF);
    a.freinDerive = (mot & 0x100u) != 0;
    return (mot & ~0x1FFu) == 0 && Assistance::vitesseValide(a.vitesse);
}

}  // namespace

void Rejeu::ajouter(long ecoule, const Boutons& b) {
    const uint16_t e = static_cast<uint16_t>(ecoule < 0 ? 0 : (ecoule > ECOULE_MAX ? ECOULE_MAX : ecoule));
    const uint8_t bits = b.bits();
    ++images;
    if (!series.empty() && series.back().ecoule == e && series.back().boutons == bits) {
        ++series.back().nombre;
        return;
    }
    series.push_back({e, bits, 1});
}

uint64_t Rejeu::hacher(const std::vector<unsigned char>& octets) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : octets) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::vector<unsigned char> Rejeu::encoder() const {
    std::vector<unsigned char> o(MAGIQUE, MAGIQUE + sizeof MAGIQUE);
    u32(o, VERSION);
    u32(o, static_cast<uint32_t>(difficulte));
    u32(o, static_cast<uint32_t>(numero));
    u64(o, hachage);
    u64(o, graine);
    u32(o, static_cast<uint32_t>(viesDepart));
    u32(o, bitsDe(sauvegardeX));
    u32(o, bitsDe(sauvegardeZ));
    u32(o, static_cast<uint32_t>(tempsMs));
    u32(o, static_cast<uint32_t>(viesRestantes));
    u32(o, assistanceEnMot(assistance));
    u32(o, static_cast<uint32_t>(series.size()));
    // One varint of elapsed time and buttons together, one of the run's length.
    for (const Serie& s : series) {
        varint(o, static_cast<uint64_t>(s.ecoule) << 4 | s.boutons);
        varint(o, s.nombre);
    }
    u64(o, hacher(o));
    return o;
}

bool Rejeu::decoder(const std::vector<unsigned char>& o, Rejeu& r, std::string& refus) {
    r = Rejeu();
    const size_t entete = sizeof MAGIQUE + 4 * 3 + 8 * 2 + 4 * 6;
    if (o.size() < entete + 8 || std::memcmp(o.data(), MAGIQUE, sizeof MAGIQUE) != 0) {
        refus = "not a Leapgrid replay";
        return false;
    }
    Lecteur l{o, sizeof MAGIQUE, o.size() - 8};
    const uint64_t somme = Lecteur{o, o.size() - 8, o.size()}.entier(8);
    const uint64_t version = l.entier(4);
    if (version != VERSION && version != 1) {
        refus = "replay version " + std::to_string(version) + " (this game reads version " +
                std::to_string(VERSION) + ")";
        return false;
    }
    if (hacher(std::vector<unsigned char>(o.begin(), o.end() - 8)) != somme) {
        refus = "damaged replay (checksum mismatch)";
        return false;
    }
    r.difficulte = static_cast<int>(l.entier(4));
    r.numero = static_cast<int>(l.entier(4));
    r.hachage = l.entier(8);
    r.graine = l.entier(8);
    r.viesDepart = static_cast<int>(l.entier(4));
    r.sauvegardeX = deBits(static_cast<uint32_t>(l.entier(4)));
    r.sauvegardeZ = deBits(static_cast<uint32_t>(l.entier(4)));
    r.tempsMs = static_cast<int>(l.entier(4));
    r.viesRestantes = static_cast<int>(l.entier(4));
    const bool assistanceLue = version == 1 || motEnAssistance(static_cast<uint32_t>(l.entier(4)), r.assistance);
    const uint64_t nombreSeries = l.entier(4);
    const bool bornes = assistanceLue && r.difficulte >= 1 && r.difficulte <= 99 && r.numero >= 1 && r.numero <= 99999 &&
                        r.viesDepart >= 1 && r.viesDepart <= 6 && r.tempsMs >= 0 && r.viesRestantes >= 0 &&
                        r.viesRestantes <= 6 && std::isfinite(r.sauvegardeX) && std::isfinite(r.sauvegardeZ);
    // Each run takes at least two bytes: a count the file cannot hold is refused before anything is sized.
    if (!l.ok || !bornes || nombreSeries > (l.fin - l.pos) / 2) {
        refus = "damaged replay (header out of bounds)";
        return false;
    }
    r.series.reserve(static_cast<size_t>(nombreSeries));
    for (uint64_t i = 0; i < nombreSeries; ++i) {
        const uint64_t v = l.varint(), n = l.varint();
        if (!l.ok || (v >> 4) > static_cast<uint64_t>(ECOULE_MAX) || n == 0 ||
            n > static_cast<uint64_t>(IMAGES_MAX - r.images)) {
            refus = "damaged replay (frame " + std::to_string(r.images) + ")";
            return false;
        }
        r.series.push_back({static_cast<uint16_t>(v >> 4), static_cast<uint8_t>(v & 15), static_cast<uint32_t>(n)});
        r.images += static_cast<long>(n);
    }
    if (l.pos != l.fin) {
        refus = "damaged replay (bytes after the frames)";
        return false;
    }
    return true;
}
