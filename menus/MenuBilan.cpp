// The level summary.
#include "menus/MenuBilan.h"

#include <SDL/SDL_opengl.h>

#include "menus/AffichageRecords.h"
#include "render/Dessin2D.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/ClavierManager.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"

namespace {

const double HAUTEUR_TEXTE = 0.06;

}  // namespace

MenuBilan::MenuBilan(const Bilan& b) : Menu(0, 0, 1, 1), bilan(b) {
    nom = "MenuBilan";
    nbChoix = 1;
    if (!b.avis.empty()) setAvis(b.avis);
}

// Confirm, cancel or any click goes on.
void MenuBilan::refresh(long) {
    const Souris::Lecture souris = Souris::getInstance()->lire();
    if (!clavier->estOk(1) && !clavier->estNon(1) && !souris.gauche && !souris.droit) return;
    clavier->initJ1();
    code = 1;
    sons->jouerSon(sons->sonBeep2);
}

void MenuBilan::dessinerPaire(const std::string& libelle, const std::string& valeur, double y) {
    const double l = textes->largeurPour((libelle + valeur).c_str(), 0.055, 0.9, 0.5);
    textes->draw(libelle.c_str(), 1, 0.52, y, l, HAUTEUR_TEXTE, 0.5, 2);
    textes->draw(valeur.c_str(), 1, 0.52, y, l, HAUTEUR_TEXTE, 0.5, 1);
}

// Title, time, best, medal, targets, the next medal, a new best, then how to
// go on; the texts are cut to the screen's width in any language and ratio.
void MenuBilan::draw() {
    LangManager* lang = LangManager::getInstance();
    Dessin2D::bande(0, 1, 0.08f, 0.06f, 0.16f, 1);  // the whole screen: the level end has faded to white
    const std::string titre = !bilan.fichier.empty()
                                  ? bilan.fichier
                                  : lang->ligne(LangManager::NIVEAU) + " " +
                                        CatalogueSeries::numeroNiveau(bilan.difficulte, bilan.niveau);
    textes->draw(titre.c_str(), 3, 0.5, 0.76, textes->largeurPour(titre.c_str(), 0.08, 0.9, 0.5), 0.09, 0.5, 3);
    centrer(bilan.titreNiveau, 2, 0.69, 0.055);
    const bool essai = !bilan.fichier.empty();
    // The two lines come from different blocks of names.
    const int ligneTemps = essai ? static_cast<int>(LangManager::TERMINE_ESSAI) : LangManager::LIGNE_TEMPS_NIVEAU;
    dessinerPaire(lang->ligne(ligneTemps), AffichageRecords::temps(bilan.tempsMs), 0.6);
    if (bilan.meilleurMs > 0)
        dessinerPaire(lang->ligne(LangManager::LIGNE_MEILLEUR), AffichageRecords::temps(bilan.meilleurMs), 0.535);
    if (bilan.medaille != Medaille::AUCUNE) {
        AffichageRecords::couleur(bilan.medaille);
        dessinerPaire(lang->ligne(LangManager::LIGNE_MEDAILLE), AffichageRecords::nom(bilan.medaille), 0.47);
        glColor4f(1, 1, 1, 1);
    }
    // An assisted finish wins no medal: the line says why, where the medal would be.
    if (bilan.assiste) centrer(lang->ligne(LangManager::ASSISTE), 1, 0.47, 0.045);
    centrer(ObjectifsNiveau::cibles(bilan.parMs), 1, 0.405, 0.045);
    const std::string prochaine = bilan.assiste ? std::string() : ObjectifsNiveau::prochaine(bilan.parMs, bilan.tempsMs);
    if (!prochaine.empty()) centrer(lang->ligne(LangManager::LIGNE_PROCHAINE) + prochaine, 1, 0.35, 0.045);
    if (bilan.nouveauRecord) centrer(lang->ligne(LangManager::LIGNE_NOUVEAU_RECORD), 2, 0.28, 0.06);
    centrer(lang->ligne(LangManager::LIGNE_CONTINUER), 1, 0.21, 0.042);
    dessinerAvis(0.14);
}

void MenuBilan::centrer(const std::string& t, int police, double y, double h) {
    if (t.empty()) return;
    textes->draw(t.c_str(), police, 0.5, y, textes->largeurPour(t.c_str(), h, 0.9, 0.5), h * 1.08, 0.5, 3);
}
