// The editor's grid view.
#include "menus/VueEditeur.h"

#include <SDL/SDL_opengl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "render/CTextureManager.h"
#include "render/LoadFileTGA.h"
#include "settings/OptionsManager.h"
#include "world/TypeBloc.h"
#include "world/edition/EditionNiveau.h"

namespace {

std::string cheminImage(int code) {
    return "Images/Bloc/" + OptionsManager::getInstance()->getPathTextures() + "/" + std::to_string(code) + ".tga";
}

int puissanceDeux(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

}  // namespace

void VueEditeur::sommets(double xa, double ya, double xb, double yb) {
    glVertex2d(xa, ya);
    glVertex2d(xb, ya);
    glVertex2d(xb, yb);
    glVertex2d(xa, yb);
}

VueEditeur::VueEditeur() = default;

VueEditeur::~VueEditeur() {
    if (apercu) glDeleteTextures(1, &apercu);
}

unsigned int VueEditeur::texture(int code) {
    if (code == 0) return 0;
    CTextureManager* t = CTextureManager::GetInstance();
    return TypeBloc::pour(code) ? t->LoadTexture(cheminImage(code), false) : t->GetTexture(CTextureManager::DEFAUT);
}

// The mean colour of the picture's top face (the left half of the image),
// read once; a grey for a code with no picture.
const float* VueEditeur::couleur(int code) {
    static std::map<int, std::array<float, 3>> couleurs;
    auto trouvee = couleurs.find(code);
    if (trouvee != couleurs.end()) return trouvee->second.data();
    std::array<float, 3> c{0.5f, 0.45f, 0.55f};
    if (code == 0) c = {0.06f, 0.06f, 0.1f};
    unsigned char* pixels = nullptr;
    int l = 0, h = 0;
    if (code != 0 && TypeBloc::pour(code) && LoadFileTGA(cheminImage(code).c_str(), &pixels, &l, &h, false) == 1) {
        double somme[3] = {0, 0, 0};
        long n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < l / 2; ++x, ++n)
                for (int k = 0; k < 3; ++k) somme[k] += pixels[(static_cast<size_t>(y) * l + x) * 4 + k];
        if (n > 0)
            for (int k = 0; k < 3; ++k) c[static_cast<size_t>(k)] = static_cast<float>(somme[k] / n / 255);
    }
    delete[] pixels;
    return couleurs.emplace(code, c).first->second.data();
}

void VueEditeur::placer(double a, double b, double c, double d) { x0 = a, y0 = b, x1 = c, y1 = d; }

void VueEditeur::cadrer(int lignes, int colonnes) {
    centreL = lignes / 2.0, centreC = colonnes / 2.0;
    const double t = std::min((x1 - x0) / std::max(1, colonnes), (y1 - y0) / ratio / std::max(1, lignes));
    taille = std::clamp(t * 0.95, TAILLE_MIN, TAILLE_MAX);
}

void VueEditeur::zoomer(double facteur, double x, double y) {
    // The cell point under (x, y) stays under it.
    const double c = centreC + (x - (x0 + x1) / 2) / taille, l = centreL - (y - (y0 + y1) / 2) / (taille * ratio);
    taille = std::clamp(taille * facteur, TAILLE_MIN, TAILLE_MAX);
    centreC = c - (x - (x0 + x1) / 2) / taille;
    centreL = l + (y - (y0 + y1) / 2) / (taille * ratio);
}

void VueEditeur::glisser(double dx, double dy) {
    centreC -= dx / taille;
    centreL += dy / (taille * ratio);
}

void VueEditeur::montrer(int ligne, int colonne) {
    const double demiC = (x1 - x0) / 2 / taille, demiL = (y1 - y0) / 2 / (taille * ratio);
    if (colonne < centreC - demiC + 1) centreC = colonne - 1 + demiC;
    if (colonne + 1 > centreC + demiC - 1) centreC = colonne + 2 - demiC;
    if (ligne < centreL - demiL + 1) centreL = ligne - 1 + demiL;
    if (ligne + 1 > centreL + demiL - 1) centreL = ligne + 2 - demiL;
}

