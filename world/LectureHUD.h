// The picture of a match the HUD draws, read from the match and its level.
#pragma once

#include "render/ImageHUD.h"

class Environnement;
class NiveauManager;

class LectureHUD {
public:
    static ImageHUD lire(const Environnement& match, const NiveauManager& niveaux);

private:
    static ImageHUD::Joueur lireJoueur(const Environnement& match, int numero);
};
