// The editor's title and lesson entry.
#include "menus/SaisieTexte.h"

#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include "menus/ChoixLettre.h"
#include "render/TextesManager.h"
#include "settings/Accents.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"

namespace {

// The panel, over the grid, and its lines, in screen units.
const double X0 = 0.03, X1 = 0.72, BAS = 0.29, HAUT = 0.88, Y_PREMIER = 0.72, PAS = 0.08, H_LIGNE = 0.06;
const float DELAI_REPETITION = 200;  // ms between moves of a held direction
const size_t MONTRES = 48;           // the end of a longer line is what is shown

// The picker's letters: the space first, so that a word ends with one step back.
const ChoixLettre& choix() {
    static const ChoixLettre c = [] {
        std::string a = " abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,'-:?";
        for (const Accents::Lettre& l : Accents::LETTRES) a += static_cast<char>(l.octet);
        return ChoixLettre(a);
    }();
    return c;
}

const int LIGNES[SaisieTexte::NB_CHAMPS] = {LangManager::ED_TITRE_EN, LangManager::ED_TITRE_FR,
                                            LangManager::ED_LECON_EN, LangManager::ED_LECON_FR};

size_t tailleUtf8(const std::string& octets) { return SaisieTexte::versUtf8(octets).size(); }

}  // namespace

void SaisieTexte::ouvrir(int c) {
    champ = c >= 0 && c < NB_CHAMPS ? c : TITRE_EN;
    ouverte = true;
    delai = 0;
}

bool SaisieTexte::dessinable(unsigned char o) {
    if (o == ' ' || o == '.' || o == ',' || o == '\'' || o == '-') return true;
    // Four cells of the fonts are lent to the marks above: their own signs are not drawn.
    if (o == ';' || o == '<' || o == '>' || o == '@') return false;
    if (o >= '0' && o <= 'z') return true;
    return o >= 0x80 && Accents::cellule(o) >= 0;
}

