// A recorded attempt at a level: the level it was played on, the random seed, and per frame the elapsed time
// and the buttons held, run-length coded. Written and read as a small versioned binary file.
#pragma once

#include <cstdint>
#include <functional>
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

    // The series: a shipped one's number, or a player's series numbered by the catalogue from 100.
    static constexpr int DIFFICULTE_MAX = 199;
    int difficulte = 0, numero = 0;  // the level: level numero of series difficulte
    uint64_t hachage = 0;            // of the level file's bytes, when it was played
    uint64_t graine = 1;             // the match's random seed for the attempt
    int viesDepart = 3;              // lives at the start of the attempt
    float sauvegardeX = 0, sauvegardeZ = 0;  // the respawn cell carried into the attempt
    int tempsMs = 0;                 // play time at the goal (0 while unfinished)
    int viesRestantes = 0;           // lives left at the goal
    Assistance assistance;           // the assist the run was played with (none before version 2)

    // A place in the frames, from the first on: the byte its run starts at.
    struct Curseur {
        size_t octet = 0;
        uint32_t dansSerie = 0;
    };
    // The frame at c, then c moves past it; false after the last frame.
    bool suivante(Curseur& c, long& ecoule, Boutons& b) const;
    // The elapsed time of the frame at c, without moving; -1 after the last.
    long prochaine(const Curseur& c) const;

    // One more frame of play.
    void ajouter(long ecoule, const Boutons& b);
    long nombreImages() const { return images; }
    void vider() {
        octets.clear();
        series = 0;
        images = 0;
    }

    // The file's bytes, and a file's bytes read back; false with the reason
    // (one line) for a damaged, truncated or foreign file.
    std::vector<unsigned char> encoder() const;
    static bool decoder(const std::vector<unsigned char>& octets, Rejeu& r, std::string& refus);

    // Up to n bytes into o, the number given (0: the end, or an error): a file read in pieces.
    using Source = std::function<size_t(unsigned char* o, size_t n)>;
    // What a reader checks beyond the format while the file is read: the
    // header (the level it names), then each frame in order. Either refuses
    // the replay with its reason, and the reading stops there.
    struct Controle {
        virtual ~Controle() = default;
        virtual bool entete(const Rejeu& r, std::string& refus) = 0;
        virtual bool image(long ecoule, const Boutons& b, std::string& refus) = 0;
    };
    // The same read from taille bytes of source, piece by piece: the checksum
    // is summed as they come, and the frames are kept (garder) in their
    // file form, so memory follows the frames accepted, never the file.
    static bool decoder(const Source& source, uint64_t taille, Rejeu& r, std::string& refus,
                        Controle* controle = nullptr, bool garder = true);

    // 64-bit FNV-1a of bytes: names a level file's exact contents.
    static uint64_t hacher(const std::vector<unsigned char>& octets);

    // Version 2 adds the assist after the result; version 1 files read as unassisted.
    static constexpr uint32_t VERSION = 2;
    static constexpr long IMAGES_MAX = 50L * 1000 * 1000;  // far beyond any level's time limit
    static constexpr int ECOULE_MAX = 1000;                // a frame longer than this is no game frame
    static constexpr size_t TAILLE_MAX = 64u * 1024 * 1024;
    // Frames of no time in a row: a very fast computer makes a few; beyond
    // this, no play made them.
    static constexpr long ZEROS_MAX = 32;

private:
    struct Lecteur;
    static bool lireSeries(Lecteur& l, uint64_t nombre, Rejeu& r, std::string& refus, Controle* controle,
                           bool garder);
    // A run's bytes at o: its frame (elapsed time and buttons) and its length; false past the end.
    bool lireSerie(size_t o, Serie& s, size_t& apres) const;

    std::vector<unsigned char> octets;  // the runs, two varints each, as in the file
    size_t series = 0;
    long images = 0;
    size_t derniere = 0;  // where the last run starts in octets
    Serie enCours{0, 0, 0};  // the last run
};
