// A series of levels: the folder's serie.txt (its name, description and, per level, the file, title,
// lesson and fork), read with every check and written whole.
#pragma once

#include <map>
#include <string>
#include <vector>

class SerieNiveaux {
public:
    static const char* const FICHIER;  // "serie.txt", in the series' folder
    static constexpr size_t TAILLE_MAX = 64 * 1024;
    static constexpr size_t LIGNE_MAX = 512;        // keyword, language and text together
    static constexpr size_t TEXTE_MAX = 200;        // bytes of one name, about, title or lesson
    static constexpr size_t NOM_NIVEAU_MAX = 64;    // bytes of a level's file name
    static constexpr int NIVEAUX_MAX = 100;
    static constexpr int NUMEROS_MAX = 999;         // levels numbered when there is no series file
    static constexpr int CELLULE_MAX = 999;         // a fork's row or column (a level is at most 1000 a side)
    static const char* const LANGUE_DEFAUT;         // "en": the text shown when a language has none

    // One text in several languages, by two-letter code.
    struct Textes {
        std::map<std::string, std::string> parLangue;
        // The text in that language, else in LANGUE_DEFAUT, else empty.
        const std::string& pour(const std::string& langue) const;
    };
    struct Niveau {
        std::string fichier;  // a bare name in the series' folder
        Textes titre, lecon;
        Textes naif;  // the naive habits the checker found finishing it ("naive en ..."), if any
        int ligneFourche = -1, colonneFourche = -1;  // -1: no fork
    };

    // Reads <dossier>/serie.txt. Refused (false, and the series left empty):
    // refus is one line naming the file, and the line where it applies.
    bool charger(const std::string& dossier, std::string& refus);
    // A shipped series: charger, and when its file is refused (said in one
    // line on standard error) or missing, the folder's niveau1.dat,
    // niveau2.dat... by number, up to the first name missing, untitled. False then.
    bool chargerOuNumeros(const std::string& dossier);
    // The same on bytes in memory; nomFichier names them in refus.
    bool depuisTexte(const std::string& texte, const std::string& nomFichier, std::string& refus);
    // The text charger reads back as this series.
    std::string texte() const;
    // Writes <dossier>/serie.txt whole or not at all.
    bool ecrire(const std::string& dossier) const;

    // A level file name the format accepts: letters, digits, "_", "-", ".",
    // not starting with ".", ending ".dat", at most NOM_NIVEAU_MAX bytes.
    static bool nomNiveauSur(const std::string& nom);
    // A two-letter lower-case language code.
    static bool codeLangueSur(const std::string& code);

    int nombre() const { return static_cast<int>(niveaux.size()); }
    // Level numero, counted from 1 in play order; nullptr outside the series.
    const Niveau* niveau(int numero) const;
    // The path of level numero's file in the folder read; empty outside the series.
    std::string cheminNiveau(int numero) const;
    const std::string& getDossier() const { return dossier; }

    Textes nom, description;
    std::vector<Niveau> niveaux;

private:
    // One line past the keyword; false with refus set when it is malformed.
    bool lireLigne(const std::string& mot, const std::string& reste, std::string& refus);
    bool lireTexte(Textes& cible, const std::string& reste, std::string& refus);
    bool lireFourche(Niveau& n, const std::string& reste, std::string& refus);
    // What a complete series must hold, once every line is read.
    bool verifierFin(std::string& refus) const;
    void vider();

    std::string dossier;
};
