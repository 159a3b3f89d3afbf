// A small RGBA canvas for our art generator.
#include "tools/genart/Image.h"

#include "tools/genart/CodageTGA.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>

Couleur rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Couleur melange(const Couleur& a, const Couleur& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Couleur eclaircir(const Couleur& c, float f) {
    return f >= 0 ? melange(c, {1, 1, 1, c.a}, f) : melange(c, {0, 0, 0, c.a}, -f);
}

bool dansPolygone(const std::vector<Point>& p, float x, float y) {
    bool dedans = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            dedans = !dedans;
    }
    return dedans;
}

Image::Image(int largeur, int hauteur, Couleur fond) : l(largeur), h(hauteur), pixels(static_cast<size_t>(largeur) * hauteur, fond) {}

void Image::melanger(int x, int y, const Couleur& c, float couverture) {
    Couleur& d = at(x, y);
    const float a = c.a * couverture;
    const float reste = d.a * (1 - a);
    const float total = a + reste;
    if (total <= 0) return;
    d.r = (c.r * a + d.r * reste) / total;
    d.g = (c.g * a + d.g * reste) / total;
    d.b = (c.b * a + d.b * reste) / total;
    d.a = total;
}

void Image::peindre(const std::function<bool(float, float)>& dedans, const std::function<Couleur(float, float)>& c,
                    float bx0, float by0, float bx1, float by1) {
    const int ya = std::max(0, static_cast<int>(std::floor(by0)) - 1), yb = std::min(h, static_cast<int>(std::ceil(by1)) + 1);
    const int xa = std::max(0, static_cast<int>(std::floor(bx0)) - 1), xb = std::min(l, static_cast<int>(std::ceil(bx1)) + 1);
    for (int y = ya; y < yb; ++y) {
        for (int x = xa; x < xb; ++x) {
            int n = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (dedans(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4)) ++n;
            if (n) melanger(x, y, c(x + 0.5f, y + 0.5f), n / 16.0f);
        }
    }
}

void Image::remplir(const std::function<bool(float, float)>& dedans, const Couleur& c, float x0, float y0, float x1,
                    float y1) {
    peindre(dedans, [&](float, float) { return c; }, x0, y0, x1, y1);
}

void Image::degrade(const std::function<Couleur(float, float)>& fonction) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) melanger(x, y, fonction(x + 0.5f, y + 0.5f), 1);
}

void Image::polygone(const std::vector<Point>& p, const Couleur& c) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Point& q : p) {
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x);
        y1 = std::max(y1, q.y);
    }
    remplir([&](float x, float y) { return dansPolygone(p, x, y); }, c, x0, y0, x1, y1);
}

void Image::ellipse(float cx, float cy, float rx, float ry, const Couleur& c) {
    remplir([&](float x, float y) {
        const float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    }, c, cx - rx, cy - ry, cx + rx, cy + ry);
}

void Image::anneau(float cx, float cy, float r0, float r1, const Couleur& c) {
    remplir([&](float x, float y) {
        const float d = std::hypot(x - cx, y - cy);
        return d >= r0 && d <= r1;
    }, c, cx - r1, cy - r1, cx + r1, cy + r1);
}

void Image::rectangle(float x0, float y0, float x1, float y1, const Couleur& c, float rayon) {
    remplir([&](float x, float y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        const float dx = std::max({x0 + rayon - x, 0.0f, x - (x1 - rayon)});
        const float dy = std::max({y0 + rayon - y, 0.0f, y - (y1 - rayon)});
        return dx * dx + dy * dy <= rayon * rayon;
    }, c, x0, y0, x1, y1);
}

void Image::trait(Point a, Point b, float e, const Couleur& c) {
    const float dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    remplir([&](float x, float y) {
        float t = l2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / l2 : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        return std::hypot(x - (a.x + t * dx), y - (a.y + t * dy)) <= e / 2;
    }, c, std::min(a.x, b.x) - e, std::min(a.y, b.y) - e, std::max(a.x, b.x) + e, std::max(a.y, b.y) + e);
}

void Image::coller(const Image& autre, int ox, int oy) {
    for (int y = 0; y < autre.h; ++y)
        for (int x = 0; x < autre.l; ++x)
            if (ox + x >= 0 && ox + x < l && oy + y >= 0 && oy + y < h) melanger(ox + x, oy + y, autre.at(x, y), 1);
}

