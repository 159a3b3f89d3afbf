// The player: its MD2 model (a round bouncer with feet and eyes), five skins, its normal map and its shadow.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/CMD2Model.h"
#include "tools/genart/Art.h"
#include "tools/genart/Palette.h"

namespace {

const float PI = 3.14159265f;
const int PEAU = 256;

struct Vec {
    float x, y, z;
};

// One vertex of the model: position in both frames (MD2 axes, z up, forward
// is -x) and its normal.
struct Sommet {
    Vec position[2];
    Vec normale;
};

struct Maillage {
    std::vector<Sommet> sommets;
    std::vector<std::array<short, 2>> coords;
    std::vector<std::array<uint16_t, 6>> triangles;
};

// Frame 0 is squashed as on landing; frame 1, the one the game draws, at rest.
Vec pose(const Vec& p, int image) {
    if (image == 1) return p;
    return {p.x * 1.08f, p.y * 1.08f, p.z * 0.85f};
}

// An ellipsoid of lat x lon quads; uv(latitude 0..1, longitude 0..1) gives the skin pixel.
template <typename UV>
void ellipsoide(Maillage& m, Vec c, Vec r, int lat, int lon, UV uv) {
    const int base = static_cast<int>(m.sommets.size()), baseSt = static_cast<int>(m.coords.size());
    for (int i = 0; i <= lat; ++i) {
        const float theta = PI * i / lat;  // 0 at the top
        for (int j = 0; j < lon; ++j) {
            const float phi = 2 * PI * j / lon;
            const Vec d{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
            const Vec p{c.x + r.x * d.x, c.y + r.y * d.y, c.z + r.z * d.z};
            Vec n{d.x / r.x, d.y / r.y, d.z / r.z};
            const float l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
            m.sommets.push_back({{pose(p, 0), pose(p, 1)}, {n.x / l, n.y / l, n.z / l}});
        }
        for (int j = 0; j <= lon; ++j) m.coords.push_back(uv(static_cast<float>(i) / lat, static_cast<float>(j) / lon));
    }
    auto s = [&](int i, int j) { return static_cast<uint16_t>(base + i * lon + j % lon); };
    auto t = [&](int i, int j) { return static_cast<uint16_t>(baseSt + i * (lon + 1) + j); };
    for (int i = 0; i < lat; ++i) {
        for (int j = 0; j < lon; ++j) {
            m.triangles.push_back({s(i, j), s(i + 1, j), s(i + 1, j + 1), t(i, j), t(i + 1, j), t(i + 1, j + 1)});
            m.triangles.push_back({s(i, j), s(i + 1, j + 1), s(i, j + 1), t(i, j), t(i + 1, j + 1), t(i, j + 1)});
        }
    }
}

Maillage bouncer() {
    Maillage m;
    auto px = [](float u, float v) { return std::array<short, 2>{static_cast<short>(std::lround(u)), static_cast<short>(std::lround(v))}; };
    // Body: the top 160 rows of the skin, longitude across.
    ellipsoide(m, {0, 0, 1.5f}, {0.95f, 1.0f, 1.15f}, 10, 16,
               [&](float lat, float lon) { return px(lon * (PEAU - 1), lat * 159); });
    // Feet: the bottom-left quarter of the skin.
    for (float cote : {-0.45f, 0.45f})
        ellipsoide(m, {-0.12f, cote, 0.2f}, {0.45f, 0.3f, 0.2f}, 5, 10,
                   [&](float lat, float lon) { return px(8 + lon * 112, 168 + lat * 80); });
    // Eyes: the bottom-right quarter, seen from the front, so the pupil lies forward.
    for (float cote : {-0.34f, 0.34f})
        ellipsoide(m, {-0.74f, cote, 1.88f}, {0.26f, 0.26f, 0.26f}, 6, 10, [&](float lat, float lon) {
            const float theta = PI * lat, phi = 2 * PI * lon;
            const float y = std::sin(theta) * std::sin(phi), z = std::cos(theta);
            return px(192 + y * 60, 208 - z * 44);
        });
    return m;
}

int normaleLaPlusProche(const Vec& n) {
    int meilleur = 0;
    float m = -2;
    for (int i = 0; i < CMD2Model::NB_NORMALES; ++i) {
        const float* t = CMD2Model::m_kAnorms[i];
        const float d = t[0] * n.x + t[1] * n.y + t[2] * n.z;
        if (d > m) {
            m = d;
            meilleur = i;
        }
    }
    return meilleur;
}

void mot32(std::vector<uint8_t>& o, int32_t v) {
    for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 255));
}
void flottant(std::vector<uint8_t>& o, float f) {
    int32_t i;
    std::memcpy(&i, &f, 4);
    mot32(o, i);
}
void mot16(std::vector<uint8_t>& o, int v) {
    o.push_back(static_cast<uint8_t>(v & 255));
    o.push_back(static_cast<uint8_t>((v >> 8) & 255));
}

