// Truevision TGA reader. Every read and write is bounds-checked: a damaged or
// hostile file is refused, never trusted.
#include "render/LoadFileTGA.h"

#include <cstdint>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>
#include <memory>
#include <vector>

#include "settings/FichierLu.h"

namespace {

// Largest image accepted: 8192 x 8192 (256 MB of RGBA); larger headers are
// taken for damage rather than allocated.
const long PIXELS_MAX = 8192L * 8192L;
const long FICHIER_MAX = 512L * 1024 * 1024;
const int TAILLE_ENTETE = 18;

struct Entete {
    int longueurId;
    int typeCarte;
    int type;
    int longueurCarte;
    int tailleEntreeCarte;
    int largeur;
    int hauteur;
    int profondeur;
    bool rle() const { return type >= 9; }
    int base() const { return rle() ? type - 8 : type; }  // the type without run-length coding
};

uint16_t mot(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

Entete lireEntete(const unsigned char* d) {
    Entete e;
    e.longueurId = d[0];
    e.typeCarte = d[1];
    e.type = d[2];
    e.longueurCarte = mot(d + 5);
    e.tailleEntreeCarte = d[7];
    e.largeur = static_cast<int16_t>(mot(d + 12));
    e.hauteur = static_cast<int16_t>(mot(d + 14));
    e.profondeur = d[16];
    return e;
}

// 5-5-5 colour, each channel scaled by 8 (not bit-replicated); top bit ignored.
inline void depuis16(uint16_t v, unsigned char* o) {
    o[0] = static_cast<unsigned char>(((v >> 10) & 31) * 8);
    o[1] = static_cast<unsigned char>(((v >> 5) & 31) * 8);
    o[2] = static_cast<unsigned char>((v & 31) * 8);
    o[3] = 255;
}

// Pixel formats, each turning its stored bytes into one RGBA pixel.
struct Indexe {  // 8-bit index into a 256-entry RGBA table (colour map or grey ramp)
    static const int OCTETS = 1;
    const uint32_t* table;
    void operator()(const unsigned char* s, unsigned char* o) const {
        std::memcpy(o, &table[s[0]], 4);
    }
};
struct GrisAlpha {
    static const int OCTETS = 2;
    void operator()(const unsigned char* s, unsigned char* o) const {
        o[0] = o[1] = o[2] = s[0];
        o[3] = s[1];
    }
};
struct Couleur16 {
    static const int OCTETS = 2;
    void operator()(const unsigned char* s, unsigned char* o) const { depuis16(mot(s), o); }
};
struct Couleur24 {
    static const int OCTETS = 3;
    void operator()(const unsigned char* s, unsigned char* o) const {
        o[0] = s[2];
        o[1] = s[1];
        o[2] = s[0];
        o[3] = 255;
    }
};
struct Couleur32 {
    static const int OCTETS = 4;
    void operator()(const unsigned char* s, unsigned char* o) const {
        o[0] = s[2];
        o[1] = s[1];
        o[2] = s[0];
        o[3] = s[3];
    }
};

// Source bytes with their end: every read asks first.
struct Flux {
    const unsigned char* p;
    const unsigned char* fin;
    bool reste(long n) const { return n >= 0 && fin - p >= n; }
};

template <typename F>
bool decoderBrut(Flux& f, long total, const F& conv, unsigned char* sortie) {
    if (!f.reste(total * F::OCTETS)) return false;
    const unsigned char* s = f.p;
    for (long i = 0; i < total; ++i, s += F::OCTETS, sortie += 4) conv(s, sortie);
    f.p = s;
    return true;
}

// BGRA to RGBA a word at a time: swapping blue and red is all there is to do.
template <>
bool decoderBrut(Flux& f, long total, const Couleur32&, unsigned char* sortie) {
    if (!f.reste(total * 4)) return false;
    for (long i = 0; i < total; ++i) {
        uint32_t v;
        std::memcpy(&v, f.p + i * 4, 4);
        v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
        std::memcpy(sortie + i * 4, &v, 4);
    }
    f.p += total * 4;
    return true;
}

// Packets may run on from one row into the next (older encoders write them);
// only a packet that runs past the end of the image is refused.
template <typename F>
bool decoderRLE(Flux& f, long total, const F& conv, unsigned char* sortie) {
    long fait = 0;
    while (fait < total) {
        if (!f.reste(1)) return false;
        const int entete = *f.p++;
        const long nombre = (entete & 127) + 1;
        if (nombre > total - fait) return false;
        unsigned char* o = sortie + fait * 4;
        if (entete & 128) {
            if (!f.reste(F::OCTETS)) return false;
            conv(f.p, o);
            f.p += F::OCTETS;
            for (long i = 1; i < nombre; ++i) std::memcpy(o + i * 4, o, 4);
        } else {
            if (!decoderBrut(f, nombre, conv, o)) return false;
        }
        fait += nombre;
    }
    return true;
}

template <typename F>
bool decoder(Flux& f, bool rle, long total, const F& conv, unsigned char* sortie) {
    return rle ? decoderRLE(f, total, conv, sortie) : decoderBrut(f, total, conv, sortie);
}

// The colour map as RGBA, entries read at their own size (15/16, 24 or 32
// bits); indices with no entry give opaque black.
bool lireCarte(const Entete& e, Flux& f, uint32_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        const unsigned char noir[4] = {0, 0, 0, 255};
        std::memcpy(&table[i], noir, 4);
    }
    if (e.typeCarte == 0) return true;
    const int octets = (e.tailleEntreeCarte + 7) / 8;
    if (octets < 2 || octets > 4) return false;
    if (!f.reste(static_cast<long>(e.longueurCarte) * octets)) return false;
    for (int i = 0; i < e.longueurCarte; ++i, f.p += octets) {
        if (i >= 256) continue;
        unsigned char* o = reinterpret_cast<unsigned char*>(&table[i]);
        if (octets == 2) depuis16(mot(f.p), o);
        else if (octets == 3) Couleur24()(f.p, o);
        else Couleur32()(f.p, o);
    }
    return true;
}

void rampeDeGris(uint32_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        const unsigned char g[4] = {static_cast<unsigned char>(i), static_cast<unsigned char>(i),
                                    static_cast<unsigned char>(i), 255};
        std::memcpy(&table[i], g, 4);
    }
}

