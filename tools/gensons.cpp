// Our sound generator: synthesises the six pieces of music and nine sound effects as WAV files.
// Usage: gensons GAME_FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const int FREQUENCE = 22050;
const double PI = 3.14159265358979;

using Piste = std::vector<float>;  // mono samples, -1 to 1

double hertz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

enum class Onde { CARREE, TRIANGLE, SINUS, BRUIT };

// Deterministic noise.
float bruit(uint32_t& etat) {
    etat = etat * 1664525u + 1013904223u;
    return static_cast<float>(etat >> 8) / 8388608.0f - 1.0f;
}

float onde(Onde o, double phase, uint32_t& etat, double rapport = 0.5) {
    const double p = phase - std::floor(phase);
    switch (o) {
        case Onde::CARREE: return p < rapport ? 0.6f : -0.6f;
        case Onde::TRIANGLE: return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
        case Onde::SINUS: return static_cast<float>(std::sin(2 * PI * p));
        default: return bruit(etat);
    }
}

// Adds one note: attack, then an exponential decay; frequency may glide.
void note(Piste& p, double debut, double duree, double f0, double f1, Onde o, float volume, double declin = 4,
          double rapport = 0.5) {
    const size_t a = static_cast<size_t>(debut * FREQUENCE), n = static_cast<size_t>(duree * FREQUENCE);
    if (p.size() < a + n) p.resize(a + n, 0);
    double phase = 0;
    uint32_t etat = static_cast<uint32_t>(f0 * 1000) + 17;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / FREQUENCE, x = static_cast<double>(i) / n;
        const double f = f0 + (f1 - f0) * x;
        phase += f / FREQUENCE;
        const double attaque = std::min(1.0, t / 0.005), fin = std::min(1.0, (n - i) / (0.01 * FREQUENCE));
        p[a + i] += volume * static_cast<float>(attaque * fin * std::exp(-declin * t)) * onde(o, phase, etat, rapport);
    }
}

// A line of notes: each {midi, steps}; midi < 0 is a rest.
struct Note {
    int midi;
    int pas;
};

void ligne(Piste& p, const std::vector<Note>& notes, double pasSec, Onde o, float volume, double declin,
           int repetitions = 1, int transposition = 0) {
    double t = 0;
    for (int r = 0; r < repetitions; ++r) {
        for (const Note& n : notes) {
            if (n.midi >= 0) {
                const double f = hertz(n.midi + transposition);
                note(p, t, n.pas * pasSec * 0.95, f, f, o, volume, declin);
            }
            t += n.pas * pasSec;
        }
    }
}

// Kick on the beats, hi-hat between, for a number of bars of four beats.
void batterie(Piste& p, double temps, int mesures, float volume) {
    for (int b = 0; b < mesures * 4; ++b) {
        note(p, b * temps, 0.12, 150, 45, Onde::SINUS, volume, 18);
        note(p, (b + 0.5) * temps, 0.04, 8000, 8000, Onde::BRUIT, volume * 0.25f, 60);
    }
}

void ecrireWAV(const std::string& chemin, Piste p, double duree = 0) {
    if (duree > 0) p.resize(static_cast<size_t>(duree * FREQUENCE), 0);
    float crete = 0;
    for (float v : p) crete = std::max(crete, std::abs(v));
    const float gain = crete > 0 ? 0.85f / crete : 0;
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
    std::ofstream f(chemin, std::ios::binary);
    auto mot32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) f.put(static_cast<char>((v >> (8 * i)) & 255)); };
    auto mot16 = [&](uint16_t v) { f.put(static_cast<char>(v & 255)); f.put(static_cast<char>(v >> 8)); };
    // Mono 16-bit at the mixer's own rate: every track is synthesised on one
    // channel, and the game opens the mixer at 22 050 Hz, so more would only
    // be duplicated or resampled away.
    const uint32_t octets = static_cast<uint32_t>(p.size()) * 2;
    f.write("RIFF", 4);
    mot32(36 + octets);
    f.write("WAVEfmt ", 8);
    mot32(16);
    mot16(1);
    mot16(1);
    mot32(FREQUENCE);
    mot32(FREQUENCE * 2);
    mot16(2);
    mot16(16);
    f.write("data", 4);
    mot32(octets);
    for (float v : p) {
        const int16_t s = static_cast<int16_t>(std::lround(std::clamp(v * gain, -1.0f, 1.0f) * 32767));
        mot16(static_cast<uint16_t>(s));
    }
}

