// The checker's report on one level.
#include "tools/verifniveau/Rapport.h"

#include "tools/verifniveau/Marge.h"
#include "world/TypeBloc.h"

namespace {

const char* const LANCERS[4] = {"right", "left", "back", "forward"};  // the block table's random pushes, in order
const int PAS_ESSAYES[] = {5, 10, 25, 40};
const long DETOUR = 4;

const char* nomBloc(int code) {
    const TypeBloc* t = TypeBloc::pour(code);
    return t ? t->nom : "inert";
}

}  // namespace

Verdict Rapport::juger(const std::string& chemin, int pas, long budget, const NiveauDeSerie* niveau) {
    Verdict v;
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    v.accepte = lu.accepte();
    v.refus = lu.refus;
    v.temps = lu.temps;
    if (!v.accepte) return v;
    Simulateur sim(lu, chemin, pas);
    Recherche recherche(sim, budget);
    v.route = recherche.chercher();
    v.etats = recherche.etatsExplores();
    v.vols = sim.volsSimules();
    if (niveau && niveau->fourche) {
        v.fourche = true;
        Simulateur prudent(lu, chemin, pas);
        prudent.setInterdite(niveau->ligne + 1, niveau->colonne + 1);
        // The safe way is a detour the search, heading for the goal rows,
        // comes to last: it gets more landings to expand.
        v.sure = Recherche(prudent, budget * DETOUR).chercher();
    }
    return v;
}

void Rapport::ecrireRoute(const Route& route, std::FILE* f, int retrait) {
    for (const Etape& e : route.etapes)
        std::fprintf(f, "%*s%7.2f s  %-34s -> row %d, column %d (%s)\n", retrait, "", (e.depart + e.duree) / 1000.0,
                     e.plan.decrire(e.depart, e.duree).c_str(), e.ligne, e.colonne, nomBloc(e.code));
    for (size_t k = 0; k < route.issues.size(); ++k) {
        std::fprintf(f, "%*sif it throws %s:\n", retrait, "", LANCERS[k]);
        ecrireRoute(route.issues[k], f, retrait + 4);
    }
}

bool Rapport::verifier(const std::string& chemin, int pas, long budget, bool marge, std::FILE* f,
                       const NiveauDeSerie* niveau) {
    const Verdict v = juger(chemin, pas, budget, niveau);
    if (!v.accepte) {
        std::fprintf(f, "%s: refused: %s\n", chemin.c_str(), v.refus.c_str());
        return false;
    }
    const Route& r = v.route;
    if (!r.trouvee) {
        std::fprintf(f, "%s: NOT finishable (no route found; %ld states searched, %ld flights)\n", chemin.c_str(),
                     v.etats, v.vols);
        return false;
    }
    std::fprintf(f, "%s: finishable; par %.2f s of %d s (%.0f%%), %d lives lost, %ld states searched, %ld flights\n",
                 chemin.c_str(), r.temps / 1000.0, v.temps, r.temps / (10.0 * v.temps), r.viesPerdues, v.etats,
                 v.vols);
    std::fprintf(f, "  route at %d ms frames (keys held, seconds of play; landing time, then where):\n", pas);
    ecrireRoute(r, f, 4);
    if (v.fourche && v.sure.trouvee) {
        std::fprintf(f, "  safe route, never crossing row %d, column %d: %.2f s (par + %.0f%%):\n", niveau->ligne,
                     niveau->colonne, v.sure.temps / 1000.0, (v.sure.temps - r.temps) * 100.0 / r.temps);
        ecrireRoute(v.sure, f, 4);
    } else if (v.fourche) {
        std::fprintf(f, "  safe route, never crossing row %d, column %d: none found\n", niveau->ligne, niveau->colonne);
    }
    if (marge) {
        const FichierNiveau lu = FichierNiveau::lire(chemin);
        Simulateur sim(lu, chemin, pas);
        Marge m(sim);
        const Marge::Tolerance t = m.toleranceTemps(r);
        std::fprintf(f, "  slack: with every key time moved at random by up to +/-%d ms, all %d replays finish", t.tolere,
                     Marge::ESSAIS);
        if (t.suivant > 0) std::fprintf(f, "; at +/-%d ms, %d of them", t.suivant, t.reussis);
        std::fprintf(f, "\n");
        std::fprintf(f, "  other frame steps:");
        for (int p : PAS_ESSAYES) std::fprintf(f, " %d ms %s", p, m.finitAuPas(r, p) ? "finishes" : "fails");
        std::fprintf(f, "\n");
    }
    return true;
}