std::string SaisieTexte::versUtf8(const std::string& octets) {
    std::string s;
    for (const char c : octets) {
        const unsigned char o = static_cast<unsigned char>(c);
        char32_t u = o < 0x80 ? o : 0;
        for (const Accents::Lettre& l : Accents::LETTRES)
            if (l.octet == o) u = l.unicode;
        if (u == 0) continue;  // never in a line: ajouter refuses it
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return s;
}

// Letters and digits by their key; the accented letters of a Western keyboard
// come as SDL's "world" keys, whose codes are their Latin-1 bytes.
unsigned char SaisieTexte::caractere(int k, bool majuscule) {
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<unsigned char>(majuscule ? k - 'a' + 'A' : k);
    if (k >= SDLK_KP0 && k <= SDLK_KP9) return static_cast<unsigned char>('0' + (k - SDLK_KP0));
    if (k >= 0xE0 && k <= 0xFE) {
        const unsigned char o = static_cast<unsigned char>(majuscule ? k - 0x20 : k);
        return dessinable(o) ? o : 0;
    }
    if (k == 0x9C) return 0x9C;  // oe
    if ((k >= SDLK_0 && k <= SDLK_9) || k == SDLK_SPACE || k == SDLK_PERIOD || k == SDLK_COMMA ||
        k == SDLK_MINUS || k == SDLK_QUOTE || k == SDLK_COLON || k == SDLK_QUESTION)
        return static_cast<unsigned char>(k);
    return 0;
}

bool SaisieTexte::ajouter(unsigned char o) {
    if (!dessinable(o)) return false;
    std::string& t = textes[champ];
    if (tailleUtf8(t + static_cast<char>(o)) > SerieNiveaux::TEXTE_MAX) return false;
    if (t.empty() && o == ' ') return false;  // a line never starts blank
    t += static_cast<char>(o);
    return true;
}

void SaisieTexte::effacer() {
    if (!textes[champ].empty()) textes[champ].pop_back();
}

void SaisieTexte::changerDerniere(int pas) {
    std::string& t = textes[champ];
    if (t.empty()) {
        ajouter(pas > 0 ? 'a' : 'A');
        return;
    }
    t.back() = choix().suivante(t.back(), pas);
    if (t.size() == 1 && t.back() == ' ') t.back() = choix().suivante(' ', pas);
}

SerieNiveaux::Textes SaisieTexte::paire(int en, int fr) const {
    SerieNiveaux::Textes t;
    const std::string a = versUtf8(textes[en]), b = versUtf8(textes[fr]);
    if (!a.empty() || !b.empty()) {
        t.parLangue["en"] = a.empty() ? b : a;
        t.parLangue["fr"] = b.empty() ? a : b;
    }
    return t;
}

int SaisieTexte::champSous(double x, double y) {
    if (x < X0 || x > X1) return -1;
    for (int c = 0; c < NB_CHAMPS; ++c) {
        const double bas = Y_PREMIER - c * PAS - 0.015;
        if (y >= bas && y < bas + PAS) return c;
    }
    return -1;
}

bool SaisieTexte::refresh(long ecoule, ClavierManager* clavier, const Souris::Lecture& p) {
    if (!ouverte) return false;
    const auto suivant = [this] { ouverte = ++champ < NB_CHAMPS; if (!ouverte) champ = TITRE_EN; };
    // The mouse.
    if (p.droit || (p.gauche && champSous(p.xClic, p.yClic) < 0 &&
                    (p.xClic < X0 || p.xClic > X1 || p.yClic < BAS || p.yClic > HAUT))) {
        ouverte = false;
        return false;
    }
    if (p.gauche && champSous(p.xClic, p.yClic) >= 0) champ = champSous(p.xClic, p.yClic);
    if (p.molette != 0 && champSous(p.x, p.y) >= 0) {
        champ = champSous(p.x, p.y);
        changerDerniere(p.molette > 0 ? -1 : 1);
    }
    // The keyboard: a key that types is taken as typed, whatever button it also is.
    const int k = clavier->getDerniereTouche();
    const unsigned char c = k > 0 ? caractere(k, (SDL_GetModState() & KMOD_SHIFT) != 0) : 0;
    if (k == SDLK_BACKSPACE || k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_ESCAPE || c) {
        clavier->initJ1();
        if (k == SDLK_BACKSPACE) effacer();
        else if (k == SDLK_RETURN || k == SDLK_KP_ENTER) suivant();
        else if (k == SDLK_ESCAPE) ouverte = false;
        else ajouter(c);
        return ouverte;
    }
    // The directions, with a repeat timer; confirm, cancel, start.
    const bool haut = clavier->estHaut(1), bas = clavier->estBas(1), gauche = clavier->estGauche(1),
               droite = clavier->estDroite(1);
    if (!(haut || bas || gauche || droite)) delai = DELAI_REPETITION;
    else if (delai < DELAI_REPETITION && !clavier->estNouvelAppui(1)) delai += ecoule;
    else {
        delai = 0;
        if (haut || bas) changerDerniere(haut ? -1 : 1);
        else if (droite) ajouter(textes[champ].empty() ? 'A' : 'a');
        else effacer();
    }
    if (clavier->estOk(1)) {
        clavier->initJ1();
        suivant();
    } else if (clavier->estNon(1) || clavier->estPause(1)) {
        clavier->initJ1();
        ouverte = false;
    }
    return ouverte;
}

void SaisieTexte::dessiner(TextesManager* t) const {
    if (!ouverte) return;
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor4f(0.04f, 0.04f, 0.1f, 0.94f);
    glVertex2d(X0, BAS); glVertex2d(X1, BAS); glVertex2d(X1, HAUT); glVertex2d(X0, HAUT);
    const double y = Y_PREMIER - champ * PAS - 0.015;
    glColor4f(1, 1, 1, 0.15f);
    glVertex2d(X0, y); glVertex2d(X1, y); glVertex2d(X1, y + H_LIGNE); glVertex2d(X0, y + H_LIGNE);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    LangManager* lang = LangManager::getInstance();
    const std::string titre = lang->ligne(LangManager::ED_TEXTES);
    t->draw(titre.c_str(), 2, (X0 + X1) / 2, 0.8, t->largeurPour(titre.c_str(), 0.03, X1 - X0 - 0.04, 0.5), 0.05, 0.5, 3);
    for (int c = 0; c < NB_CHAMPS; ++c) {
        const std::string& texte = textes[c];
        std::string ligne = lang->ligne(LIGNES[c]) + " ";
        ligne += texte.size() > MONTRES ? "..." + texte.substr(texte.size() - MONTRES + 3) : texte;
        if (c == champ) ligne += "_";
        t->draw(ligne.c_str(), c == champ ? 2 : 1, X0 + 0.015, Y_PREMIER - c * PAS,
                t->largeurPour(ligne.c_str(), 0.02, X1 - X0 - 0.03, 0.5), 0.04, 0.5, 1);
    }
    for (const auto& [ligne, yAide] : {std::make_pair(LangManager::ED_AIDE_CLAVIER, 0.37),
                                       std::make_pair(LangManager::ED_AIDE_MANETTE, 0.32)}) {
        const std::string aide = lang->ligne(ligne);
        t->draw(aide.c_str(), 1, (X0 + X1) / 2, yAide, t->largeurPour(aide.c_str(), 0.016, X1 - X0 - 0.03, 0.5), 0.03,
                0.5, 3);
    }
}
