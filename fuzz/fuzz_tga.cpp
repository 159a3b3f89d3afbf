// Fuzz target: the TGA reader, with and without row flipping, and its size-only call.
#include <cstdint>

#include "fuzz/Bac.h"
#include "render/LoadFileTGA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire("f.tga", octets, taille);
    int largeur = 0, hauteur = 0;
    LoadFileTGA("f.tga", nullptr, &largeur, &hauteur, false);
    unsigned char* pixels = nullptr;
    if (LoadFileTGA("f.tga", &pixels, &largeur, &hauteur, taille % 2 == 1) == 1) {
        // Every pixel of an accepted image is read: an overrun shows here.
        unsigned somme = 0;
        for (long i = 0; i < 4L * largeur * hauteur; ++i) somme += pixels[i];
        delete[] pixels;
        return static_cast<int>(somme & 0);
    }
    if (pixels) __builtin_trap();  // a refused file leaves no buffer
    return 0;
}
