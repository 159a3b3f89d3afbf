// Fuzz target: the MD2 reader; every vertex of an accepted model must decode to finite coordinates.
#include <cmath>
#include <cstdint>

#include "fuzz/Bac.h"
#include "render/CMD2Model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    bac::entrer();
    bac::ecrire("m.md2", octets, taille);
    CMD2Model modele;
    if (modele.LoadModel("m.md2") != 1) return 0;
    for (int image = 0; image < modele.GetNumFrames(); ++image) {
        float p[3];
        for (int i = 0; modele.GetVertex(image, i, p); ++i)
            for (float c : p)
                if (!std::isfinite(c)) __builtin_trap();
    }
    // The drawing passes walk the triangles and command lists (no context: GL does nothing).
    const int dernier = modele.GetNumFrames() - 1;
    modele.DrawModelItp(0, dernier, 0.5f);
    modele.DrawModelItpWithGLcmds(0, dernier, 0.5f);
    return 0;
}
