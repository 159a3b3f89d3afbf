// The editor's check of the level being edited: the level checker run on a copy in a thread of its own,
// its progress read at every frame, its verdict kept for the screen and for adding the level to a series.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "world/FichierNiveau.h"

struct ResultatVerification {
    bool finissable = false;
    long parMs = 0;          // the checker's fastest route
    int limite = 0;          // the level's time limit, s
    int margeMs = 0;         // every key time shifted by up to this, the route still finishes every replay
    std::string naifs;       // the naive habits that finish it ("; " between), empty for none
    std::vector<int> habitudes;  // the same, by their rank in the checker's list of habits
    // The route's landings, (row, column) from 0 at the file's first row and
    // left column; after a random push, its first throw's way on.
    std::vector<std::pair<int, int>> route;
    int bloqueLigne = -1, bloqueColonne = -1;  // where the search stopped, when it cannot be finished

    long orMs() const;      // the gold and silver times: 115 % and 150 % of par
    long argentMs() const;
};

class VerificationEditeur {
public:
    VerificationEditeur() = default;
    VerificationEditeur(const VerificationEditeur&) = delete;
    VerificationEditeur& operator=(const VerificationEditeur&) = delete;

    // Checks a copy of the level in the background; a check still running is
    // left to finish alone and its verdict dropped.
    void lancer(const FichierNiveau& niveau);
    // The verdict of the last check launched is no longer that of the level (it changed).
    void oublier();
    // The running check told to stop where it is, and forgotten at once: it
    // leaves no verdict, and its thread ends soon after on its own.
    void arreter();
    bool enCours() const;
    // 0 to 1: the search, then the slack, then naive play.
    float avancement() const;
    // The verdict once the last check is done; false before.
    bool resultat(ResultatVerification& r) const;

    // Waits for every background check still running to end. Run at exit
    // (however the game ends), before the checker's tables are destroyed.
    static void attendreToutes();

    // Checks a level in this thread (the background check's work).
    // arret, once raised, stops it early with a verdict worth nothing.
    static ResultatVerification verifier(const FichierNiveau& niveau, std::atomic<long>* etats = nullptr,
                                         std::atomic<int>* etape = nullptr, const std::atomic<bool>* arret = nullptr);

private:
    struct Partage {
        std::atomic<long> etats{0};
        std::atomic<int> etape{0};  // 0 search, 1 slack, 2 naive play, 3 done
        std::atomic<bool> arret{false};
        std::mutex verrou;
        ResultatVerification resultat;
    };
    std::shared_ptr<Partage> courant;
};
