// The player's own series, "My levels": a level proven finishable by the editor's check joins it, in the
// series format the shipped series use (serie.txt, the level files, their pars).
#pragma once

#include <string>

#include "menus/VerificationEditeur.h"
#include "settings/SerieNiveaux.h"
#include "world/FichierNiveau.h"

class MesNiveaux {
public:
    // The series' folder, under the player's data folder.
    static const char* const DOSSIER;
    // The folder as this game writes it (created when missing); "" when the player's files stay in memory.
    static std::string dossier();

    // Adds the level to the series: its file niveau<n>.dat, its par to
    // pars.dat, then its entry (title, lesson, each in its languages, and a
    // note when naive play finishes it) to serie.txt, each written whole or
    // not at all; with no title, the level file's name is its title. Refused,
    // with the reason in erreur, when the check did not prove the level
    // finishable or the series is full. fichier gets the level file's path.
    static bool ajouter(const FichierNiveau& niveau, const SerieNiveaux::Textes& titre,
                        const SerieNiveaux::Textes& lecon, const ResultatVerification& verdict, std::string& fichier,
                        std::string& erreur);
    // The same with an English title and lesson.
    static bool ajouter(const FichierNiveau& niveau, const std::string& titre, const std::string& lecon,
                        const ResultatVerification& verdict, std::string& fichier, std::string& erreur);

    static constexpr int NIVEAUX_MAX = 100;
};
