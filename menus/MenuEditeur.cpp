// The level editor's screen: input, commands, and the frame put together from the view, the panel and the lines.
#include "menus/MenuEditeur.h"

#include <SDL/SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "menus/BandeauEditeur.h"
#include "menus/MesNiveaux.h"
#include "menus/PanneauEditeur.h"
#include "settings/ClavierManager.h"
#include "settings/FichierLu.h"
#include "settings/FichiersJoueur.h"
#include "settings/LangManager.h"
#include "settings/SonsManager.h"
#include "settings/Souris.h"
#include "world/TypeBloc.h"

namespace {

const double ZOOM_PAS = 1.25;
const int TEMPS_PAS = 5;

}  // namespace

const std::vector<int>& MenuEditeur::palette() {
    static const std::vector<int> codes = [] {
        std::vector<int> p{0};
        for (int i = 0; i < TypeBloc::taille(); ++i)
            if (TypeBloc::table()[i].ligneNom) p.push_back(TypeBloc::table()[i].code);
        return p;
    }();
    return codes;
}

const std::vector<MenuEditeur::Commande>& MenuEditeur::commandes() {
    using L = LangManager;
    using M = MenuEditeur;
    static const std::vector<Commande> table = {
        {L::ED_ANNULER, SDLK_u, SDLK_BACKSPACE, &M::annuler},
        {L::ED_REFAIRE, SDLK_r, 0, &M::refaire},
        {L::ED_ZOOM_PLUS, SDLK_KP_PLUS, SDLK_EQUALS, &M::zoomPlus},
        {L::ED_ZOOM_MOINS, SDLK_KP_MINUS, SDLK_MINUS, &M::zoomMoins},
        {L::ED_LIGNE_PLUS_LOIN, 0, 0, &M::lignePlusLoin},
        {L::ED_LIGNE_MOINS_LOIN, 0, 0, &M::ligneMoinsLoin},
        {L::ED_LIGNE_PLUS_PRES, 0, 0, &M::lignePlusPres},
        {L::ED_LIGNE_MOINS_PRES, 0, 0, &M::ligneMoinsPres},
        {L::ED_COLONNE_PLUS_GAUCHE, 0, 0, &M::colonnePlusGauche},
        {L::ED_COLONNE_MOINS_GAUCHE, 0, 0, &M::colonneMoinsGauche},
        {L::ED_COLONNE_PLUS_DROITE, 0, 0, &M::colonnePlusDroite},
        {L::ED_COLONNE_MOINS_DROITE, 0, 0, &M::colonneMoinsDroite},
        {L::ED_TEMPS_PLUS, SDLK_F4, 0, &M::tempsPlus},
        {L::ED_TEMPS_MOINS, SDLK_F3, 0, &M::tempsMoins},
        {L::ED_DEPART_ICI, SDLK_HOME, 0, &M::departIci},
        {L::ED_ESSAYER, SDLK_F5, 0, &M::essayer},
        {L::ED_ESSAYER_ICI, SDLK_F6, 0, &M::essayerIci},
        {L::ED_VERIFIER, SDLK_F7, 0, &M::verifier},
        {L::ED_BROUILLON, SDLK_F2, 0, &M::brouillon},
        {L::ED_TEXTES, SDLK_F9, 0, &M::saisirTextes},
        {L::ED_AJOUTER, SDLK_F8, 0, &M::ajouter},
        {L::RETOUR, 0, 0, &M::retour},
    };
    return table;
}

std::string MenuEditeur::cheminBrouillon() {
    const std::string c = FichiersJoueur::ecriture("Drafts/draft.dat");
    if (c.empty()) return c;
    std::error_code err;
    const std::filesystem::path dossier = std::filesystem::path(c).parent_path();
    if (!dossier.empty()) std::filesystem::create_directories(dossier, err);
    return c;
}

MenuEditeur::MenuEditeur(const std::string& c) : Menu(0, 0, 1, 1), chemin(c) {
    nom = "MenuEditeur";
    delai = 0;
    remplirFenetre();
    if (!chemin.empty() && FichierLu::ordinaire(chemin)) {
        std::string refus;
        if (!edition.charger(chemin, refus)) setAvis(chemin + ": " + refus);
    }
    curseurL = std::max(0, edition.departLigne());
    curseurC = edition.departColonne();
    vue.placer(0.01, 0.13, 0.74, 0.99);
}

int MenuEditeur::getBloc() const { return palette()[static_cast<size_t>(bloc)]; }

void MenuEditeur::reset() { code = 0; }

