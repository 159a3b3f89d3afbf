// The replay file: "LGREPLAY", version, level, hash, seed, start state, result, assist (version 2), then
// the runs as varints, then a checksum of all before it. Every count is checked against what the file can hold.
#include "world/noyau/Rejeu.h"

#include <algorithm>
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

const uint64_t FNV_DEPART = 1469598103934665603ull;
const uint64_t FNV_PREMIER = 1099511628211ull;

// A varint of bytes already checked; false past the end.
bool varintDe(const std::vector<unsigned char>& o, size_t& pos, uint64_t& v) {
    v = 0;
    for (int decalage = 0; decalage < 64 && pos < o.size(); decalage += 7) {
        const unsigned char c = o[pos++];
        v |= static_cast<uint64_t>(c & 0x7F) << decalage;
        if (!(c & 0x80)) return true;
    }
    return false;
}

}  // namespace

// Reads a source through a buffer, summing the checksum over every byte but
// the last eight as they pass; any read past the end fails for good. The
// bytes read may be copied out as they come (a run kept in its file form).
struct Rejeu::Lecteur {
    const Source& source;
    uint64_t reste;       // bytes of the file not yet taken from the source
    uint64_t aSommer;     // bytes still counted in the checksum
    uint64_t somme = FNV_DEPART;
    std::vector<unsigned char>* copie = nullptr;
    std::vector<unsigned char> tampon = std::vector<unsigned char>(64 * 1024);
    size_t pos = 0, fin = 0;
    bool ok = true;
    Lecteur(const Source& s, uint64_t taille) : source(s), reste(taille), aSommer(taille > 8 ? taille - 8 : 0) {}
    uint64_t restants() const { return reste + (fin - pos); }
    bool octet(unsigned char& c) {
        if (!ok) return false;
        if (pos == fin) {
            const size_t n = reste == 0 ? 0 : source(tampon.data(), reste < tampon.size() ? reste : tampon.size());
            if (n == 0 || n > reste) return ok = false;
            pos = 0, fin = n, reste -= n;
        }
        c = tampon[pos++];
        if (aSommer > 0) somme = (somme ^ c) * FNV_PREMIER, --aSommer;
        if (copie) copie->push_back(c);
        return true;
    }
    uint64_t entier(int n) {
        uint64_t v = 0;
        unsigned char c = 0;
        for (int i = 0; i < n; ++i) {
            if (!octet(c)) return 0;
            v |= static_cast<uint64_t>(c) << (8 * i);
        }
        return v;
    }
    uint64_t varint() {
        uint64_t v = 0;
        unsigned char c = 0;
        for (int decalage = 0; decalage < 64; decalage += 7) {
            if (!octet(c)) return 0;
            v |= static_cast<uint64_t>(c & 0x7F) << decalage;
            if (!(c & 0x80)) return v;
        }
        return ok = false, 0;
    }
};

