// Measuring and checking the difficulty curve.
#include "tools/verifniveau/Courbe.h"

#include <algorithm>
#include <cstdlib>

#include "tools/verifniveau/Marge.h"
#include "tools/verifniveau/Naif.h"
#include "tools/verifniveau/Rapport.h"
#include "settings/ParsNiveaux.h"

namespace {

const int GRILLE[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140,
                      150, 160, 170, 180, 190, 200, 250, 300, 400};
const int PAS = 16;

// The rules, in numbers.
const long PAR_MIN_FACILE = 8000;         // from easy level PREMIER_PAR_MIN on
const int PREMIER_PAR_MIN = 4;
const long SOMME_FACILE = 150000, SOMME_DIFFICILE = 200000;
const int PRESSES_MIN = 4;                // hard levels with par at least half the limit
const int SAUT_MAX = 25;                  // a level no tighter than the next by more than this
const int MARGE_MIN = 30;                 // no level tighter than this
const int DEBUT_FACILE = 130;             // easy levels 1 and 2 at least this loose (about +/-150 ms)
const size_t PREMIERS_FACILES = 2;
const int FIN_FACILE_MIN = 60, FIN_FACILE_MAX = 100;  // the last easy level about +/-75 ms
const int RACCORD = 25;                   // hard level 1 this close to the last easy level
const int FIN_DIFFICILE_MAX = 50;         // the last hard level about +/-30 ms
const size_t PART_FOURCHES = 3;           // at least one level in this many of a series has a fork

// A medal's time: the par times the game's percentage, in ms.
long medaille(long par, int pourcent) { return par * pourcent / 100; }

// How many of the replays at shift ecart finish, stopping once the count can
// no longer reach REUSSIS.
bool passe(Marge& m, const Route& r, int ecart) {
    int echecs = 0;
    for (int k = 1; k <= Courbe::ESSAIS; ++k) {
        if (!m.rejouer(r, ecart, 7919u * static_cast<unsigned>(k))) ++echecs;
        if (echecs > Courbe::ESSAIS - Courbe::REUSSIS) return false;
    }
    return true;
}

std::string ms(int v) { return "±" + std::to_string(v) + " ms"; }

std::string secondes(long v) {
    char t[32];
    std::snprintf(t, sizeof t, "%.2f s", v / 1000.0);
    return t;
}

void ecrireSerie(const char* titre, const std::vector<Mesure>& serie, std::FILE* f) {
    std::fprintf(f,
                 "### %s\n\n| Level | Title | Par | Safe route | Gold | Silver | Limit | Par / limit | Slack | Naive play |\n"
                 "|---|---|---|---|---|---|---|---|---|---|\n",
                 titre);
    long somme = 0;
    for (size_t i = 0; i < serie.size(); ++i) {
        const Mesure& m = serie[i];
        if (!m.finissable) {
            std::fprintf(f, "| %zu | %s | not finishable | | | | %d s | | | |\n", i + 1, m.titre.c_str(), m.limite);
            continue;
        }
        somme += m.par;
        const std::string sure = !m.fourche ? "no fork" : m.sure > 0 ? secondes(m.sure) : "none found";
        std::fprintf(f, "| %zu | %s | %s | %s | %s | %s | %d s | %.0f %% | %s | %s |\n", i + 1, m.titre.c_str(),
                     secondes(m.par).c_str(), sure.c_str(),
                     secondes(medaille(m.par, ParsNiveaux::POURCENT_OR)).c_str(),
                     secondes(medaille(m.par, ParsNiveaux::POURCENT_ARGENT)).c_str(), m.limite,
                     m.par / (10.0 * m.limite), ms(m.marge).c_str(), m.naifs.empty() ? "none" : m.naifs.c_str());
    }
    std::fprintf(f, "\nPars add up to %s.\n\n", secondes(somme).c_str());
}

}  // namespace

int Courbe::marge(const std::string& chemin, long* par, bool* finissable) {
    const Verdict v = Rapport::juger(chemin, PAS, Recherche::BUDGET);
    *finissable = v.accepte && v.route.trouvee;
    *par = v.route.temps;
    return *finissable ? marge(chemin, v.route) : 0;
}

int Courbe::marge(const std::string& chemin, const Route& route) {
    Simulateur sim(FichierNiveau::lire(chemin), chemin, PAS);
    Marge m(sim);
    int tolere = 0;
    for (int ecart : GRILLE) {
        if (!passe(m, route, ecart)) break;
        tolere = ecart;
    }
    return tolere;
}

Mesure Courbe::mesurer(const std::string& chemin, const NiveauDeSerie* niveau) {
    Mesure m;
    m.chemin = chemin;
    if (niveau) m.titre = niveau->titre;
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    m.limite = lu.temps;
    if (!lu.accepte()) return m;
    const Verdict v = Rapport::juger(chemin, PAS, Recherche::BUDGET, niveau);
    m.finissable = v.route.trouvee;
    m.par = v.route.temps;
    m.fourche = v.fourche;
    m.sure = v.sure.trouvee ? v.sure.temps : 0;
    if (m.finissable) m.marge = marge(chemin, v.route);
    // Every habit at every frame step, played once for all of them.
    const std::vector<Naif::Essai> essais = Naif::essayer(lu, chemin);
    for (const Politique& p : Naif::politiques()) {
        bool fini = false;
        for (const Naif::Essai& e : essais) fini = fini || (e.politique == &p && e.fini);
        if (fini) m.naifs += (m.naifs.empty() ? "" : "; ") + std::string(p.nom);
    }
    return m;
}

