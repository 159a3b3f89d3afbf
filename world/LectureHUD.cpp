// What the HUD shows of a match, taken from its state once a frame.
#include "world/LectureHUD.h"

#include "settings/ObjectifsNiveau.h"
#include "world/Environnement.h"
#include "world/HorlogeNiveau.h"
#include "world/Joueur.h"
#include "world/NiveauManager.h"

namespace {
ImageHUD::Phase phase(int etat) {
    switch (etat) {
        case ETAT_INTRO: return ImageHUD::INTRO;
        case ETAT_JEU: return ImageHUD::JEU;
        case ETAT_REPRISE: return ImageHUD::REPRISE;
        default: return ImageHUD::AUTRE;
    }
}
}  // namespace

ImageHUD LectureHUD::lire(const Environnement& match, const NiveauManager& niveaux) {
    ImageHUD image;
    image.duel = match.estDuel();
    image.phase = phase(match.getEtat());
    image.difficulte = niveaux.getNumDifficulte();
    image.niveau = niveaux.getNumNiveau();
    image.hauteur = niveaux.getHauteur();
    if (niveaux.estFichierEssai()) image.fichier = niveaux.getFichier();
    image.niveauSeul = niveaux.estNiveauSeul();
    image.regarde = match.estRegarde();
    image.rapide = match.estRapide();
    // The presentation shows during the intro only: its texts are not looked up at every frame of play.
    if (image.phase == ImageHUD::INTRO && image.fichier.empty() && !image.regarde) {
        image.titre = ObjectifsNiveau::titre(niveaux.getSerie(), image.niveau);
        image.lecon = ObjectifsNiveau::lecon(niveaux.getSerie(), image.niveau);
        image.parMs = niveaux.getPars().par(image.niveau);
    }
    image.repriseRestante = match.getRepriseRestante();
    image.dureeReprise = Environnement::DUREE_REPRISE;
    image.fondu = match.getFondu();
    image.gagnants = match.getGagnantsNiveau();
    image.assiste = match.getAssistance().active();
    for (int i = 0; i < 2; ++i) image.joueurs[i] = lireJoueur(match, i + 1);
    return image;
}

ImageHUD::Joueur LectureHUD::lireJoueur(const Environnement& match, int numero) {
    ImageHUD::Joueur p;
    Joueur* j = match.getJoueur(numero);
    if (!j) return p;
    p.present = true;
    p.vies = j->getVies();
    p.couleur = j->getColor();
    p.z = j->getZ();
    const float temps = j->capturer().temps;
    p.secondes = HorlogeNiveau::secondes(temps);
    p.alerte = HorlogeNiveau::alerte(temps);
    p.horlogeMs = match.getTempsMs(numero);
    p.tempsEcoule = j->getEtat() == ETAT_JOUEUR_TEMPS_ECOULE;
    p.sansVie = j->getEtat() == ETAT_JOUEUR_SANS_VIE;
    p.tempsAnimation = j->getTempsAnimation();
    p.arrive = j->niveauTermine();
    p.vivant = j->vivant();
    return p;
}
