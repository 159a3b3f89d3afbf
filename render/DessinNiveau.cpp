// The level's squares of cells, their display lists and the test against the camera's view.
#include "render/DessinNiveau.h"

#include <SDL/SDL_opengl.h>

#include <algorithm>

namespace {

// Heights a square's blocks can reach: thick blocks from -0.9 to -0.6,
// opened trapdoors down to -1.1; a margin keeps the test on the safe side.
const double Y_BAS = -1.2;
const double Y_HAUT = -0.5;
const double MARGE = 0.01;
// A square unseen for more draws than this may be released (two views a frame).
const long OUBLI = 4;

struct Plan {
    double a, b, c, d;
};

// The six planes of the view volume, from the product projection x model-view
// (column-major): a point is inside when a x + b y + c z + d >= 0 for all.
void plansDeVue(Plan plans[6]) {
    GLdouble p[16], m[16], v[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += p[k * 4 + r] * m[c * 4 + k];
            v[c * 4 + r] = s;
        }
    auto ligne = [&](int r, int k) { return v[k * 4 + r]; };
    for (int i = 0; i < 3; ++i) {
        for (int signe = 0; signe < 2; ++signe) {
            const double f = signe ? -1 : 1;
            Plan& pl = plans[i * 2 + signe];
            pl.a = ligne(3, 0) + f * ligne(i, 0);
            pl.b = ligne(3, 1) + f * ligne(i, 1);
            pl.c = ligne(3, 2) + f * ligne(i, 2);
            pl.d = ligne(3, 3) + f * ligne(i, 3);
        }
    }
}

// Whether any corner of the box can be inside every plane.
bool boiteVisible(const Plan plans[6], const double mini[3], const double maxi[3]) {
    for (int i = 0; i < 6; ++i) {
        const Plan& p = plans[i];
        const double x = p.a >= 0 ? maxi[0] : mini[0];
        const double y = p.b >= 0 ? maxi[1] : mini[1];
        const double z = p.c >= 0 ? maxi[2] : mini[2];
        if (p.a * x + p.b * y + p.c * z + p.d < 0) return false;
    }
    return true;
}

}  // namespace

DessinNiveau::~DessinNiveau() { vider(); }

void DessinNiveau::preparer(Cellules cellules, int h, int l) {
    vider();
    grille = std::move(cellules);
    hauteur = h;
    largeur = l;
    lignesCarres = (h + COTE - 1) / COTE;
    colonnesCarres = (l + COTE - 1) / COTE;
    carres.assign(static_cast<size_t>(lignesCarres) * colonnesCarres, Carre());
}

void DessinNiveau::vider() {
    for (Carre& c : carres) liberer(c);
    carres.clear();
    carres.shrink_to_fit();
    grille = nullptr;
    hauteur = largeur = lignesCarres = colonnesCarres = 0;
    blocsCompiles = 0;
}

void DessinNiveau::toutLiberer() {
    for (Carre& c : carres) liberer(c);
}

void DessinNiveau::liberer(Carre& c) {
    if (c.liste) glDeleteLists(c.liste, 1);
    blocsCompiles -= c.blocs;
    c = Carre();
}

void DessinNiveau::modifier(int ligne, int colonne) {
    if (ligne < 0 || colonne < 0 || ligne >= hauteur || colonne >= largeur) return;
    carres[static_cast<size_t>(ligne / COTE) * colonnesCarres + colonne / COTE].aJour = false;
}

int DessinNiveau::getListesCompilees() const {
    return static_cast<int>(std::count_if(carres.begin(), carres.end(), [](const Carre& c) { return c.liste != 0; }));
}

template <typename F>
void DessinNiveau::pourChaqueCellule(int numero, F f) {
    const int l0 = (numero / colonnesCarres) * COTE, c0 = (numero % colonnesCarres) * COTE;
    const int l1 = std::min(l0 + COTE, hauteur), c1 = std::min(c0 + COTE, largeur);
    for (int l = l0; l < l1; ++l)
        for (int c = c0; c < c1; ++c) {
            const int cellule = l * largeur + c;
            if (BlocDessinable* b = grille(cellule)) f(cellule, b);
        }
}

// Squares in row order. Faces turned away from the camera are left out: of
// the two faces two neighbours share, only one faces the camera, so no
// coincident faces are left to fight, and the order of the blocks within a
// square no longer shows; it groups them by image. A square's list holds the
// very primitives that one list per block held, so the rasteriser sees the
// same triangles.
void DessinNiveau::draw() {
    if (!grille || carres.empty()) return;
    ++compteur;
    Plan plans[6];
    plansDeVue(plans);
    for (int i = 0; i < static_cast<int>(carres.size()); ++i) {
        const int l0 = (i / colonnesCarres) * COTE, c0 = (i % colonnesCarres) * COTE;
        const double mini[3] = {c0 - 0.5 - MARGE, Y_BAS, l0 - 0.5 - MARGE};
        const double maxi[3] = {std::min(c0 + COTE, largeur) - 0.5 + MARGE, Y_HAUT,
                                std::min(l0 + COTE, hauteur) - 0.5 + MARGE};
        if (boiteVisible(plans, mini, maxi)) dessinerCarre(i);
    }
    if (blocsCompiles > BLOCS_COMPILES_MAX) libererAnciens();
}

void DessinNiveau::dessinerCarre(int numero) {
    Carre& carre = carres[static_cast<size_t>(numero)];
    carre.vu = compteur;
    if (perime(carre)) compiler(numero);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glCallList(carre.liste);
    glDisable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    for (const auto& v : carre.variables)
        if (v.second) grille(v.first)->draw();
}

bool DessinNiveau::perime(const Carre& carre) const {
    if (!carre.aJour) return true;
    for (const auto& v : carre.variables) {
        BlocDessinable* b = grille(v.first);
        if (!b || b->seDessineChaqueImage() != v.second) return true;
    }
    return false;
}

// The list holds the blocks drawn the same every frame, grouped by image
// (each change of image costs the driver a state change); the others are
// only noted. They never share a surface with a neighbour (a
// broken tile's flaps hang inside its cell), so drawing them after the list
// gives the same pixels as drawing them in their turn.
void DessinNiveau::compiler(int numero) {
    Carre& carre = carres[static_cast<size_t>(numero)];
    if (!carre.liste) carre.liste = glGenLists(1);
    blocsCompiles -= carre.blocs;
    carre.blocs = 0;
    carre.variables.clear();
    std::vector<BlocDessinable*> fixes;
    pourChaqueCellule(numero, [&](int cellule, BlocDessinable* b) {
        const bool aPart = b->seDessineChaqueImage();
        if (b->estVariable()) carre.variables.emplace_back(cellule, aPart);
        if (!aPart) fixes.push_back(b);
    });
    std::stable_sort(fixes.begin(), fixes.end(),
                     [](const BlocDessinable* a, const BlocDessinable* b) { return a->getTexture() < b->getTexture(); });
    glNewList(carre.liste, GL_COMPILE);
    for (BlocDessinable* b : fixes) b->draw();
    glEndList();
    carre.blocs = static_cast<int>(fixes.size());
    blocsCompiles += carre.blocs;
    carre.aJour = true;
}

void DessinNiveau::libererAnciens() {
    for (Carre& c : carres)
        if (c.liste && compteur - c.vu > OUBLI) liberer(c);
}