void Courbe::ecrireTable(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile, std::FILE* f) {
    std::fprintf(f,
                 "Par is the level checker's fastest route at 16 ms frames. Slack is the largest shift S (10 ms "
                 "steps up to 200 ms, then 250, 300, 400) such that, with every key press and release moved at "
                 "random by up to ±S ms, at least %d of %d replays of that route by a player who watches the ball "
                 "(aiming again at every bounce, going on after a fall while lives and time last; see "
                 "level-design.md) still finish (and so for every smaller step). Naive play lists the habits that finish the level (forward held; forward and a "
                 "side key held; forward for 0.3 s from each bounce; nothing pressed; at 10, 16, 25 and 40 ms "
                 "frames, every throw of the random push).\n\n",
                 REUSSIS, ESSAIS);
    ecrireSerie("Easy", facile, f);
    ecrireSerie("Hard", difficile, f);
}

// A fork offers a choice: its safe route finishes within the limit (the
// search only finds routes that do, clocks counted) but misses gold, and
// enough levels of each series have one.
void Courbe::fourches(const std::vector<Mesure>& serie, const std::string& nom, std::vector<std::string>& ecarts) {
    size_t avec = 0;
    for (size_t i = 0; i < serie.size(); ++i) {
        const Mesure& m = serie[i];
        if (!m.fourche || !m.finissable) continue;
        ++avec;
        const std::string qui = nom + " " + std::to_string(i + 1);
        if (m.sure <= 0) ecarts.push_back(qui + ": the fork has no safe route");
        else if (m.sure <= medaille(m.par, ParsNiveaux::POURCENT_OR))
            ecarts.push_back(qui + ": the fork's safe route (" + secondes(m.sure) + ") earns gold");
    }
    if (avec * PART_FOURCHES < serie.size())
        ecarts.push_back("the " + nom + " series has forks in " + std::to_string(avec) + " levels, under a third");
}

std::vector<std::string> Courbe::regles(const std::vector<Mesure>& facile, const std::vector<Mesure>& difficile) {
    std::vector<std::string> ecarts;
    auto nom = [&](size_t i) {
        return i < facile.size() ? "easy " + std::to_string(i + 1) : "hard " + std::to_string(i - facile.size() + 1);
    };
    std::vector<Mesure> tous = facile;
    tous.insert(tous.end(), difficile.begin(), difficile.end());
    for (size_t i = 0; i < tous.size(); ++i) {
        const Mesure& m = tous[i];
        if (!m.finissable) ecarts.push_back(nom(i) + " cannot be finished");
        if (!m.naifs.empty() && (i >= facile.size() || i >= 2)) ecarts.push_back(nom(i) + " is finished by " + m.naifs);
        if (i >= facile.size() && m.marge < MARGE_MIN) ecarts.push_back(nom(i) + " is tighter than " + ms(MARGE_MIN));
        if (i + 1 < tous.size() && m.marge + SAUT_MAX < tous[i + 1].marge)
            ecarts.push_back(nom(i) + " is tighter than " + nom(i + 1) + " by more than " + std::to_string(SAUT_MAX) + " ms");
        if (i < facile.size() && i + 1 >= PREMIER_PAR_MIN && m.par < PAR_MIN_FACILE)
            ecarts.push_back(nom(i) + " has a par under " + secondes(PAR_MIN_FACILE));
    }
    long sf = 0, sd = 0;
    int presses = 0;
    for (const Mesure& m : facile) sf += m.par;
    for (const Mesure& m : difficile) {
        sd += m.par;
        presses += m.par * 2 >= m.limite * 1000L;
    }
    if (sf < SOMME_FACILE) ecarts.push_back("easy pars add up to " + secondes(sf) + ", under " + secondes(SOMME_FACILE));
    if (sd < SOMME_DIFFICILE)
        ecarts.push_back("hard pars add up to " + secondes(sd) + ", under " + secondes(SOMME_DIFFICILE));
    if (presses < PRESSES_MIN) ecarts.push_back(std::to_string(presses) + " hard levels with par at least half the limit");
    for (size_t i = 0; i < facile.size() && i < PREMIERS_FACILES; ++i)
        if (facile[i].marge < DEBUT_FACILE) ecarts.push_back(nom(i) + " is tighter than " + ms(DEBUT_FACILE));
    if (!facile.empty() && (facile.back().marge < FIN_FACILE_MIN || facile.back().marge > FIN_FACILE_MAX))
        ecarts.push_back("the last easy level is not between " + ms(FIN_FACILE_MIN) + " and " + ms(FIN_FACILE_MAX));
    if (!facile.empty() && !difficile.empty() && std::abs(facile.back().marge - difficile.front().marge) > RACCORD)
        ecarts.push_back("hard 1 is more than " + std::to_string(RACCORD) + " ms from the last easy level");
    if (!difficile.empty() && difficile.back().marge > FIN_DIFFICILE_MAX)
        ecarts.push_back("the last hard level is looser than " + ms(FIN_DIFFICILE_MAX));
    if (facile.size() < 12 || difficile.size() < 12) ecarts.push_back("a series has fewer than 12 levels");
    fourches(facile, "easy", ecarts);
    fourches(difficile, "hard", ecarts);
    return ecarts;
}