void MenuEditeur::reprendre() {
    code = 0;
    clavier->initJ1();
    Souris::getInstance()->oublier();
    vue.invalider();
}

void MenuEditeur::refresh(long ecoule) {
    if (verification.resultat(dernier) && !verdictPris) {
        verdictPris = true;
        versionVerifiee = versionLancee;
    }
    if (saisie.estOuverte()) {
        pointeur = Souris::getInstance()->lire();
        saisie.refresh(ecoule, clavier, pointeur);
        return;
    }
    suivreSouris();
    if (code) return;
    suivreRaccourcis();
    if (code) return;
    if (panneau) suivrePanneau(ecoule);
    else suivreMouvements(ecoule);
}

void MenuEditeur::changer(bool fait) {
    if (!fait) return;
    ++version;
    vue.invalider();
    curseurL = std::clamp(curseurL, 0, edition.lignes() - 1);
    curseurC = std::clamp(curseurC, 0, edition.colonnes() - 1);
}

void MenuEditeur::deplacerCurseur(int dl, int dc) {
    curseurL = std::clamp(curseurL + dl, 0, edition.lignes() - 1);
    curseurC = std::clamp(curseurC + dc, 0, edition.colonnes() - 1);
    vue.montrer(curseurL, curseurC);
}

// On the grid: the directions move the cursor, confirm held paints the
// cells it passes, cancel held erases them; Escape or a pad's start opens
// the panel.
void MenuEditeur::suivreMouvements(long ecoule) {
    const bool nouveau = clavier->estNouvelAppui(1);
    if (clavier->estPause(1) || (nouveau && clavier->estNon(1) && clavier->getDerniereTouche() == SDLK_ESCAPE)) {
        clavier->initJ1();
        panneau = true;
        sons->jouerSon(sons->sonBeep2);
        return;
    }
    if (repetitionPrete(ecoule)) {
        const int dl = clavier->estHaut(1) ? -1 : clavier->estBas(1) ? 1 : 0;
        const int dc = clavier->estGauche(1) ? -1 : clavier->estDroite(1) ? 1 : 0;
        if (dl || dc) {
            deplacerCurseur(dl, dc);
            delai = 0;
        }
    }
    if (clavier->estOk(1)) changer(edition.peindre(curseurL, curseurC, getBloc()));
    else if (clavier->estNon(1)) changer(edition.peindre(curseurL, curseurC, 0));
}

// In the panel: the directions go from entry to entry, confirm runs one (a
// block kind is chosen and the grid comes back), cancel goes back to the grid.
void MenuEditeur::suivrePanneau(long ecoule) {
    const int n = static_cast<int>(palette().size() + commandes().size());
    if (repetitionPrete(ecoule)) {
        const int d = clavier->estHaut(1) || clavier->estGauche(1) ? -1 : clavier->estBas(1) || clavier->estDroite(1) ? 1 : 0;
        if (d) {
            entree = (entree + d + n) % n;
            delai = 0;
            sons->jouerSon(sons->sonBeep);
        }
    }
    if (clavier->estOk(1)) {
        clavier->initJ1();
        activer(entree);
    } else if (clavier->estNon(1) || clavier->estPause(1)) {
        clavier->initJ1();
        panneau = false;
        sons->jouerSon(sons->sonBeep2);
    }
}

void MenuEditeur::activer(int i) {
    sons->jouerSon(sons->sonBeep2);
    const int p = static_cast<int>(palette().size());
    if (i < p) {
        bloc = i;
        panneau = false;
        return;
    }
    const Commande& c = commandes()[static_cast<size_t>(i - p)];
    (this->*c.action)();
}

void MenuEditeur::suivreRaccourcis() {
    const int k = clavier->getDerniereTouche();
    if (k <= 0) return;
    bool pris = true;
    if (k == SDLK_PAGEUP) blocPrecedent();
    else if (k == SDLK_PAGEDOWN) blocSuivant();
    else {
        pris = false;
        for (const Commande& c : commandes())
            if (k == c.touche || k == c.touche2) {
                (this->*c.action)();
                pris = true;
                break;
            }
    }
    // Taken: forgotten, so that the next press of the same key acts again.
    if (pris) clavier->initJ1();
}

