// The targets' texts.
#include "settings/ObjectifsNiveau.h"

#include "settings/Accents.h"
#include "settings/LangManager.h"
#include "settings/Langues.h"
#include "settings/OptionsManager.h"
#include "settings/SerieNiveaux.h"

namespace {

std::string dixiemes(long d) { return std::to_string(d / 10) + "." + std::to_string(d % 10) + " s"; }

std::string langue() { return Langues::code(OptionsManager::getInstance()->getLang()); }

std::string texte(const SerieNiveaux::Textes* t) { return t ? Accents::depuisUtf8(t->pour(langue())) : std::string(); }

std::string nomMedaille(Medaille m) {
    return LangManager::getInstance()->ligne(m == Medaille::OR ? LangManager::LIGNE_OR : LangManager::LIGNE_ARGENT);
}

}  // namespace

std::string ObjectifsNiveau::temps(int ms) { return dixiemes(ms < 0 ? 0 : (static_cast<long>(ms) + 50) / 100); }

std::string ObjectifsNiveau::nomSerie(const SerieNiveaux::Textes& nom) { return texte(&nom); }

std::string ObjectifsNiveau::titre(const SerieNiveaux& serie, int numero) {
    const SerieNiveaux::Niveau* n = serie.niveau(numero);
    return texte(n ? &n->titre : nullptr);
}

std::string ObjectifsNiveau::lecon(const SerieNiveaux& serie, int numero) {
    const SerieNiveaux::Niveau* n = serie.niveau(numero);
    return texte(n ? &n->lecon : nullptr);
}

std::string ObjectifsNiveau::cibles(int parMs) {
    if (parMs <= 0) return std::string();
    return nomMedaille(Medaille::OR) + " " + temps(ParsNiveaux::limite(parMs, Medaille::OR)) + "   " +
           nomMedaille(Medaille::ARGENT) + " " + temps(ParsNiveaux::limite(parMs, Medaille::ARGENT));
}

std::string ObjectifsNiveau::prochaine(int parMs, int ms) {
    const Medaille eue = ParsNiveaux::medaillePour(parMs, ms);
    if (eue == Medaille::AUCUNE || eue == Medaille::OR) return std::string();
    const Medaille visee = eue == Medaille::ARGENT ? Medaille::OR : Medaille::ARGENT;
    const long manque = static_cast<long>(ms) - ParsNiveaux::limite(parMs, visee);
    return nomMedaille(visee) + ", " + dixiemes((manque + 99) / 100) +
           LangManager::getInstance()->ligne(LangManager::LIGNE_PLUS_VITE);
}
