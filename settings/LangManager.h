// The texts of the chosen language, read from Data/Lang/<language>.dat: one text a line, its key
// first (older files held one text a line by position, and still load). A text the chosen file
// lacks is shown in English. A file declares itself UTF-8 by starting with the byte order mark
// (EF BB BF); the texts are then held one byte a character (see settings/Accents.h).
#pragma once

#include <string>

#include "settings/LignesLangue.h"

struct LectureLangue;

class LangManager {
public:
    // Every text by name (settings/LignesLangue.h), numbered from 1 in the order of the older
    // positional files: the number is also the line a positional file holds the text on.
    enum Ligne : int {
        AUCUNE_LIGNE = 0,
#define LEAPGRID_NOM_LIGNE(nom, cle) nom,
        LEAPGRID_LIGNES_LANGUE(LEAPGRID_NOM_LIGNE)
#undef LEAPGRID_NOM_LIGNE
        FIN_LIGNES
    };
    static constexpr int NB_LIGNES = FIN_LIGNES - 1;
    static constexpr size_t LONGUEUR_MAX = 256;  // a longer line is cut: no screen shows more
    static inline const std::string MARQUE_UTF8 = "\xEF\xBB\xBF";
    // The language whose texts stand in for those a keyed file lacks.
    static constexpr const char* LANGUE_DE_REPLI = "English";

    static LangManager* getInstance();
    static void kill();

    // (Re)loads the file of the language in the settings. A keyed file starts from the English
    // texts and says once on standard error how many of its texts are missing; a positional file
    // leaves the lines it does not reach as they were; a missing file changes nothing.
    void charger();

    // The key of text n in the files, or nullptr outside 1..NB_LIGNES; the text of a key, or 0.
    static const char* cle(int n);
    static int numero(const std::string& cle);

    // Text of language line n, 1 to NB_LIGNES (colours and difficulties included);
    // empty for any other n.
    const std::string& ligne(int n) const;

    std::string couleurs[5];     // lines ROUGE to JAUNE
    std::string difficultes[2];  // lines FACILE and DIFFICILE

private:
    LangManager() = default;
    std::string* emplacement(int n);
    void appliquer(const LectureLangue& lecture);
    static LangManager* langManagerInst;

    std::string textes[NB_LIGNES + 1];  // single texts, by line number
};