void MenuEditeur::suivreSouris() {
    pointeur = Souris::getInstance()->lire();
    int l = -1, c = -1;
    const bool surGrille = vue.celluleSous(pointeur.x, pointeur.y, l, c);
    if (pointeur.bouge && surGrille && edition.dans(l, c)) curseurL = l, curseurC = c;
    if (pointeur.molette && surGrille) vue.zoomer(std::pow(ZOOM_PAS, pointeur.molette), pointeur.x, pointeur.y);
    if ((pointeur.tenus & SDL_BUTTON(SDL_BUTTON_MIDDLE)) && xPrec >= 0) vue.glisser(pointeur.x - xPrec, pointeur.y - yPrec);
    xPrec = pointeur.x, yPrec = pointeur.y;
    if (pointeur.gauche && verification.enCours() && BandeauEditeur::surBarre(pointeur.xClic, pointeur.yClic)) {
        verifier();
        return;
    }
    if (pointeur.gauche && !vue.dans(pointeur.xClic, pointeur.yClic)) {
        const int i = entreeSous(pointeur.xClic, pointeur.yClic);
        if (i >= 0) {
            entree = i;
            activer(i);
        }
        return;
    }
    suivreTrait();
}

// Left paints, right erases: from the cell pressed to the cell released, a
// line, or a rectangle with Shift or Ctrl held; one step of undo.
void MenuEditeur::suivreTrait() {
    const Souris::Lecture& p = pointeur;
    if (!boutonTrait && (p.gauche || p.droit)) {
        const double x = p.gauche ? p.xClic : p.x, y = p.gauche ? p.yClic : p.y;
        if (!vue.celluleSous(x, y, traitL, traitC)) return;
        boutonTrait = p.gauche ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
        traitRectangle = (SDL_GetModState() & (KMOD_SHIFT | KMOD_CTRL)) != 0;
    }
    if (!boutonTrait) return;
    int l = curseurL, c = curseurC;
    vue.celluleSous(p.x, p.y, l, c);
    const int codeTrait = boutonTrait == SDL_BUTTON_LEFT ? getBloc() : 0;
    apercu.clear();
    if (traitRectangle) {
        for (int i = std::min(l, traitL); i <= std::max(l, traitL); ++i)
            for (int j = std::min(c, traitC); j <= std::max(c, traitC) && apercu.size() < 4000000; ++j)
                if (edition.dans(i, j)) apercu.emplace_back(i, j);
    } else {
        apercu.emplace_back(traitL, traitC);
        apercu.emplace_back(l, c);
    }
    if (p.tenus & SDL_BUTTON(boutonTrait)) return;
    changer(traitRectangle ? edition.tracerRectangle(traitL, traitC, l, c, codeTrait)
                           : edition.tracerLigne(traitL, traitC, l, c, codeTrait));
    boutonTrait = 0;
    apercu.clear();
}

void MenuEditeur::blocPrecedent() { bloc = (bloc + static_cast<int>(palette().size()) - 1) % static_cast<int>(palette().size()); }
void MenuEditeur::blocSuivant() { bloc = (bloc + 1) % static_cast<int>(palette().size()); }

void MenuEditeur::annuler() { changer(edition.annuler()); }
void MenuEditeur::refaire() { changer(edition.refaire()); }
void MenuEditeur::zoomPlus() { vue.zoomer(ZOOM_PAS, 0.375, 0.56), vue.montrer(curseurL, curseurC); }
void MenuEditeur::zoomMoins() { vue.zoomer(1 / ZOOM_PAS, 0.375, 0.56), vue.montrer(curseurL, curseurC); }
void MenuEditeur::lignePlusLoin() { changer(edition.ajouterLigne(true)), ++curseurL; }
void MenuEditeur::ligneMoinsLoin() { changer(edition.retirerLigne(true)); }
void MenuEditeur::lignePlusPres() { changer(edition.ajouterLigne(false)); }
void MenuEditeur::ligneMoinsPres() { changer(edition.retirerLigne(false)); }
void MenuEditeur::colonnePlusGauche() { changer(edition.ajouterColonne(true)), ++curseurC; }
void MenuEditeur::colonneMoinsGauche() { changer(edition.retirerColonne(true)); }
void MenuEditeur::colonnePlusDroite() { changer(edition.ajouterColonne(false)); }
void MenuEditeur::colonneMoinsDroite() { changer(edition.retirerColonne(false)); }
void MenuEditeur::tempsPlus() { changer(edition.setTemps(std::min(edition.temps() + TEMPS_PAS, FichierNiveau::TEMPS_MAX))); }
void MenuEditeur::tempsMoins() { changer(edition.setTemps(std::max(edition.temps() - TEMPS_PAS, 1))); }
void MenuEditeur::departIci() { changer(edition.setDepart(curseurL, curseurC)); }
void MenuEditeur::essayer() { code = ESSAYER; }
void MenuEditeur::essayerIci() { code = ESSAYER_ICI; }
// Leaving keeps the changes in the draft; an untouched file (a refused one
// among them) is left as it is.
void MenuEditeur::retour() {
    if (version != versionSauvee) sauver();
    code = RETOUR;
}

