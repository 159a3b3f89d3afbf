// The records and the summary of a level finished alone.
#include "world/ArriveeNiveau.h"

#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/RecordsNiveaux.h"
#include "render/HUD.h"
#include "world/NiveauManager.h"

Bilan ArriveeNiveau::noter(const NiveauManager& niveaux, int t, bool assiste) {
    const int d = niveaux.getNumDifficulte(), n = niveaux.getNumNiveau();
    if (niveaux.estFichierEssai())
        return {d, n, t, 0, Medaille::AUCUNE, false, HUD::nomFichierEssai(niveaux.getFichier()), 0, std::string(),
                assiste, std::string()};
    RecordsNiveaux records(d);
    records.charger();
    const bool nouveau = !assiste && records.proposer(n, t);
    records.atteindre(n + 1);
    const bool ecrit = records.sauver();
    const int par = niveaux.getPars().par(n);
    Bilan b{d, n, t, records.meilleur(n), assiste ? Medaille::AUCUNE : ParsNiveaux::medaillePour(par, t),
            nouveau, std::string(), par, ObjectifsNiveau::titre(niveaux.getSerie(), n), assiste, std::string()};
    if (!ecrit) b.avis = LangManager::getInstance()->ligne(LangManager::LIGNE_SAUVEGARDE_RATEE);
    return b;
}
