// Naive habits played through the game's own player, falls and lives included.
#include "tools/verifniveau/Naif.h"

#include "tools/verifniveau/Simulateur.h"

namespace {

Plan plan(int z, int finZ, int x) {
    Plan p;
    p.z = Appui{z, 0, finZ};
    p.x = Appui{x, 0, -1};
    return p;
}

// Plays one habit from e on, branching at every random push into its four
// throws; the fastest finishing time, or -1 when no branch finishes.
class Partie {
public:
    Partie(Simulateur& s, const Plan& p) : sim(s), plan(p) {}

    long jouer(const EtatVol& e, int lancers, int issueSuivante) {
        EtatVol courant = e;
        while (vols < Naif::VOLS_MAX) {
            ++vols;
            Vol v = sim.voler(courant, plan, issueSuivante);
            if (v.aleatoire) {
                if (lancers < Naif::LANCERS_SUIVIS) return brancher(courant, lancers);
                issueSuivante = (issueSuivante + 1) % 4;
            }
            if (v.fin == FinVol::ARRIVE) return v.apres.ecoule;
            if (v.fin != FinVol::ATTERRI) return -1;
            courant = v.apres;
        }
        return -1;
    }

private:
    // The flight from e landed on a random push: each throw, flown again, and
    // played on.
    long brancher(const EtatVol& e, int lancers) {
        long meilleur = -1;
        for (int issue = 0; issue < 4 && vols < Naif::VOLS_MAX; ++issue) {
            ++vols;
            const Vol v = sim.voler(e, plan, issue);
            long t = -1;
            if (v.fin == FinVol::ARRIVE) t = v.apres.ecoule;
            else if (v.fin == FinVol::ATTERRI) t = jouer(v.apres, lancers + 1, issue);
            if (t >= 0 && (meilleur < 0 || t < meilleur)) meilleur = t;
        }
        return meilleur;
    }

    Simulateur& sim;
    const Plan& plan;
    long vols = 0;
};

}  // namespace

const std::vector<Politique>& Naif::politiques() {
    static const std::vector<Politique> liste = {
        {"forward held", plan(-1, -1, 0)},
        {"forward and left held", plan(-1, -1, -1)},
        {"forward and right held", plan(-1, -1, 1)},
        {"forward for 0.3 s from each bounce", plan(-1, 300, 0)},
        {"nothing pressed", plan(0, -1, 0)},
    };
    return liste;
}

const std::vector<int>& Naif::pas() {
    static const std::vector<int> liste = {10, 16, 25, 40};
    return liste;
}

std::vector<Naif::Essai> Naif::essayer(const FichierNiveau& niveau, const std::string& chemin) {
    std::vector<Essai> essais;
    for (int p : pas()) {
        Simulateur sim(niveau, chemin, p);
        sim.setRejeu(true);
        for (const Politique& pol : politiques()) {
            Essai e;
            e.politique = &pol;
            e.pas = p;
            // The keys are held from the start, before the first landing.
            Partie partie(sim, pol.plan);
            e.temps = partie.jouer(sim.etatInitial(), 0, 0);
            e.fini = e.temps >= 0;
            essais.push_back(e);
        }
    }
    return essais;
}

bool Naif::verifier(const std::string& chemin, bool permis, std::FILE* f) {
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    if (!lu.accepte()) {
        std::fprintf(f, "%s: refused: %s\n", chemin.c_str(), lu.refus.c_str());
        return false;
    }
    const std::vector<Essai> essais = essayer(lu, chemin);
    bool aucun = true;
    std::string detail;
    for (const Politique& pol : politiques()) {
        std::string pasFinis;
        long meilleur = -1;
        for (const Essai& e : essais)
            if (e.politique == &pol && e.fini) {
                pasFinis += (pasFinis.empty() ? "" : ", ") + std::to_string(e.pas);
                if (meilleur < 0 || e.temps < meilleur) meilleur = e.temps;
            }
        if (pasFinis.empty()) continue;
        aucun = false;
        char ligne[160];
        std::snprintf(ligne, sizeof ligne, "    %s finishes in %.2f s (at %s ms frames)\n", pol.nom, meilleur / 1000.0,
                      pasFinis.c_str());
        detail += ligne;
    }
    if (aucun)
        std::fprintf(f, "%s: no naive play finishes\n", chemin.c_str());
    else
        std::fprintf(f, "%s: naive play finishes%s\n%s", chemin.c_str(), permis ? " (allowed here)" : "",
                     detail.c_str());
    return aucun || permis;
}
