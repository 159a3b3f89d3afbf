// The level being played: reads a level file into a grid of blocks, answers what lies under a point,
// and draws the blocks and the level background.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "world/Bloc.h"

class CTextureManager;

class NiveauManager {
public:
    static NiveauManager* getInstance();
    static void kill();

    void setDifficulte(int difficulte);
    // Loads level numNiveau of the difficulty; a missing or unreadable file
    // ends the series (getFinJeu).
    void chargerNiveau();
    void detruireNiveau();
    void niveauSuivant();

    Bloc* getBloc(float x, float z);
    int getType(float x, float z);
    bool collision(float x, float z);
    // Replaces the block under (x, z) by a used block (type 101).
    void utiliser(float x, float z);

    bool getFinJeu();
    int getTemps();
    int getLargeur();
    int getHauteur();
    int getNumNiveau();
    int getNumDifficulte();

    void refresh(long ecoule);
    void draw();
    void drawFond();

    // The path of a level file: "Niveaux/<difficulte>/niveau<numero>.dat".
    static std::string cheminNiveau(int difficulte, int numero);

    // Sane bounds of a level header; a file outside them is refused.
    static constexpr int COTE_MAX = 1000;
    static constexpr int TEMPS_MAX = 99999;
    static constexpr int PREMIER_OBJET = 10;
    static constexpr int LISTE_FOND = 1;

private:
    NiveauManager();
    ~NiveauManager();
    // The grid cell under (x, z), or null outside the grid.
    std::unique_ptr<Bloc>* cellule(float x, float z);

    static NiveauManager* niveauManager;

    CTextureManager* textures;
    int numNiveau;
    std::vector<std::unique_ptr<Bloc>> grille;  // hauteur rows of largeur cells
    int hauteur;
    int largeur;
    int temps;
    unsigned int textureFond;
    int difficulte;
    bool finJeu;
};
