// The block images a texture folder holds.
#include "render/ImagesBlocs.h"

#include <dirent.h>

#include <cstdlib>
#include <cstring>

namespace {

// "<digits>.tga", the digits a code without leading zeros (as the game names
// its images); -1 for any other name.
int codeDuNom(const char* nom) {
    const char* point = std::strchr(nom, '.');
    if (!point || point == nom || point - nom > 9 || std::strcmp(point, ".tga") != 0) return -1;
    if (nom[0] == '0' && point - nom > 1) return -1;
    for (const char* c = nom; c < point; ++c)
        if (*c < '0' || *c > '9') return -1;
    return std::atoi(nom);
}

}  // namespace

void ImagesBlocs::lister(const std::string& dossier) {
    codes.clear();
    if (DIR* d = ::opendir(dossier.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const int c = codeDuNom(e->d_name);
            if (c >= 0) codes.insert(c);
        }
        ::closedir(d);
    }
    liste = true;
}

void ImagesBlocs::oublier() {
    liste = false;
    codes.clear();
}
