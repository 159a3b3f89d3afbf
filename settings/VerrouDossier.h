// A lock on the folder of a player's file, held while the file is read again, merged and written back.
#pragma once

#include <string>

class VerrouDossier {
public:
    // Locks the folder that holds fichier (flock on the folder itself, so no
    // lock file is ever left behind). Two copies of the game saving there
    // take turns; one that holds it for over ATTENTE_MAX_MS is not waited on
    // longer (the save goes on unlocked, still whole thanks to the rename).
    explicit VerrouDossier(const std::string& fichier);
    ~VerrouDossier();
    VerrouDossier(const VerrouDossier&) = delete;
    VerrouDossier& operator=(const VerrouDossier&) = delete;

    static const int ATTENTE_MAX_MS = 2000;

private:
    int fd = -1;
};
