// Small MD2 model files built by the tests.
#include "tests/support/FabriqueMD2.h"

#include <cstring>

namespace {
void ajouter32(Octets& o, int32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 255));
}
void ajouter16(Octets& o, int v) {
    o.push_back(static_cast<uint8_t>(v & 255));
    o.push_back(static_cast<uint8_t>((v >> 8) & 255));
}
}  // namespace

int32_t motFlottant(float f) {
    int32_t i;
    std::memcpy(&i, &f, 4);
    return i;
}

void ecrireChamp(Octets& f, int champ, int32_t v) {
    for (int i = 0; i < 4; ++i) f[static_cast<size_t>(champ) * 4 + i] = static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 255);
}

int32_t lireChamp(const Octets& f, int champ) {
    const uint8_t* p = &f[static_cast<size_t>(champ) * 4];
    return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

Octets fabriquerMD2(const ModeleMD2& m) {
    const int nbSommets = m.images.empty() ? 0 : static_cast<int>(m.images[0].sommets.size());
    const int tailleImage = 40 + 4 * nbSommets;
    const int ofsSkins = 68, ofsSt = ofsSkins + 64;
    const int ofsTris = ofsSt + 4 * static_cast<int>(m.coords.size());
    const int ofsFrames = ofsTris + 12 * static_cast<int>(m.triangles.size());
    const int ofsCmds = ofsFrames + tailleImage * static_cast<int>(m.images.size());
    const int ofsEnd = ofsCmds + 4 * static_cast<int>(m.commandes.size());
    Octets o{'I', 'D', 'P', '2'};
    for (int v : {8, m.largeurPeau, m.hauteurPeau, tailleImage, 1, nbSommets, static_cast<int>(m.coords.size()),
                  static_cast<int>(m.triangles.size()), static_cast<int>(m.commandes.size()),
                  static_cast<int>(m.images.size()), ofsSkins, ofsSt, ofsTris, ofsFrames, ofsCmds, ofsEnd})
        ajouter32(o, v);
    const char peau[64] = "peau.pcx";
    o.insert(o.end(), peau, peau + 64);
    for (const auto& c : m.coords) {
        ajouter16(o, c[0]);
        ajouter16(o, c[1]);
    }
    for (const auto& t : m.triangles)
        for (uint16_t i : t) ajouter16(o, i);
    for (const auto& im : m.images) {
        for (float f : im.echelle) ajouter32(o, motFlottant(f));
        for (float f : im.translation) ajouter32(o, motFlottant(f));
        const char nom[16] = "image";
        o.insert(o.end(), nom, nom + 16);
        for (const auto& s : im.sommets) o.insert(o.end(), s.begin(), s.end());
    }
    for (int32_t c : m.commandes) ajouter32(o, c);
    return o;
}

ModeleMD2 modeleSimple() {
    ModeleMD2 m;
    m.coords = {{64, 32}, {128, 32}, {64, 96}};
    m.triangles = {{0, 1, 2, 0, 1, 2}};
    m.images.push_back({{1, 1, 1}, {1, 2, 3}, {{0, 0, 0, 0}, {10, 0, 0, 1}, {0, 10, 0, 2}}});
    m.images.push_back({{1, 1, 1}, {1, 2, 3}, {{0, 0, 20, 0}, {10, 0, 20, 1}, {0, 10, 20, 2}}});
    m.commandes = {3, motFlottant(0.25f), motFlottant(0.25f), 0, motFlottant(0.5f), motFlottant(0.25f), 1,
                   motFlottant(0.25f), motFlottant(0.75f), 2, 0};
    return m;
}
