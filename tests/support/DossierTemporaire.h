// A fresh empty folder made the working directory for one test, removed afterwards.
#pragma once

#include <string>

class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();

    const std::string& chemin() const { return dossier; }
    // Writes a file (creating its folders) relative to the temporary folder.
    void ecrire(const std::string& relatif, const std::string& contenu) const;
    std::string lire(const std::string& relatif) const;
    bool existe(const std::string& relatif) const;

private:
    std::string dossier;
    std::string ancien;
};