// ---- Music ------------------------------------------------------------------

// Title: a calm arpeggio over a slow bass, C major, looping in 8 bars.
Piste premenu() {
    Piste p;
    const double pas = 60.0 / 96 / 4;
    const std::vector<Note> arpege{{60, 2}, {64, 2}, {67, 2}, {72, 2}, {67, 2}, {64, 2}, {60, 2}, {64, 2},
                                   {57, 2}, {60, 2}, {64, 2}, {69, 2}, {64, 2}, {60, 2}, {57, 2}, {60, 2},
                                   {53, 2}, {57, 2}, {60, 2}, {65, 2}, {60, 2}, {57, 2}, {53, 2}, {57, 2},
                                   {55, 2}, {59, 2}, {62, 2}, {67, 2}, {62, 2}, {59, 2}, {55, 2}, {62, 2}};
    ligne(p, arpege, pas, Onde::TRIANGLE, 0.5f, 3, 2, 12);
    ligne(p, {{48, 16}, {45, 16}, {41, 16}, {43, 16}}, pas, Onde::SINUS, 0.6f, 0.6, 2);
    ligne(p, {{-1, 8}, {76, 4}, {79, 4}, {-1, 8}, {76, 8}, {-1, 8}, {77, 4}, {76, 4}, {74, 16},
              {-1, 8}, {72, 4}, {76, 4}, {79, 8}, {77, 4}, {76, 4}, {74, 8}, {71, 8}, {72, 16}},
          pas, Onde::SINUS, 0.35f, 1.5);
    return p;
}

// Menus: bright and bouncy, 120 beats a minute.
Piste menu() {
    Piste p;
    const double temps = 0.5, pas = temps / 4;
    const std::vector<Note> melodie{{72, 2}, {-1, 2}, {76, 2}, {79, 2}, {81, 4}, {79, 4}, {76, 2}, {77, 2}, {79, 4}, {-1, 8},
                                    {74, 2}, {-1, 2}, {77, 2}, {81, 2}, {83, 4}, {81, 4}, {79, 2}, {77, 2}, {76, 4}, {-1, 8}};
    ligne(p, melodie, pas, Onde::CARREE, 0.3f, 5, 2);
    const std::vector<Note> basse{{48, 4}, {55, 4}, {48, 4}, {55, 4}, {53, 4}, {60, 4}, {53, 4}, {60, 4},
                                  {50, 4}, {57, 4}, {50, 4}, {57, 4}, {55, 4}, {62, 4}, {55, 4}, {59, 4}};
    ligne(p, basse, pas, Onde::TRIANGLE, 0.55f, 3, 2);
    batterie(p, temps, 8, 0.5f);
    return p;
}

// Level intro: a rising fanfare, played once.
Piste intro() {
    Piste p;
    const double pas = 0.09;
    ligne(p, {{67, 2}, {72, 2}, {76, 2}, {79, 6}, {76, 2}, {79, 12}}, pas, Onde::CARREE, 0.35f, 2);
    ligne(p, {{55, 2}, {60, 2}, {64, 2}, {67, 6}, {64, 2}, {67, 12}}, pas, Onde::TRIANGLE, 0.4f, 2);
    ligne(p, {{-1, 14}, {48, 12}}, pas, Onde::SINUS, 0.6f, 1);
    return p;
}

// Playing: driving, A minor, 140 beats a minute.
Piste musiqueJeu() {
    Piste p;
    const double temps = 60.0 / 140, pas = temps / 4;
    const std::vector<Note> motif{{69, 2}, {72, 2}, {76, 2}, {72, 2}, {74, 2}, {77, 2}, {76, 4},
                                  {69, 2}, {72, 2}, {76, 2}, {79, 2}, {77, 4}, {76, 4},
                                  {65, 2}, {69, 2}, {72, 2}, {69, 2}, {71, 2}, {74, 2}, {72, 4},
                                  {67, 2}, {71, 2}, {74, 2}, {71, 2}, {72, 4}, {71, 4}};
    ligne(p, motif, pas, Onde::CARREE, 0.25f, 4, 2);
    const std::vector<Note> basse{{45, 2}, {45, 2}, {57, 2}, {45, 2}, {45, 2}, {57, 2}, {45, 2}, {57, 2},
                                  {45, 2}, {45, 2}, {57, 2}, {45, 2}, {43, 2}, {55, 2}, {43, 2}, {55, 2},
                                  {41, 2}, {41, 2}, {53, 2}, {41, 2}, {41, 2}, {53, 2}, {41, 2}, {53, 2},
                                  {43, 2}, {43, 2}, {55, 2}, {43, 2}, {44, 2}, {56, 2}, {44, 2}, {56, 2}};
    ligne(p, basse, pas, Onde::TRIANGLE, 0.55f, 6, 2);
    batterie(p, temps, 8, 0.55f);
    return p;
}

