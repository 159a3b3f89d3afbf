// Small versioned tables of whole numbers (best times, pars): a header line, then one row of numbers a line.
#pragma once

#include <string>
#include <vector>

class LignesEntiers {
public:
    // One row's allowed range for every field.
    struct Borne {
        long min, max;
    };
    static constexpr size_t TAILLE_MAX = 64 * 1024;  // far above any table of ours
    static constexpr size_t LIGNES_MAX = 1000;

    // Reads the whole file: the first line must be entete, every other line
    // exactly bornes.size() decimal numbers separated by one space, each in its
    // range. A file that breaks any rule is refused whole (false, refus says
    // why) and lignes is left empty. An absent file is refused too, with
    // absent set, so callers can keep quiet about it.
    static bool lire(const std::string& chemin, const std::string& entete, const std::vector<Borne>& bornes,
                     std::vector<std::vector<long>>& lignes, std::string& refus, bool* absent = nullptr);
    // The same on bytes already in memory.
    static bool analyser(const std::string& texte, const std::string& entete, const std::vector<Borne>& bornes,
                         std::vector<std::vector<long>>& lignes, std::string& refus);
    // The rows that can still be read from a file analyser refused: every
    // line that is a good row once a byte-order mark and a carriage return
    // are dropped; blank, damaged or foreign lines cost only themselves.
    static void recuperer(const std::string& texte, const std::string& entete, const std::vector<Borne>& bornes,
                          std::vector<std::vector<long>>& lignes);
    // The header and rows as lire reads them.
    static std::string ecrire(const std::string& entete, const std::vector<std::vector<long>>& lignes);
};
