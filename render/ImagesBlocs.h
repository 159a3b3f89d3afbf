// Which block codes have an image of their own in a texture folder, listed once, only when asked.
#pragma once

#include <set>
#include <string>

class ImagesBlocs {
public:
    bool estListe() const { return liste; }
    // Notes every "<code>.tga" dossier holds.
    void lister(const std::string& dossier);
    bool possede(int code) const { return codes.count(code) != 0; }
    // To be listed again (another level, maybe another texture folder).
    void oublier();

private:
    bool liste = false;
    std::set<int> codes;
};
