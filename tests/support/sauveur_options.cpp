// Saves the settings in a loop as the options screen does, for the concurrent-save check of
// scripts/sauvegardes_concurrentes.sh: sauveur_options <variant 1 or 2> <saves, 0 for endless>.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "settings/OptionsManager.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sauveur_options <1|2> <saves, 0 for endless>\n");
        return 2;
    }
    const int variante = std::atoi(argv[1]);
    const long nombre = std::atol(argv[2]);
    // The defaults, not the file the other saver is writing: built in an
    // empty folder, then back here to save.
    char ici[PATH_MAX], vide[] = "/tmp/sauveur-options-XXXXXX";
    if (!getcwd(ici, sizeof(ici)) || !mkdtemp(vide) || chdir(vide) != 0) return 1;
    OptionsManager* o = OptionsManager::getInstance();
    if (chdir(ici) != 0 || rmdir(vide) != 0) return 1;
    // Two versions that differ in every line where they can.
    for (int i = 0; i < (variante == 1 ? 1 : 4); ++i) o->moveResolution(1);
    if (variante == 2) {
        o->moveFullScreen();
        o->moveAntiAliasing(1);
        o->moveClipping(1);
        o->moveTextures(1);
        o->moveLang(1);
        o->moveColor(0, 1);
        o->moveMusiques();
        o->moveSons();
    }
    for (long n = 0; nombre == 0 || n < nombre; ++n)
        if (!o->sauverOptions()) {
            std::fprintf(stderr, "sauveur_options: save %ld failed\n", n);
            return 1;
        }
    return 0;
}