// Level completed: a cheerful loop.
Piste finNiveau() {
    Piste p;
    const double temps = 0.4, pas = temps / 4;
    ligne(p, {{72, 2}, {76, 2}, {79, 2}, {84, 6}, {83, 2}, {81, 2}, {79, 4}, {84, 4}, {-1, 8}}, pas, Onde::CARREE, 0.3f, 4, 2);
    ligne(p, {{48, 8}, {53, 8}, {55, 8}, {48, 8}}, pas, Onde::TRIANGLE, 0.5f, 2, 2);
    batterie(p, temps, 4, 0.4f);
    return p;
}

// Out of time or lives: a falling minor phrase.
Piste gameOver() {
    Piste p;
    const double pas = 0.12;
    ligne(p, {{71, 3}, {70, 3}, {69, 3}, {68, 12}}, pas, Onde::CARREE, 0.3f, 2);
    ligne(p, {{47, 3}, {46, 3}, {45, 3}, {44, 12}}, pas, Onde::TRIANGLE, 0.5f, 2);
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string jeu = argv[1];
    ecrireWAV(jeu + "/Musiques/premenu.wav", premenu());
    ecrireWAV(jeu + "/Musiques/menu.wav", menu());
    ecrireWAV(jeu + "/Musiques/intro.wav", intro(), 2.6);
    ecrireWAV(jeu + "/Musiques/jeu.wav", musiqueJeu());
    ecrireWAV(jeu + "/Musiques/finNiveau.wav", finNiveau());
    ecrireWAV(jeu + "/Musiques/gameOver.wav", gameOver(), 2.6);

    Piste s;
    note(s, 0, 0.06, 1320, 1320, Onde::CARREE, 0.4f, 20);
    ecrireWAV(jeu + "/Sons/beep.wav", s);
    s.clear();
    note(s, 0, 0.06, 880, 880, Onde::CARREE, 0.4f, 10);
    note(s, 0.06, 0.1, 1320, 1320, Onde::CARREE, 0.4f, 10);
    ecrireWAV(jeu + "/Sons/beep2.wav", s);
    s.clear();
    note(s, 0, 0.08, 990, 990, Onde::TRIANGLE, 0.5f, 20);
    ecrireWAV(jeu + "/Sons/beep3.wav", s);
    s.clear();
    for (int i = 0; i < 4; ++i) note(s, i * 0.05, 0.12, hertz(72 + 4 * i), hertz(72 + 4 * i), Onde::CARREE, 0.35f, 8);
    ecrireWAV(jeu + "/Sons/bonus.wav", s);
    s.clear();
    note(s, 0, 0.35, 330, 110, Onde::CARREE, 0.4f, 4, 0.3);
    note(s, 0, 0.35, 335, 112, Onde::CARREE, 0.3f, 4, 0.3);
    ecrireWAV(jeu + "/Sons/malus.wav", s);
    s.clear();
    note(s, 0, 0.18, 520, 180, Onde::SINUS, 0.8f, 12);
    ecrireWAV(jeu + "/Sons/rebond.wav", s);
    s.clear();
    note(s, 0, 0.3, 200, 900, Onde::TRIANGLE, 0.7f, 6);
    note(s, 0, 0.3, 200, 900, Onde::SINUS, 0.4f, 6);
    ecrireWAV(jeu + "/Sons/rebond2.wav", s);
    s.clear();
    note(s, 0, 0.12, 3000, 800, Onde::BRUIT, 0.6f, 25);
    note(s, 0.02, 0.25, 140, 60, Onde::SINUS, 0.8f, 10);
    ecrireWAV(jeu + "/Sons/open.wav", s);
    s.clear();
    // The clock's tick in a level's last ten seconds: short and dry, under the music.
    note(s, 0, 0.045, 2200, 1900, Onde::TRIANGLE, 0.45f, 60);
    note(s, 0, 0.02, 5000, 3000, Onde::BRUIT, 0.12f, 120);
    ecrireWAV(jeu + "/Sons/tic.wav", s);
    return 0;
}
