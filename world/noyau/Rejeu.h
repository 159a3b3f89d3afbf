// A recorded attempt at a level: the level it was played on, the random seed, and per frame the elapsed time
// and the buttons held, run-length coded. Written and read as a small versioned binary file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/noyau/Assistance.h"
#include "world/noyau/Boutons.h"

class Rejeu {
public:
    // Frames with the same elapsed time and buttons, in a row.
    struct Serie {
        uint16_t ecoule;
        uint8_t boutons;
        uint32_t nombre;
    };

    int difficulte = 0, numero = 0;  // the level: Niveaux/<difficulte>/niveau<numero>.dat
    uint64_t hachage = 0;            // of the level file's bytes, when it was played
    uint64_t graine = 1;             // the match's random seed for the attempt
    int viesDepart = 3;              // lives at the start of the attempt
    float sauvegardeX = 0, sauvegardeZ = 0;  // the respawn cell carried into the attempt
    int tempsMs = 0;                 // play time at the goal (0 while unfinished)
    int viesRestantes = 0;           // lives left at the goal
    Assistance assistance;           // the assist the run was played with (none before version 2)

    // A place in the frames, from the first on.
    struct Curseur {
        size_t serie = 0;
        uint32_t dansSerie = 0;
    };
    // The frame at c, then c moves past it; false after the last frame.
    bool suivante(Curseur& c, long& ecoule, Boutons& b) const {
        if (c.serie >= series.size()) return false;
        const Serie& s = series[c.serie];
        ecoule = s.ecoule;
        b = Boutons::depuis(s.boutons);
        if (++c.dansSerie >= s.nombre) ++c.serie, c.dansSerie = 0;
        return true;
    }
    // The elapsed time of the frame at c, without moving; -1 after the last.
    long prochaine(const Curseur& c) const { return c.serie < series.size() ? series[c.serie].ecoule : -1; }

    // One more frame of play.
    void ajouter(long ecoule, const Boutons& b);
    const std::vector<Serie>& getSeries() const { return series; }
    long nombreImages() const { return images; }
    void vider() {
        series.clear();
        images = 0;
    }

    // The file's bytes, and a file's bytes read back; false with the reason
    // (one line) for a damaged, truncated or foreign file.
    std::vector<unsigned char> encoder() const;
    static bool decoder(const std::vector<unsigned char>& octets, Rejeu& r, std::string& refus);

    // 64-bit FNV-1a of bytes: names a level file's exact contents.
    static uint64_t hacher(const std::vector<unsigned char>& octets);

    // Version 2 adds the assist after the result; version 1 files read as unassisted.
    static constexpr uint32_t VERSION = 2;
    static constexpr long IMAGES_MAX = 50L * 1000 * 1000;  // far beyond any level's time limit
    static constexpr int ECOULE_MAX = 1000;                // a frame longer than this is no game frame
    static constexpr size_t TAILLE_MAX = 64u * 1024 * 1024;

private:
    std::vector<Serie> series;
    long images = 0;
};
