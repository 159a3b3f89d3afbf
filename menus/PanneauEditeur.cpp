// The editor's panel: palette and commands.
#include "menus/PanneauEditeur.h"

#include <SDL/SDL_opengl.h>

#include <cmath>

#include "menus/VueEditeur.h"
#include "render/TextesManager.h"
#include "settings/OptionsManager.h"

// Square on the screen, whatever its shape.
double PanneauEditeur::hauteurCase() { return COTE * OptionsManager::getInstance()->getRatioImages(); }

double PanneauEditeur::hautCommandes(int nbBlocs) {
    const int rangs = (nbBlocs + COLONNES_PALETTE - 1) / COLONNES_PALETTE;
    return HAUT_PALETTE - rangs * hauteurCase() - 0.012;
}

int PanneauEditeur::entreeSous(double x, double y, int nbBlocs, int nbCommandes) {
    if (x < X0 || x >= X1) return -1;
    const double h = hauteurCase(), haut = hautCommandes(nbBlocs);
    if (y > haut && y <= HAUT_PALETTE) {
        const int i = static_cast<int>((HAUT_PALETTE - y) / h) * COLONNES_PALETTE + static_cast<int>((x - X0) / COTE);
        return i < nbBlocs ? i : -1;
    }
    const int k = static_cast<int>(std::floor((haut - y) / PAS_COMMANDE));
    return y <= haut && k >= 0 && k < nbCommandes ? nbBlocs + k : -1;
}

void PanneauEditeur::centre(int i, int nbBlocs, double& x, double& y) {
    if (i < nbBlocs) {
        x = X0 + (i % COLONNES_PALETTE + 0.5) * COTE;
        y = HAUT_PALETTE - (i / COLONNES_PALETTE + 0.5) * hauteurCase();
    } else {
        x = (X0 + X1) / 2;
        y = hautCommandes(nbBlocs) - (i - nbBlocs + 0.5) * PAS_COMMANDE;
    }
}

void PanneauEditeur::dessiner(TextesManager* textes, const std::vector<int>& codes, int bloc,
                              const std::vector<std::string>& libelles, int entree, bool actif) {
    const int n = static_cast<int>(codes.size());
    const double h = hauteurCase(), haut = hautCommandes(n);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.05f, 0.05f, 0.12f, 0.9f);
    glBegin(GL_QUADS);
    VueEditeur::sommets(X0 - 0.005, 0.13, 1, 1);
    glEnd();
    for (int i = 0; i < n; ++i) {
        const double x = X0 + (i % COLONNES_PALETTE) * COTE, y = HAUT_PALETTE - (i / COLONNES_PALETTE + 1) * h;
        const unsigned int t = VueEditeur::texture(codes[static_cast<size_t>(i)]);
        if (!t) {
            // The empty cell: a dark square and its outline.
            glColor4f(0.02f, 0.02f, 0.05f, 1);
            glBegin(GL_QUADS);
            VueEditeur::sommets(x + 0.003, y + 0.004, x + COTE - 0.003, y + h - 0.004);
            glEnd();
            glColor4f(0.6f, 0.6f, 0.7f, 1);
            glBegin(GL_LINE_LOOP);
            VueEditeur::sommets(x + 0.003, y + 0.004, x + COTE - 0.003, y + h - 0.004);
            glEnd();
        } else {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, t);
            glColor4f(1, 1, 1, 1);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0); glVertex2d(x + 0.003, y + 0.004);
            glTexCoord2f(0.5f, 0); glVertex2d(x + COTE - 0.003, y + 0.004);
            glTexCoord2f(0.5f, 1); glVertex2d(x + COTE - 0.003, y + h - 0.004);
            glTexCoord2f(0, 1); glVertex2d(x + 0.003, y + h - 0.004);
            glEnd();
            glDisable(GL_TEXTURE_2D);
        }
        const bool choisi = i == bloc, vise = actif && i == entree;
        if (!choisi && !vise) continue;
        glLineWidth(choisi ? 3 : 1.5f);
        glColor4f(vise ? 1.0f : 0.3f, vise ? 0.95f : 1.0f, vise ? 0.2f : 0.4f, 1);
        glBegin(GL_LINE_LOOP);
        VueEditeur::sommets(x + 0.001, y + 0.002, x + COTE - 0.001, y + h - 0.002);
        glEnd();
        glLineWidth(1);
    }
    const int m = static_cast<int>(libelles.size());
    if (actif && entree >= n && entree < n + m) {
        const double y = haut - (entree - n + 1) * PAS_COMMANDE;
        glColor4f(1, 1, 1, 0.2f);
        glBegin(GL_QUADS);
        VueEditeur::sommets(X0, y, X1, y + PAS_COMMANDE);
        glEnd();
    }
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    for (int k = 0; k < m; ++k) {
        const char* t = libelles[static_cast<size_t>(k)].c_str();
        const int police = actif && entree == n + k ? 2 : 1;
        textes->draw(t, police, X0 + 0.006, haut - (k + 1) * PAS_COMMANDE + 0.008,
                     textes->largeurPour(t, 0.0125, X1 - X0 - 0.012, 0.5), 0.024, 0.5, 1);
    }
}