bool VueEditeur::celluleSous(double x, double y, int& ligne, int& colonne) const {
    if (!dans(x, y)) return false;
    colonne = static_cast<int>(std::floor(centreC + (x - (x0 + x1) / 2) / taille));
    ligne = static_cast<int>(std::floor(centreL - (y - (y0 + y1) / 2) / (taille * ratio)));
    return true;
}

void VueEditeur::mesurerEcran() {
    GLint vue[4];
    glGetIntegerv(GL_VIEWPORT, vue);
    if (vue[2] > 0 && vue[3] > 0) ratio = static_cast<double>(vue[2]) / vue[3], pixelsParUnite = vue[2];
}

void VueEditeur::dessiner(const EditionNiveau& e, const Marques& m) {
    mesurerEcran();
    GLint vue[4];
    glGetIntegerv(GL_VIEWPORT, vue);
    glEnable(GL_SCISSOR_TEST);
    glScissor(vue[0] + static_cast<GLint>(x0 * vue[2]), vue[1] + static_cast<GLint>(y0 * vue[3]),
              static_cast<GLsizei>((x1 - x0) * vue[2] + 1), static_cast<GLsizei>((y1 - y0) * vue[3] + 1));
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.02f, 0.02f, 0.05f, 1);
    glBegin(GL_QUADS);
    sommets(x0, y0, x1, y1);
    glEnd();
    // Only the cells in sight are looked at.
    const int c0 = std::max(0, static_cast<int>(std::floor(centreC - (x1 - x0) / 2 / taille)));
    const int c1 = std::min(e.colonnes() - 1, static_cast<int>(std::ceil(centreC + (x1 - x0) / 2 / taille)));
    const int l0 = std::max(0, static_cast<int>(std::floor(centreL - (y1 - y0) / 2 / (taille * ratio))));
    const int l1 = std::min(e.lignes() - 1, static_cast<int>(std::ceil(centreL + (y1 - y0) / 2 / (taille * ratio))));
    // The cells are opaque: blending them would only cost fill time.
    glDisable(GL_BLEND);
    if (taille * pixelsParUnite >= PIXELS_IMAGES) dessinerImages(e, l0, l1, c0, c1);
    else dessinerTexture(e);
    glEnable(GL_BLEND);
    dessinerMarques(e, m);
    glDisable(GL_SCISSOR_TEST);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