// Bytes per stored pixel for the supported types and depths; 0 for type 0
// (no image data), -1 for anything not supported.
int octetsParPixel(const Entete& e) {
    const int base = e.base();
    if (e.type == 0) return 0;
    if (e.type > 11 || (e.type > 3 && e.type < 9)) return -1;
    if (base == 1) return e.profondeur == 8 && e.typeCarte != 0 ? 1 : -1;
    if (base == 3) return e.profondeur == 8 ? 1 : e.profondeur == 16 ? 2 : -1;
    if (base == 2) {
        if (e.profondeur == 15 || e.profondeur == 16) return 2;
        if (e.profondeur == 24 || e.profondeur == 32) return e.profondeur / 8;
    }
    return -1;
}

// The least data any encoding of total pixels can take: refuses a short file
// before its pixel buffer is allocated.
bool assezDeDonnees(const Flux& f, long total, int octets, bool rle) {
    if (rle) return f.reste(((total + 127) / 128) * (1 + octets));
    return f.reste(total * octets);
}

// Decodes the pixel data of every supported type and depth; false for damaged data.
bool decoderImage(const Entete& e, Flux& f, long total, unsigned char* sortie) {
    const int base = e.base();
    const bool rle = e.rle();
    if (base == 2 || e.type == 0) {
        // True colour: a colour map, if any, is only skipped.
        if (e.typeCarte != 0) {
            const long octets = static_cast<long>(e.longueurCarte) * ((e.tailleEntreeCarte + 7) / 8);
            if (!f.reste(octets)) return false;
            f.p += octets;
        }
        if (e.type == 0) return true;
        switch (e.profondeur) {
            case 24: return decoder(f, rle, total, Couleur24(), sortie);
            case 32: return decoder(f, rle, total, Couleur32(), sortie);
            default: return decoder(f, rle, total, Couleur16(), sortie);
        }
    }
    uint32_t table[256];
    if (!lireCarte(e, f, table)) return false;
    if (e.profondeur == 16) return decoder(f, rle, total, GrisAlpha(), sortie);
    // Grey without a colour map reads its bytes as levels of grey.
    if (base == 3 && e.typeCarte == 0) rampeDeGris(table);
    return decoder(f, rle, total, Indexe{table}, sortie);
}

