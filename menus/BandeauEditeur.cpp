// The lines under the editor's grid.
#include "menus/BandeauEditeur.h"

#include <SDL/SDL_opengl.h>

#include <cstdio>
#include <filesystem>

#include "render/TextesManager.h"
#include "settings/LangManager.h"
#include "world/TypeBloc.h"

namespace {

std::string secondes(long ms) {
    char t[32];
    std::snprintf(t, sizeof t, "%.2f s", ms / 1000.0);
    return t;
}

std::string formater(const std::string& modele, int a, int b) {
    char t[160];
    std::snprintf(t, sizeof t, modele.c_str(), a, b);
    return t;
}

// The name of a block code in the player's language.
std::string nomBloc(int code) {
    LangManager* lang = LangManager::getInstance();
    if (code == 0) return lang->ligne(LangManager::BLOC_VIDE);
    const TypeBloc* t = TypeBloc::pour(code);
    return lang->ligne(t && t->ligneNom ? t->ligneNom : LangManager::ED_INCONNU);
}

}  // namespace

// The check's verdict in one line: finishable or not, par, slack, medal
// times and naive play.
std::string BandeauEditeur::ligneVerdict(const ResultatVerification& dernier) {
    LangManager* lang = LangManager::getInstance();
    if (!dernier.finissable) return lang->ligne(LangManager::ED_INFAISABLE);
    std::string t = lang->ligne(LangManager::ED_FINISSABLE) + "   " + lang->ligne(LangManager::ED_PAR) +
                    secondes(dernier.parMs) + "   " +
                    lang->ligne(LangManager::ED_MARGE) + std::to_string(dernier.margeMs) + " ms   " +
                    lang->ligne(LangManager::ED_OR) + secondes(dernier.orMs()) + "   " +
                    lang->ligne(LangManager::ED_ARGENT) + secondes(dernier.argentMs());
    return t;
}


// The habits' names, in the checker's order; "none" without any.
std::string BandeauEditeur::ligneNaifs(const ResultatVerification& r) {
    LangManager* lang = LangManager::getInstance();
    static const int HABITUDES[] = {LangManager::ED_NAIF_AVANT, LangManager::ED_NAIF_GAUCHE,
                                    LangManager::ED_NAIF_DROITE, LangManager::ED_NAIF_TAPES,
                                    LangManager::ED_NAIF_RIEN};
    std::string naifs;
    for (int k : r.habitudes) {
        const bool connue = k >= 0 && k < static_cast<int>(sizeof HABITUDES / sizeof HABITUDES[0]);
        naifs += (naifs.empty() ? "" : ", ") + lang->ligne(connue ? HABITUDES[k] : LangManager::ED_INCONNU);
    }
    return lang->ligne(LangManager::ED_NAIF) + (naifs.empty() ? lang->ligne(LangManager::ED_AUCUN) : naifs);
}

void BandeauEditeur::dessiner(TextesManager* textes, const Etat& e) {
    LangManager* lang = LangManager::getInstance();
    const std::string l1 = std::filesystem::path(e.chemin).filename().string() + "   " +
                           formater(lang->ligne(LangManager::ED_TAILLE), e.edition.lignes(), e.edition.colonnes()) +
                           "   " + lang->ligne(LangManager::ED_LIMITE) + std::to_string(e.edition.temps()) + " s   " +
                           lang->ligne(LangManager::ED_BLOC) + nomBloc(e.bloc) + "   " +
                           formater(lang->ligne(LangManager::ED_CELLULE), e.curseurLigne, e.curseurColonne);
    std::string l2 = e.avis;
    const bool verdict = l2.empty() && !e.verification && e.verdict;
    double place2 = 0.975;  // the second line's room: left of the bar while it shows
    if (e.verification) {
        l2 = lang->ligne(LangManager::ED_VERIFICATION) + "   " + lang->ligne(LangManager::ED_ARRET_AIDE);
        place2 = X_BARRE - 0.025;
        glDisable(GL_TEXTURE_2D);
        glBegin(GL_QUADS);
        const double fin = X_BARRE + (0.98 - X_BARRE) * e.avancement;
        for (const auto& [droite, gris] : {std::make_pair(0.98, true), std::make_pair(fin, false)}) {
            glColor4f(gris ? 0.3f : 0.2f, gris ? 0.3f : 0.8f, gris ? 0.4f : 0.3f, 1);
            glVertex2d(X_BARRE, 0.048); glVertex2d(droite, 0.048); glVertex2d(droite, 0.07); glVertex2d(X_BARRE, 0.07);
        }
        glEnd();
        glEnable(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
    } else if (verdict) {
        l2 = ligneVerdict(*e.verdict);
    }
    const std::string l3 = verdict && e.verdict->finissable
                               ? ligneNaifs(*e.verdict)
                               : lang->ligne(e.panneau ? LangManager::ED_AIDE_BARRE : LangManager::ED_AIDE_GRILLE);
    const std::string lignes[] = {l1, l2, l3};
    for (int i = 0; i < 3; ++i) {
        const char* t = lignes[i].c_str();
        const double place = i == 1 ? place2 : 0.975;
        const double l = textes->largeurPour(t, 0.014, place, 0.5);
        textes->draw(t, i == 1 ? 2 : 1, 0.012, 0.092 - i * 0.04, l, 0.03, 0.5, 1);
    }
}