// The check command starts a check, or stops the one running.
void MenuEditeur::verifier() {
    if (verification.enCours()) {
        verification.arreter();
        setAvis(LangManager::getInstance()->ligne(LangManager::ED_VERIF_ARRETEE));
        return;
    }
    verification.lancer(edition.niveau());
    versionLancee = version;
    verdictPris = false;
    setAvis(std::string());
}

bool MenuEditeur::sauver() {
    LangManager* lang = LangManager::getInstance();
    const bool ok = !chemin.empty() && edition.enregistrer(chemin);
    if (ok) versionSauvee = version;
    setAvis(lang->ligne(ok ? LangManager::ED_SAUVE : LangManager::ED_ECHEC_SAUVE) +
            std::filesystem::path(chemin).filename().string());
    return ok;
}

void MenuEditeur::brouillon() { sauver(); }
void MenuEditeur::saisirTextes() { saisie.ouvrir(); }

// Only a level the check proved finishable, as it is now, joins the series.
void MenuEditeur::ajouter() {
    LangManager* lang = LangManager::getInstance();
    if (!verdictAJour()) {
        setAvis(lang->ligne(LangManager::ED_A_VERIFIER));
        return;
    }
    if (!dernier.finissable) {
        setAvis(lang->ligne(LangManager::ED_REFUSE_INFAISABLE));
        return;
    }
    std::string fichier, erreur;
    SerieNiveaux::Textes titre = saisie.titre();
    if (titre.parLangue.empty())
        titre.parLangue["en"] = std::filesystem::path(chemin.empty() ? "level" : chemin).stem().string();
    if (!MesNiveaux::ajouter(edition.niveau(), titre, saisie.lecon(), dernier, fichier, erreur)) {
        setAvis(lang->ligne(LangManager::ED_ECHEC_SAUVE) + erreur);
        return;
    }
    setAvis(lang->ligne(LangManager::ED_AJOUTE) + std::filesystem::path(fichier).filename().string());
}

std::string MenuEditeur::ecrireEssai(bool depuisCurseur) {
    FichierNiveau n = edition.niveau();
    if (depuisCurseur) n.departLigne = curseurL, n.departColonne = curseurC;
    // Under the draft's own name, which the match shows.
    std::error_code err;
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path(err) / ("leapgrid-test-play-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier, err);
    if (err) return std::string();
    const std::filesystem::path nom = std::filesystem::path(chemin).filename();
    const std::string essai = (dossier / (nom.empty() ? std::filesystem::path("level.dat") : nom)).string();
    return EditionNiveau(n).enregistrer(essai) ? essai : std::string();
}

int MenuEditeur::entreeSous(double x, double y) const {
    return PanneauEditeur::entreeSous(x, y, static_cast<int>(palette().size()), static_cast<int>(commandes().size()));
}

void MenuEditeur::draw() {
    VueEditeur::Marques m;
    m.curseurLigne = curseurL, m.curseurColonne = curseurC;
    m.apercu = apercu;
    m.codeApercu = boutonTrait == SDL_BUTTON_LEFT ? getBloc() : 0;
    if (verdictAJour()) {
        m.route = &dernier.route;
        m.bloqueLigne = dernier.bloqueLigne, m.bloqueColonne = dernier.bloqueColonne;
    }
    // Framed at the first frame, once the screen's shape is known.
    if (!cadre) vue.mesurerEcran(), vue.cadrer(edition.lignes(), edition.colonnes()), cadre = true;
    vue.dessiner(edition, m);
    std::vector<std::string> libelles;
    LangManager* lang = LangManager::getInstance();
    // While a check runs, its command stops it.
    for (const Commande& c : commandes()) {
        const bool arret = c.action == &MenuEditeur::verifier && verification.enCours();
        libelles.push_back(lang->ligne(arret ? LangManager::ED_ARRETER : c.ligne));
    }
    PanneauEditeur::dessiner(textes, palette(), bloc, libelles, entree, panneau);
    BandeauEditeur::Etat etat{edition, chemin, getBloc(), curseurL, curseurC, getAvis(), panneau,
                              verification.enCours(), verification.avancement(), verdictAJour() ? &dernier : nullptr};
    BandeauEditeur::dessiner(textes, etat);
    saisie.dessiner(textes);
}