void retournerLignes(unsigned char* pixels, int largeur, int hauteur) {
    const size_t ligne = static_cast<size_t>(largeur) * 4;
    std::vector<unsigned char> tampon(ligne);
    for (int haut = 0, bas = hauteur - 1; haut < bas; ++haut, --bas) {
        unsigned char* a = pixels + ligne * haut;
        unsigned char* b = pixels + ligne * bas;
        std::memcpy(tampon.data(), a, ligne);
        std::memcpy(a, b, ligne);
        std::memcpy(b, tampon.data(), ligne);
    }
}

// The whole file in memory, read into a buffer of its own (not zero-filled
// first): a file changed or shrunk while it is decoded cannot fault the game,
// as a mapped one would.
class Donnees {
public:
    bool lire(const char* chemin) {
        if (!chemin) return false;
        const int fd = FichierLu::ouvrir(chemin);
        if (fd < 0) return false;
        struct stat s;
        bool ok = ::fstat(fd, &s) == 0 && s.st_size > 0 && s.st_size <= FICHIER_MAX;
        if (ok) {
            taille = static_cast<size_t>(s.st_size);
            octets.reset(new unsigned char[taille]);
            for (size_t lus = 0; ok && lus < taille;) {
                const ssize_t n = ::read(fd, octets.get() + lus, taille - lus);
                ok = n > 0;
                if (ok) lus += static_cast<size_t>(n);
            }
        }
        ::close(fd);
        return ok;
    }
    std::unique_ptr<unsigned char[]> octets;
    size_t taille = 0;
};

}  // namespace

int LoadFileTGA(const char* fichier, unsigned char** pixels, int* largeur, int* hauteur,
                bool retourner) {
    if (pixels) *pixels = nullptr;
    Donnees donnees;
    if (!donnees.lire(fichier) || donnees.taille < TAILLE_ENTETE) return 0;
    const unsigned char* debut = donnees.octets.get();
    const Entete e = lireEntete(debut);
    if (largeur) *largeur = e.largeur;
    if (hauteur) *hauteur = e.hauteur;
    if (!pixels) return -1;

    const long total = static_cast<long>(e.largeur) * e.hauteur;
    if (e.largeur <= 0 || e.hauteur <= 0 || total > PIXELS_MAX) return 0;
    Flux f{debut + TAILLE_ENTETE, debut + donnees.taille};
    if (!f.reste(e.longueurId)) return 0;
    f.p += e.longueurId;

    const int octets = octetsParPixel(e);
    if (octets < 0 || !assezDeDonnees(f, total, octets, e.rle())) return 0;
    // A type 0 file carries no pixels, so nothing in it can justify a large
    // blank buffer: no more pixels than the file has bytes.
    if (e.type == 0 && total > static_cast<long>(donnees.taille)) return 0;

    // Zero-filled only for type 0, whose pixels are never decoded.
    unsigned char* sortie = e.type == 0 ? new unsigned char[total * 4]()
                                        : new unsigned char[total * 4];
    if (!decoderImage(e, f, total, sortie)) {
        delete[] sortie;
        return 0;
    }
    if (retourner) retournerLignes(sortie, e.largeur, e.hauteur);
    *pixels = sortie;
    return 1;
}