// The MD2 file: both frames quantised to bytes over the model's bounding box,
// the triangle list, and a command list of one three-vertex strip per triangle.
std::vector<uint8_t> md2(const Maillage& m) {
    Vec mini{1e9f, 1e9f, 1e9f}, maxi{-1e9f, -1e9f, -1e9f};
    for (const Sommet& s : m.sommets) {
        for (const Vec& p : s.position) {
            mini = {std::min(mini.x, p.x), std::min(mini.y, p.y), std::min(mini.z, p.z)};
            maxi = {std::max(maxi.x, p.x), std::max(maxi.y, p.y), std::max(maxi.z, p.z)};
        }
    }
    const float echelle[3] = {(maxi.x - mini.x) / 255, (maxi.y - mini.y) / 255, (maxi.z - mini.z) / 255};
    const float translation[3] = {mini.x, mini.y, mini.z};
    const int nv = static_cast<int>(m.sommets.size()), nst = static_cast<int>(m.coords.size()),
              nt = static_cast<int>(m.triangles.size()), images = 2, cmds = nt * 10 + 1, taille = 40 + 4 * nv;
    const int ofsSkins = 68, ofsSt = ofsSkins + 64, ofsTris = ofsSt + 4 * nst, ofsFrames = ofsTris + 12 * nt,
              ofsCmds = ofsFrames + images * taille, ofsEnd = ofsCmds + 4 * cmds;
    std::vector<uint8_t> o{'I', 'D', 'P', '2'};
    for (int v : {8, PEAU, PEAU, taille, 1, nv, nst, nt, cmds, images, ofsSkins, ofsSt, ofsTris, ofsFrames, ofsCmds, ofsEnd})
        mot32(o, v);
    const char peau[64] = "joueur.tga";
    o.insert(o.end(), peau, peau + 64);
    for (const auto& c : m.coords) {
        mot16(o, c[0]);
        mot16(o, c[1]);
    }
    for (const auto& t : m.triangles)
        for (uint16_t i : t) mot16(o, i);
    for (int f = 0; f < images; ++f) {
        for (float e : echelle) flottant(o, e);
        for (float t : translation) flottant(o, t);
        char nom[16] = {};
        std::strcpy(nom, f == 0 ? "ecrase" : "repos");
        o.insert(o.end(), nom, nom + 16);
        for (const Sommet& s : m.sommets) {
            const float p[3] = {s.position[f].x, s.position[f].y, s.position[f].z};
            for (int k = 0; k < 3; ++k)
                o.push_back(static_cast<uint8_t>(std::lround(echelle[k] > 0 ? (p[k] - translation[k]) / echelle[k] : 0)));
            o.push_back(static_cast<uint8_t>(normaleLaPlusProche(s.normale)));
        }
    }
    for (const auto& t : m.triangles) {
        mot32(o, 3);
        for (int k = 0; k < 3; ++k) {
            flottant(o, m.coords[t[3 + k]][0] / static_cast<float>(PEAU));
            flottant(o, m.coords[t[3 + k]][1] / static_cast<float>(PEAU));
            mot32(o, t[k]);
        }
    }
    mot32(o, 0);
    return o;
}

