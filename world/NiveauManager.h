// The level being played: reads a level file into a grid of blocks, answers what lies under a point,
// and draws the blocks and the level background.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "render/DessinNiveau.h"
#include "render/ImagesBlocs.h"
#include "settings/ParsNiveaux.h"
#include "settings/SerieNiveaux.h"
#include "world/Bloc.h"
#include "world/FichierNiveau.h"
#include "world/noyau/Evenement.h"
#include "world/noyau/GrilleNiveau.h"

class CTextureManager;

class NiveauManager {
public:
    // The current match's level manager; with no match on, a std::logic_error
    // (a level lives only as long as the Match that made it).
    static NiveauManager* getInstance();
    // The current match's level manager, or null when no match is on.
    static NiveauManager* existant();

    // The series played, Niveaux/<difficulte> or a player's series the
    // catalogue numbered so, read from its series file (or its levels by
    // number when that is refused).
    void setDifficulte(int difficulte);
    const SerieNiveaux& getSerie() const { return serie; }
    // The medal table shipped with the series played.
    const ParsNiveaux& getPars() const { return pars; }
    // The file of level numero of the series played; empty past its end.
    std::string cheminDansSerie(int numero) const { return serie.cheminNiveau(numero); }
    // A series of one level: that file instead of the difficulty's levels.
    void setFichier(const std::string& chemin);
    // The level a series starts on (1 unless a replay names another).
    void setNumNiveau(int numero) { numNiveau = numero; }
    // Loads level numNiveau of the difficulty; a missing or refused file ends
    // the series (getFinJeu), and getRefus says why.
    // Only a missing file numbered past the last level loaded is the normal
    // end of the series: level 1 missing, the level being replayed gone, or a
    // file there that is refused is an error (getNiveauIllisible), told on
    // standard error.
    void chargerNiveau();
    // A series of one shipped level: level numero of the difficulty, then
    // the end of the series. 0 plays the whole series again.
    void jouerSeul(int numero);
    bool estNiveauSeul() const { return dernierNiveau > 0; }
    // A match on a level file of the player's (setFichier), not a shipped one.
    bool estFichierEssai() const { return !fichier.empty(); }
    const std::string& getFichier() const { return fichier; }
    void detruireNiveau();
    void niveauSuivant();

    Bloc* getBloc(float x, float z);
    int getType(float x, float z);
    bool collision(float x, float z);
    // Whether the player can land on the cell at (x, z), for the rules (Bloc::setSolid).
    void setSolide(float x, float z, bool solide);
    // Replaces the block under (x, z) by a used block (type 101).
    void utiliser(float x, float z);
    // Replaces the block under (x, z) by a new block of that type; an empty
    // cell stays empty.
    void remplacer(float x, float z, int type);
    // Breaks the tile under (x, z): it lets the player through and swings open.
    void casser(float x, float z);
    // Shows a block change the match made to the rules grid.
    void appliquer(const Evenement& e);
    // The rules grid of the level loaded: what the match steps on.
    GrilleNiveau& getGrille() { return regles; }

    bool getFinJeu();
    const std::string& getRefus() const { return refus; }
    bool getNiveauIllisible() const { return illisible; }
    int getTemps();
    int getLargeur();
    int getHauteur() const;
    int getNumNiveau() const;
    int getNumDifficulte() const;

    void refresh(long ecoule);
    void draw();
    void drawFond();
    // Width over height of the background picture, as loaded with the match
    // (the window may have changed shape since).
    float getRatioFond() const { return ratioFond; }
    // The background drawn after the level, where the level left the view empty (FondNiveau).
    void drawFondDerriere();
    // The display lists compiled again (background, squares of blocks), in a
    // new OpenGL context: after the window was made again.
    void refaireListes();

    // The path of a level file by number: "<series' folder>/niveau<numero>.dat".
    static std::string cheminNiveau(int difficulte, int numero);
    // A series' folder: "Niveaux/<difficulte>" for a shipped one, else the
    // player's series' folder the catalogue numbered difficulte.
    static std::string dossierSerie(int difficulte);
    // The file of level numero of the shipped series, as its series file
    // orders them (a replay names its level by series and place); past the
    // series' end, the file its number would have.
    static std::string cheminDansSerieLivree(int difficulte, int numero);

    // Sane bounds of a level header; a file outside them is refused.
    static constexpr int COTE_MAX = FichierNiveau::COTE_MAX;
    static constexpr int TEMPS_MAX = FichierNiveau::TEMPS_MAX;
    static constexpr int PREMIER_OBJET = 10;

private:
    // Only a Match makes and ends a level manager.
    friend class Match;
    NiveauManager();
    ~NiveauManager();
    NiveauManager(const NiveauManager&) = delete;
    NiveauManager& operator=(const NiveauManager&) = delete;
    void compilerFond();
    // The grid cell under (x, z), or null outside the grid.
    std::unique_ptr<Bloc>* cellule(float x, float z);
    // A block of that code on cell (c, r), breakable or not as its type says.
    Bloc* creerBloc(float c, float r, int numero, int code);
    // The block image of a type code, looked up once per level; a code whose
    // file the block folder lacks gets the fallback without a try to open it.
    unsigned int textureDuType(int code);

    CTextureManager* textures;
    int numNiveau;
    GrilleNiveau regles;                        // the rules; the blocks below only show them
    std::vector<std::unique_ptr<Bloc>> grille;  // hauteur rows of largeur cells
    std::set<int> suivis;                       // cells of the tiles handed out by getBloc
    DessinNiveau dessin;
    int hauteur;
    int largeur;
    int temps;
    unsigned int textureFond;
    float ratioFond = 4.0f / 3.0f;
    int difficulte;
    SerieNiveaux serie;  // the levels of the difficulty, in play order
    ParsNiveaux pars;
    int serieLue = 0;    // the difficulty serie was read for; 0 before any
    bool finJeu;
    std::string fichier;  // the one level played instead of a series; empty for a series
    std::string refus;    // why the last level file was refused
    // Block images by type code, for one load.
    std::map<int, unsigned int> texturesTypes;
    ImagesBlocs imagesBlocs;  // asked only about codes with no meaning
    bool illisible;
    int dernierCharge;  // the number of the last level loaded, 0 before any
    int dernierNiveau = 0;  // the last level of the series; 0: as far as the files go
    // True (and the series ended) once a level past dernierNiveau is asked for.
    bool finDeSerieSeule();
};