// Up close: each cell's picture, one batch of quads a block code.
void VueEditeur::dessinerImages(const EditionNiveau& e, int l0, int l1, int c0, int c1) {
    std::map<int, std::vector<std::pair<int, int>>> parCode;
    for (int l = l0; l <= l1; ++l)
        for (int c = c0; c <= c1; ++c) {
            const int code = e.code(l, c);
            if (code) parCode[code].emplace_back(l, c);
        }
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    for (const auto& [code, cellules] : parCode) {
        glBindTexture(GL_TEXTURE_2D, texture(code));
        glBegin(GL_QUADS);
        for (const auto& [l, c] : cellules) {
            const double xa = xCellule(c), xb = xCellule(c + 1), ya = yCellule(l + 1), yb = yCellule(l);
            glTexCoord2f(0, 0); glVertex2d(xa, ya);
            glTexCoord2f(0.5f, 0); glVertex2d(xb, ya);
            glTexCoord2f(0.5f, 1); glVertex2d(xb, yb);
            glTexCoord2f(0, 1); glVertex2d(xa, yb);
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    if (taille * pixelsParUnite < 3 * PIXELS_IMAGES) return;
    // The cell edges, faint, where there is room for them.
    glColor4f(1, 1, 1, 0.12f);
    glBegin(GL_LINES);
    for (int l = l0; l <= l1 + 1; ++l) glVertex2d(xCellule(c0), yCellule(l)), glVertex2d(xCellule(c1 + 1), yCellule(l));
    for (int c = c0; c <= c1 + 1; ++c) glVertex2d(xCellule(c), yCellule(l0)), glVertex2d(xCellule(c), yCellule(l1 + 1));
    glEnd();
}

// From afar: the whole grid as one texture of a texel a cell, in each block's mean colour.
void VueEditeur::dessinerTexture(const EditionNiveau& e) {
    const int l = e.colonnes(), h = e.lignes();
    if (!apercu) glGenTextures(1, &apercu);
    glBindTexture(GL_TEXTURE_2D, apercu);
    if (!apercuAJour) {
        if (apercuL < l || apercuH < h) {
            apercuL = puissanceDeux(l), apercuH = puissanceDeux(h);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, apercuL, apercuH, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        }
        std::vector<unsigned char> texels(static_cast<size_t>(l) * h * 3);
        const std::vector<int>& codes = e.niveau().codes;
        int dernier = -1;
        const float* c = nullptr;
        for (size_t i = 0; i < codes.size() && i * 3 < texels.size(); ++i) {
            if (codes[i] != dernier) dernier = codes[i], c = couleur(dernier);
            for (int k = 0; k < 3; ++k) texels[i * 3 + static_cast<size_t>(k)] = static_cast<unsigned char>(c[k] * 255);
        }
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, l, h, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        apercuAJour = true;
    }
    const float u = static_cast<float>(l) / apercuL, v = static_cast<float>(h) / apercuH;
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, v); glVertex2d(xCellule(0), yCellule(h));
    glTexCoord2f(u, v); glVertex2d(xCellule(l), yCellule(h));
    glTexCoord2f(u, 0); glVertex2d(xCellule(l), yCellule(0));
    glTexCoord2f(0, 0); glVertex2d(xCellule(0), yCellule(0));
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// A cell's outline, drawn retrait of a cell inside it.
void VueEditeur::carre(int ligne, int colonne, double retrait) const {
    glBegin(GL_LINE_LOOP);
    glVertex2d(xCellule(colonne + retrait), yCellule(ligne + retrait));
    glVertex2d(xCellule(colonne + 1 - retrait), yCellule(ligne + retrait));
    glVertex2d(xCellule(colonne + 1 - retrait), yCellule(ligne + 1 - retrait));
    glVertex2d(xCellule(colonne + retrait), yCellule(ligne + 1 - retrait));
    glEnd();
}

void VueEditeur::dessinerMarques(const EditionNiveau& e, const Marques& m) {
    glLineWidth(2);
    // The grid's edge.
    glColor4f(0.5f, 0.5f, 0.7f, 0.8f);
    glBegin(GL_LINE_LOOP);
    sommets(xCellule(0), yCellule(e.lignes()), xCellule(e.colonnes()), yCellule(0));
    glEnd();
    if (!m.apercu.empty()) {
        const float* c = couleur(m.codeApercu);
        glColor4f(c[0], c[1], c[2], 0.75f);
        glBegin(GL_QUADS);
        for (const auto& [l, col] : m.apercu) sommets(xCellule(col), yCellule(l + 1), xCellule(col + 1), yCellule(l));
        glEnd();
    }
    if (m.route && !m.route->empty()) {
        glColor4f(1, 0.6f, 0.1f, 0.95f);
        glBegin(GL_LINE_STRIP);
        glVertex2d(xCellule(e.departColonne() + 0.5), yCellule(e.departLigne() + 0.5));
        for (const auto& [l, c] : *m.route) glVertex2d(xCellule(c + 0.5), yCellule(l + 0.5));
        glEnd();
        glPointSize(5);
        glBegin(GL_POINTS);
        for (const auto& [l, c] : *m.route) glVertex2d(xCellule(c + 0.5), yCellule(l + 0.5));
        glEnd();
        glPointSize(1);
    }
    if (m.bloqueLigne >= 0) {
        glColor4f(1, 0.1f, 0.1f, 0.6f);
        glBegin(GL_QUADS);
        sommets(xCellule(m.bloqueColonne), yCellule(m.bloqueLigne + 1), xCellule(m.bloqueColonne + 1),
                  yCellule(m.bloqueLigne));
        glEnd();
    }
    // The start: a green ring; the cursor: a yellow one.
    glColor4f(0.2f, 1, 0.3f, 1);
    carre(e.departLigne(), e.departColonne(), 0.15);
    if (m.curseurLigne >= 0) {
        glColor4f(1, 0.95f, 0.2f, 1);
        carre(m.curseurLigne, m.curseurColonne, 0);
    }
    glLineWidth(1);
}
