// Medal names, colours and the time format.
#include "menus/AffichageRecords.h"

#include <SDL/SDL_opengl.h>

#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"

namespace {

const AffichageRecords::StyleMedaille STYLES[] = {
    {Medaille::OR, LangManager::LIGNE_OR, 1.0f, 0.84f, 0.25f},
    {Medaille::ARGENT, LangManager::LIGNE_ARGENT, 0.82f, 0.86f, 0.92f},
    {Medaille::BRONZE, LangManager::LIGNE_BRONZE, 0.87f, 0.55f, 0.3f},
};

}  // namespace

const AffichageRecords::StyleMedaille* AffichageRecords::style(Medaille m) {
    for (const StyleMedaille& s : STYLES)
        if (s.medaille == m) return &s;
    return nullptr;
}

std::string AffichageRecords::nom(Medaille m) {
    const StyleMedaille* s = style(m);
    return s ? LangManager::getInstance()->ligne(s->ligne) : std::string();
}

std::string AffichageRecords::temps(int ms) { return ObjectifsNiveau::temps(ms); }

void AffichageRecords::couleur(Medaille m) {
    const StyleMedaille* s = style(m);
    if (s)
        glColor4f(s->r, s->g, s->b, 1);
    else
        glColor4f(1, 1, 1, 1);
}
