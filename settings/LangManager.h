// The texts of the chosen language: lines read by position from Data/Lang/<language>.dat.
// A file declares itself UTF-8 by starting with the byte order mark (EF BB BF), which keeps every
// line in its place; the texts are then held one byte a character (see render/Accents.h).
#pragma once

#include <string>

class LangManager {
public:
    // Every line of a language file by name, in file order.
    enum Ligne : int {
        JOUER = 1, DUEL, SCORES, OPTIONS, A_PROPOS, QUITTER,     // main menu
        PAGE_JEU, PAGE_VIDEO, PAGE_AUDIO, PAGE_TOUCHES, RETOUR,  // options bar; RETOUR is every "Back"
        LANGUE, COULEUR_J1, COULEUR_J2,                          // game page
        ROUGE, BLEU, VERT, VIOLET, JAUNE,                        // the five colours
        RESOLUTION, PLEIN_ECRAN, ANTI_CRENELAGE, DISTANCE_VUE,   // video page
        DISTANCE_COURTE, DISTANCE_MOYENNE, DISTANCE_LOIN, DISTANCE_TRES_LOIN,
        TEXTURES, TEXTURES_BASSES, TEXTURES_HAUTES,
        AVIS_VIDEO_1, AVIS_VIDEO_2, AVIS_VIDEO_3,  // the video page's three-line note
        MUSIQUE, EFFETS, ACTIVE, DESACTIVE,        // audio page
        A_PROPOS_1, A_PROPOS_2, A_PROPOS_3, A_PROPOS_4, A_PROPOS_5,  // about screen, title first
        A_PROPOS_6, A_PROPOS_7, A_PROPOS_8, A_PROPOS_9,
        TEMPS, NIVEAU,                             // match HUD
        REPRENDRE, QUITTER_MATCH,                  // pause
        TEMPS_ECOULE, PLUS_DE_VIES, NIVEAU_REUSSI, // banners
        FACILE, DIFFICILE,                         // the two difficulties
        TERMINE_EN, APRES_DIFFICULTE,              // record screen: "Finished in" <difficulty> <this>
        JOUEUR_1, JOUEUR_2,
        NOUVEAU_RECORD, PAS_DE_RECORD, RANG, TEMPS_RECORD, NOM, NON_CLASSE,
        SUFFIXE_1, SUFFIXE_2, SUFFIXE_3, SUFFIXE_N,  // rank suffixes: 1st, 2nd, 3rd, nth
        SAISIR, CONTINUER,                           // record screen's item
        LIBELLE_HAUT, LIBELLE_BAS, LIBELLE_GAUCHE, LIBELLE_DROITE,  // keys page
        APPUYER_TOUCHE,                              // keys page, waiting for a key
    };
    // The duel's texts, at the end of every language file: a line added
    // later goes after the last of these and becomes NB_LIGNES.
    enum LigneDuel : int {
        NIVEAUX_GAGNES = 77,  // result screen: "Levels won: "
        TEMPS_TOTAL,          // result screen: "Total time: "
        GAGNE_DUEL,           // after a player's name: "wins the duel"
        EGALITE,              // no winner
        GAGNE_NIVEAU,         // after a player's name: "wins the level"
        ELIMINE,              // a player out of the level, watching
        ARRIVE,               // a player at the goal, watching
        ATTENTE,              // "waiting for the other player"
    };
    // The controls caption's labels, each followed by key names.
    static constexpr int LIGNE_DIRIGER = ATTENTE + 1;
    static constexpr int LIGNE_VALIDER = ATTENTE + 2;
    static constexpr int LIGNE_PAUSE = ATTENTE + 3;
    // Notices, after the controls caption.
    static constexpr int LIGNE_NIVEAU_ILLISIBLE = LIGNE_PAUSE + 1;  // a level file that cannot be read
    static constexpr int LIGNE_SAUVEGARDE_RATEE = LIGNE_PAUSE + 2;  // a settings, keys or scores file not written
    // Best times, medals, the level list, the level summary and the restart.
    enum LigneRecords : int {
        LIGNE_NIVEAUX = LIGNE_SAUVEGARDE_RATEE + 1,  // the difficulty menu's item to the level list
        LIGNE_CHOISIR_NIVEAU,                        // the level list's title
        LIGNE_TEMPS_NIVEAU,                          // summary: "Time: "
        LIGNE_MEILLEUR,                              // summary: "Best: "
        LIGNE_NOUVEAU_RECORD,                        // a level finished faster than ever
        LIGNE_OR,
        LIGNE_ARGENT,
        LIGNE_BRONZE,
        LIGNE_MEDAILLE,      // summary: "Medal: "
        LIGNE_RECOMMENCER,   // the pause screen's item
        LIGNE_CONTINUER,     // under the summary
        LIGNE_SANS_TEMPS,    // a level reached but never finished
    };
    // The caption of a watched replay, at normal and at double speed.
    static constexpr int LIGNE_REPLAY = LIGNE_SANS_TEMPS + 1;
    static constexpr int LIGNE_REPLAY_RAPIDE = LIGNE_SANS_TEMPS + 2;
    // The camera and landing marker options, the HUD's clocks, the quit
    // question, the hints of the record screen and the refused key.
    enum LigneConfort : int {
        CAMERA = LIGNE_REPLAY_RAPIDE + 1,     // options: "Camera: "
        CAMERA_PROCHE,                        // then one of the three views
        CAMERA_NORMALE,
        CAMERA_HAUTE,
        REPERE,                               // options: "Landing marker: "
        TEMPS_NIVEAU,                         // HUD: the level's countdown
        TEMPS_SERIE,                          // HUD: the series' play time
        QUESTION_QUITTER,                     // "Quit the game?"
        OUI,
        NON,
        RECORD_LETTRE,                        // record screen: "Letter: " then keys
        RECORD_PLACE,                         // record screen: "Move: " then keys
        TOUCHE_PRISE,                         // options: a key already in use
        TERMINE_ESSAI,                        // a tried level file: "Completed in "
        // The ghost of the best run.
        FANTOME,                              // options: "Ghost: "
    };
    // The level editor: its menu item, commands, status lines and the block kinds' names.
    enum LigneEditeur : int {
        EDITEUR = FANTOME + 1,  // main menu
        ED_ANNULER,
        ED_REFAIRE,
        ED_ZOOM_PLUS,
        ED_ZOOM_MOINS,
        ED_LIGNE_PLUS_LOIN,
        ED_LIGNE_MOINS_LOIN,
        ED_LIGNE_PLUS_PRES,
        ED_LIGNE_MOINS_PRES,
        ED_COLONNE_PLUS_GAUCHE,
        ED_COLONNE_MOINS_GAUCHE,
        ED_COLONNE_PLUS_DROITE,
        ED_COLONNE_MOINS_DROITE,
        ED_TEMPS_PLUS,
        ED_TEMPS_MOINS,
        ED_DEPART_ICI,
        ED_ESSAYER,
        ED_ESSAYER_ICI,
        ED_VERIFIER,
        ED_BROUILLON,
        ED_AJOUTER,
        ED_BLOC,
        ED_LIMITE,
        ED_CELLULE,
        ED_TAILLE,
        ED_VERIFICATION,
        ED_FINISSABLE,
        ED_INFAISABLE,
        ED_PAR,
        ED_MARGE,
        ED_NAIF,
        ED_OR,
        ED_ARGENT,
        ED_SAUVE,
        ED_ECHEC_SAUVE,
        ED_A_VERIFIER,
        ED_REFUSE_INFAISABLE,
        ED_AJOUTE,
        ED_AIDE_GRILLE,
        ED_AIDE_BARRE,
        ED_AUCUN,
        BLOC_VIDE,  // the block kinds
        BLOC_PIERRE,
        BLOC_VIE_PLUS,
        BLOC_VIE_MOINS,
        BLOC_AVANT,
        BLOC_ARRIERE,
        BLOC_GAUCHE,
        BLOC_DROITE,
        BLOC_HASARD,
        BLOC_SAUT,
        BLOC_CASSABLE,
        BLOC_TEMPS_PLUS,
        BLOC_TEMPS_MOINS,
        BLOC_ARRIVEE,
        ED_INCONNU,
        // The checker's naive habits, in its order.
        ED_NAIF_AVANT,
        ED_NAIF_GAUCHE,
        ED_NAIF_DROITE,
        ED_NAIF_TAPES,
        ED_NAIF_RIEN,
    };
    static constexpr int NB_LIGNES = ED_NAIF_RIEN;
    static_assert(APPUYER_TOUCHE + 1 == NIVEAUX_GAGNES, "the duel's lines follow the keys page's");
    static constexpr size_t LONGUEUR_MAX = 256;  // a longer line is cut: no screen shows more
    static inline const std::string MARQUE_UTF8 = "\xEF\xBB\xBF";

    static LangManager* getInstance();
    static void kill();

    // (Re)loads the file of the language in the settings. Lines the file does
    // not reach keep their text; a missing file changes nothing.
    void charger();

    // Text of language line n, 1 to NB_LIGNES (colours and difficulties included);
    // empty for any other n.
    const std::string& ligne(int n) const;

    std::string couleurs[5];     // lines ROUGE to JAUNE
    std::string difficultes[2];  // lines FACILE and DIFFICILE

private:
    LangManager() = default;
    std::string* emplacement(int n);
    static std::string enOctets(const std::string& ligne, bool utf8);
    static LangManager* langManagerInst;

    std::string textes[NB_LIGNES + 1];  // single texts, by line number
};