Image Image::moitie() const {
    Image m(std::max(1, l / 2), std::max(1, h / 2));
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.l; ++x) {
            Couleur s{0, 0, 0, 0};
            float poids = 0;
            for (int k = 0; k < 4; ++k) {
                const Couleur& c = at(std::min(l - 1, 2 * x + k % 2), std::min(h - 1, 2 * y + k / 2));
                s.r += c.r * c.a;
                s.g += c.g * c.a;
                s.b += c.b * c.a;
                s.a += c.a;
                poids += c.a;
            }
            m.at(x, y) = poids > 0 ? Couleur{s.r / poids, s.g / poids, s.b / poids, s.a / 4} : Couleur{0, 0, 0, 0};
        }
    }
    return m;
}

Image Image::region(int x0, int y0, int largeur, int hauteur) const {
    Image r(largeur, hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) r.at(x, y) = at(x0 + x, y0 + y);
    return r;
}

namespace {
unsigned char octet(float v) { return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }
}  // namespace

bool Image::tgaCompresse = true;

bool Image::ecrireTGA(const std::string& chemin, bool basEnHaut) const {
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
    std::vector<unsigned char> rgba(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Couleur& c = pixels[i];
        rgba[i * 4] = octet(c.r);
        rgba[i * 4 + 1] = octet(c.g);
        rgba[i * 4 + 2] = octet(c.b);
        rgba[i * 4 + 3] = octet(c.a);
    }
    const std::vector<unsigned char> fichier = coderTGA(rgba, l, h, basEnHaut, tgaCompresse);
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(fichier.data()), static_cast<std::streamsize>(fichier.size()));
    return static_cast<bool>(f);
}

bool Image::ecrireBMP(const std::string& chemin) const {
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
    const int pas = (l * 3 + 3) & ~3;
    const int taille = 54 + pas * h;
    auto mot32 = [](unsigned char* p, int v) {
        for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>((v >> (8 * i)) & 255);
    };
    unsigned char e[54] = {'B', 'M'};
    mot32(e + 2, taille);
    mot32(e + 10, 54);
    mot32(e + 14, 40);
    mot32(e + 18, l);
    mot32(e + 22, h);
    e[26] = 1;
    e[28] = 24;
    mot32(e + 34, pas * h);
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(e), 54);
    std::vector<unsigned char> ligne(static_cast<size_t>(pas), 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < l; ++x) {
            const Couleur& c = at(x, y);  // over black: the icon has no alpha
            ligne[x * 3] = octet(c.b * c.a);
            ligne[x * 3 + 1] = octet(c.g * c.a);
            ligne[x * 3 + 2] = octet(c.r * c.a);
        }
        f.write(reinterpret_cast<const char*>(ligne.data()), pas);
    }
    return static_cast<bool>(f);
}

namespace {

uint32_t crc32(const std::vector<unsigned char>& octets, size_t debut) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = debut; i < octets.size(); ++i) {
        crc ^= octets[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void gros32(std::vector<unsigned char>& o, uint32_t v) {
    for (int i = 3; i >= 0; --i) o.push_back(static_cast<unsigned char>((v >> (8 * i)) & 255));
}

// One chunk: length, type, data, CRC of type and data.
void morceau(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& donnees) {
    gros32(png, static_cast<uint32_t>(donnees.size()));
    const size_t debut = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), donnees.begin(), donnees.end());
    gros32(png, crc32(png, debut));
}

// A zlib stream made of stored deflate blocks, with its Adler-32.
std::vector<unsigned char> zlibStocke(const std::vector<unsigned char>& brut) {
    std::vector<unsigned char> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, brut.size() - pos);
        z.push_back(pos + n == brut.size() ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n & 255));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n & 255));
        z.push_back(static_cast<unsigned char>((~n >> 8) & 255));
        z.insert(z.end(), brut.begin() + static_cast<long>(pos), brut.begin() + static_cast<long>(pos + n));
        pos += n;
    } while (pos < brut.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : brut) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    gros32(z, (b << 16) | a);
    return z;
}

}  // namespace

bool Image::ecrirePNG(const std::string& chemin) const {
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
    std::vector<unsigned char> brut;
    for (int y = 0; y < h; ++y) {
        brut.push_back(0);  // no filter
        for (int x = 0; x < l; ++x) {
            const Couleur& c = at(x, y);
            for (float v : {c.r, c.g, c.b, c.a}) brut.push_back(octet(v));
        }
    }
    std::vector<unsigned char> entete;
    gros32(entete, static_cast<uint32_t>(l));
    gros32(entete, static_cast<uint32_t>(h));
    entete.insert(entete.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    morceau(png, "IHDR", entete);
    morceau(png, "IDAT", zlibStocke(brut));
    morceau(png, "IEND", {});
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(f);
}