namespace {

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

// A frame like the last run's lengthens it: its bytes are written again.
void Rejeu::ajouter(long ecoule, const Boutons& b) {
    const uint16_t e = static_cast<uint16_t>(ecoule < 0 ? 0 : (ecoule > ECOULE_MAX ? ECOULE_MAX : ecoule));
    const uint8_t bits = b.bits();
    ++images;
    if (series > 0 && enCours.ecoule == e && enCours.boutons == bits && enCours.nombre < UINT32_MAX) {
        ++enCours.nombre;
        octets.resize(derniere);
    } else {
        enCours = {e, bits, 1};
        derniere = octets.size();
        ++series;
    }
    varint(octets, static_cast<uint64_t>(e) << 4 | bits);
    varint(octets, enCours.nombre);
}

bool Rejeu::lireSerie(size_t o, Serie& s, size_t& apres) const {
    uint64_t v = 0, n = 0;
    apres = o;
    if (!varintDe(octets, apres, v) || !varintDe(octets, apres, n)) return false;
    s = {static_cast<uint16_t>(v >> 4), static_cast<uint8_t>(v & 15), static_cast<uint32_t>(n)};
    return true;
}

bool Rejeu::suivante(Curseur& c, long& ecoule, Boutons& b) const {
    Serie s;
    size_t apres = 0;
    if (!lireSerie(c.octet, s, apres)) return false;
    ecoule = s.ecoule;
    b = Boutons::depuis(s.boutons);
    if (++c.dansSerie >= s.nombre) c.octet = apres, c.dansSerie = 0;
    return true;
}

long Rejeu::prochaine(const Curseur& c) const {
    Serie s;
    size_t apres = 0;
    return lireSerie(c.octet, s, apres) ? s.ecoule : -1;
}

uint64_t Rejeu::hacher(const std::vector<unsigned char>& o) {
    uint64_t h = FNV_DEPART;
    for (unsigned char c : o) h = (h ^ c) * FNV_PREMIER;
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
    u32(o, static_cast<uint32_t>(series));
    // One varint of elapsed time and buttons together, one of the run's length.
    o.insert(o.end(), octets.begin(), octets.end());
    u64(o, hacher(o));
    return o;
}

bool Rejeu::decoder(const std::vector<unsigned char>& o, Rejeu& r, std::string& refus) {
    size_t lus = 0;
    const Source source = [&](unsigned char* d, size_t n) {
        n = std::min(n, o.size() - lus);
        std::memcpy(d, o.data() + lus, n);
        lus += n;
        return n;
    };
    return decoder(source, o.size(), r, refus);
}

bool Rejeu::decoder(const Source& source, uint64_t taille, Rejeu& r, std::string& refus, Controle* controle,
                    bool garder) {
    r = Rejeu();
    const size_t entete = sizeof MAGIQUE + 4 * 3 + 8 * 2 + 4 * 6;
    Lecteur l(source, taille);
    char magique[sizeof MAGIQUE] = {};
    for (char& c : magique) c = static_cast<char>(l.entier(1));
    if (taille < entete + 8 || taille > TAILLE_MAX || !l.ok || std::memcmp(magique, MAGIQUE, sizeof MAGIQUE) != 0) {
        refus = "not a Leapgrid replay";
        return false;
    }
    const uint64_t version = l.entier(4);
    if (version != VERSION && version != 1) {
        refus = "replay version " + std::to_string(version) + " (this game reads version " +
                std::to_string(VERSION) + ")";
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
    const bool bornes = assistanceLue && r.difficulte >= 1 && r.difficulte <= DIFFICULTE_MAX && r.numero >= 1 &&
                        r.numero <= 99999 && r.viesDepart >= 1 && r.viesDepart <= 6 && r.tempsMs >= 0 &&
                        r.viesRestantes >= 0 && r.viesRestantes <= 6 && std::isfinite(r.sauvegardeX) &&
                        std::isfinite(r.sauvegardeZ);
    // Each run takes at least two bytes: a count the file cannot hold is refused before anything is sized.
    if (!l.ok || !bornes || nombreSeries > (l.restants() - 8) / 2) {
        refus = "damaged replay (header out of bounds)";
        return false;
    }
    if (controle && !controle->entete(r, refus)) return false;
    return lireSeries(l, nombreSeries, r, refus, controle, garder);
}

// The runs, each kept in its file form as it is read and checked, then the checksum.
bool Rejeu::lireSeries(Lecteur& l, uint64_t nombre, Rejeu& r, std::string& refus, Controle* controle, bool garder) {
    long zeros = 0;  // frames of no time in a row
    for (uint64_t i = 0; i < nombre; ++i) {
        const size_t debut = r.octets.size();
        l.copie = garder ? &r.octets : nullptr;
        const uint64_t v = l.varint(), n = l.varint();
        l.copie = nullptr;
        if (!l.ok || (v >> 4) > static_cast<uint64_t>(ECOULE_MAX) || n == 0 ||
            n > static_cast<uint64_t>(IMAGES_MAX - r.images)) {
            refus = "damaged replay (frame " + std::to_string(r.images) + ")";
            return false;
        }
        const Serie s{static_cast<uint16_t>(v >> 4), static_cast<uint8_t>(v & 15), static_cast<uint32_t>(n)};
        zeros = s.ecoule == 0 ? zeros + static_cast<long>(n) : 0;
        if (zeros > ZEROS_MAX) {
            refus = "damaged replay (frame " + std::to_string(r.images) + ": a long run of frames of no time)";
            return false;
        }
        for (uint32_t k = 0; controle && k < s.nombre; ++k)
            if (!controle->image(s.ecoule, Boutons::depuis(s.boutons), refus)) return false;
        r.derniere = debut;
        r.enCours = s;
        ++r.series;
        r.images += static_cast<long>(n);
    }
    if (l.restants() != 8) {
        refus = "damaged replay (bytes after the frames)";
        return false;
    }
    const uint64_t somme = l.somme;
    if (l.entier(8) != somme || !l.ok) {
        refus = "damaged replay (checksum mismatch)";
        return false;
    }
    return true;
}
