// The series the player can play: the two shipped ones, then every folder of the player's Series/ whose
// series file the reader accepts, in name order.
#pragma once

#include <string>
#include <vector>

#include "settings/SerieNiveaux.h"

class CatalogueSeries {
public:
    static constexpr int LIVREES = 2;            // Niveaux/1 and Niveaux/2
    static constexpr int PREMIER_JOUEUR = 100;   // the player's series are numbered from here
    static constexpr int SERIES_JOUEUR_MAX = 20;
    static const char* const DOSSIER;            // "Series", under the player's data folder

    struct Entree {
        int numero = 0;         // 1, 2, then PREMIER_JOUEUR and on
        std::string relatif;    // "Niveaux/1" or "Series/<name>": its key among the player's files
        std::string dossier;    // where its serie.txt, levels and pars are read
        SerieNiveaux::Textes nom;
        bool livree() const { return numero < PREMIER_JOUEUR; }
    };

    // The shipped series, then the player's series found in dossierSeries
    // (nothing more when it is empty). A folder refused is named on standard
    // error, once per process; links and names that are not plain are refused.
    void lire(const std::string& dossierSeries);
    // lire on the player's Series folder as FichiersJoueur places it.
    void lireDuJoueur();
    // The player's Series folder: in the game folder when portable, in the
    // user's data folder per user; "" when the player's files stay in memory.
    static std::string dossierDuJoueur();
    // A folder name a series may have: letters, digits, "_", "-", ".", not
    // starting with ".", at most SerieNiveaux::NOM_NIVEAU_MAX bytes.
    static bool nomDossierSur(const std::string& nom);

    // The catalogue the game plays from, read from the player's folder the
    // first time; the level list reads it again at each visit.
    static CatalogueSeries& courant();
    // The series' key among the player's files and the folder its levels are
    // read from: "Niveaux/<d>" for a shipped series and any number the
    // catalogue does not hold (as the game always had), else its folder's.
    // How a level is named on screen after "Level": "1@3" (the font draws @ as
    // a dash) in a shipped series, its number alone in a player's, whose
    // catalogue number means nothing to the player.
    static std::string numeroNiveau(int serie, int niveau);
    static std::string relatifDe(int numero);
    static std::string dossierDe(int numero);
    // The series' name in the game's language: Easy and Hard for the shipped
    // ones, a player's series by its own name.
    static std::string nomDe(int numero);

    const std::vector<Entree>& entrees() const { return liste; }
    // The series numbered numero; nullptr when there is none.
    const Entree* entree(int numero) const;
    // The series after (or before, sens -1) numero, round the catalogue.
    int voisine(int numero, int sens) const;

private:
    // The folder's series when the reader accepts it; the refusal said once.
    bool accepter(const std::string& chemin, const std::string& nomDossier, Entree& e);

    std::vector<Entree> liste;
};