// Skin rows from the top: MD2 t counts from the top, and the game flips the
// file's bottom-up rows when it loads a skin.
Image peau(const Couleur& c) {
    Image im(PEAU, PEAU, eclaircir(c, -0.2f));
    im.peindre([](float, float y) { return y < 160; },
               [&](float x, float y) {
                   Couleur b = eclaircir(c, 0.25f - 0.55f * y / 160);  // lit from above
                   const float du = (x / PEAU - 0.5f) / 0.14f, dv = (y / 160 - 0.62f) / 0.22f;
                   if (du * du + dv * dv < 1) b = melange(b, rgb(255, 246, 230), 0.75f);  // belly, forward
                   return b;
               }, 0, 0, PEAU, 160);
    for (int k = 0; k < 16; k += 2) im.rectangle(k * 16.0f, 4, k * 16.0f + 6, 10, eclaircir(c, 0.4f), 3);
    im.rectangle(0, 160, 128, PEAU, eclaircir(c, -0.5f));
    im.rectangle(128, 160, PEAU, PEAU, rgb(250, 250, 250));
    im.ellipse(192, 208, 22, 26, rgb(20, 20, 30));
    im.ellipse(186, 200, 7, 7, rgb(255, 255, 255));
    return im;
}

// Tangent-space normals of a height field of soft round scales.
Image carteNormales() {
    Image im(PEAU, PEAU);
    auto hauteur = [](float x, float y) {
        const float u = std::fmod(x, 32.0f) - 16, v = std::fmod(y + (static_cast<int>(x / 32) % 2) * 16, 32.0f) - 16;
        const float d = std::sqrt(u * u + v * v) / 16;
        return d < 1 ? 0.5f * (1 + std::cos(PI * d)) : 0.0f;
    };
    for (int y = 0; y < PEAU; ++y) {
        for (int x = 0; x < PEAU; ++x) {
            const float dx = (hauteur(x + 1.0f, y) - hauteur(x - 1.0f, y)) * 1.5f;
            const float dy = (hauteur(x, y + 1.0f) - hauteur(x, y - 1.0f)) * 1.5f;
            const float l = std::sqrt(dx * dx + dy * dy + 1);
            im.at(x, y) = {(-dx / l) * 0.5f + 0.5f, (-dy / l) * 0.5f + 0.5f, (1 / l) * 0.5f + 0.5f, 1};
        }
    }
    return im;
}

Image ombre() {
    const int s = 128;
    Image im(s, s);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const float dx = (x + 0.5f - s / 2.0f) / (s / 2.0f), dy = (y + 0.5f - s / 2.0f) / (s / 2.0f);
            const float d = std::sqrt(dx * dx + dy * dy);
            const float a = d >= 1 ? 0 : 0.62f * (1 - d * d) * (1 - d * d);
            im.at(x, y) = {0, 0, 0, a};
        }
    }
    return im;
}

}  // namespace

void genererJoueur(const std::string& jeu) {
    const std::vector<uint8_t> modele = md2(bouncer());
    std::filesystem::create_directories(jeu + "/Objets");
    std::ofstream(jeu + "/Objets/joueur.md2", std::ios::binary)
        .write(reinterpret_cast<const char*>(modele.data()), static_cast<std::streamsize>(modele.size()));
    for (int c = 0; c < 5; ++c) peau(COULEURS_JOUEURS[c]).ecrireTGA(jeu + "/Images/Joueur/joueur_" + std::to_string(c) + ".tga");
    carteNormales().ecrireTGA(jeu + "/Images/Joueur/joueur_ombre.tga");
    ombre().ecrireTGA(jeu + "/Images/Joueur/ombre.tga");
}
