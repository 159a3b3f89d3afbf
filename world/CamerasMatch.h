// The eyes of a match's views, one a player: the intro's flight, play following the player and its landing,
// the level end's rise.
#pragma once

#include "render/CameraMatch.h"

class Joueur;

class CamerasMatch {
public:
    // Player numero's (1 or 2) camera set on it at once: a player joining.
    void placer(int numero, Joueur* joueur);
    // One frame of ecoule ms in the match's state etat (an EtatMatch): zIntro
    // is the intro's camera point along the level, yFin the level end's rise.
    void suivre(Joueur* const joueurs[2], int etat, float zIntro, float yFin, long ecoule);
    const CameraMatch& get(int numero) const { return cameras[numero == 2 ? 1 : 0]; }

private:
    CameraMatch cameras[2];
};
