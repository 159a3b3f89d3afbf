// The level list.
#include "menus/MenuNiveaux.h"

#include <SDL/SDL_opengl.h>

#include <algorithm>

#include "menus/AffichageRecords.h"
#include "render/CTextureManager.h"
#include "render/TextesManager.h"
#include "settings/CatalogueSeries.h"
#include "settings/ClavierManager.h"
#include "settings/FichierLu.h"
#include "settings/LangManager.h"
#include "settings/ObjectifsNiveau.h"
#include "settings/OptionsManager.h"
#include "settings/SonsManager.h"
#include "world/NiveauManager.h"

MenuNiveaux::MenuNiveaux(int difficulte, int niveau) : Menu(0, 0, 1, 1) {
    nom = "MenuNiveaux";
    texture = CTextureManager::GetInstance()->LoadTexture(cheminFond("menuScores.tga"), false);
    delai = 0;
    // Read again at each visit: a level the editor has just added shows.
    CatalogueSeries& catalogue = CatalogueSeries::courant();
    catalogue.lireDuJoueur();
    LangManager* lang = LangManager::getInstance();
    std::vector<std::string> onglets = {lang->ligne(LangManager::FACILE), lang->ligne(LangManager::DIFFICILE)};
    selection = difficulte == 2 ? 2 : 1;
    for (const CatalogueSeries::Entree& e : catalogue.entrees()) {
        series.push_back(e.numero);
        if (e.numero == difficulte) selection = static_cast<int>(series.size());
        if (!e.livree()) onglets.push_back(ObjectifsNiveau::nomSerie(e.nom));
    }
    onglets.push_back(lang->ligne(LangManager::RETOUR));
    creerItems(onglets);
    charger();
    const auto trouve = std::find(liste.begin(), liste.end(), niveau);
    if (trouve != liste.end()) ligne = static_cast<int>(trouve - liste.begin());
}

void MenuNiveaux::charger() {
    const int d = getDifficulte();
    difficulteChargee = d;
    records = RecordsNiveaux(d);
    records.charger();
    pars.charger(d);
    liste.clear();
    serie.chargerOuNumeros(NiveauManager::dossierSerie(d));
    for (int n = 1; n <= serie.nombre() && FichierLu::ordinaire(serie.cheminNiveau(n)); ++n)
        if (records.atteint(n)) liste.push_back(n);
    ligne = 0;
}

int MenuNiveaux::getNiveau() const {
    return ligne >= 0 && ligne < static_cast<int>(liste.size()) ? liste[static_cast<size_t>(ligne)] : 0;
}

// Left and right along the bar, as every menu; up and down along the list.
// Confirm on a difficulty plays its chosen level; on back, or cancel, leaves.
void MenuNiveaux::refresh(long ecoule) {
    deplacerLigne(ecoule);
    deplacerSelection(ecoule);
    if (surSerie() && getDifficulte() != difficulteChargee) charger();
    if (bouton(&ClavierManager::estOk)) {
        oublierBoutons();
        code = surSerie() && getNiveau() > 0 ? JOUER : RETOUR;
        sons->jouerSon(sons->sonBeep2);
    }
    if (bouton(&ClavierManager::estNon)) {
        oublierBoutons();
        code = RETOUR;
        sons->jouerSon(sons->sonBeep2);
    }
    if (code == 0) suivreSourisListe();
}

void MenuNiveaux::suivreSourisListe() {
    const Clic clic = suivreSouris();
    if (surSerie() && getDifficulte() != difficulteChargee) charger();
    if (clic == CLIC_RETOUR || (clic == CLIC_VALIDER && !surSerie())) {
        code = RETOUR;
        sons->jouerSon(sons->sonBeep2);
        return;
    }
    if (!surSerie() || liste.empty()) return;
    const int sous = ligneSous(pointeur.x, pointeur.y);
    int choisie = ligne;
    if (pointeur.bouge && sous >= 0) choisie = sous;
    if (pointeur.molette != 0) {
        const int n = static_cast<int>(liste.size());
        choisie = std::clamp(ligne - pointeur.molette, 0, n - 1);  // the wheel up goes up the list
    }
    if (choisie != ligne) {
        ligne = choisie;
        sons->jouerSon(sons->sonBeep);
    }
    const int clique = pointeur.gauche ? ligneSous(pointeur.xClic, pointeur.yClic) : -1;
    if (clique >= 0) {
        ligne = clique;
        code = JOUER;
        sons->jouerSon(sons->sonBeep2);
    }
}

int MenuNiveaux::premiereVisible() const {
    const int n = static_cast<int>(liste.size());
    return std::max(0, std::min(ligne - LIGNES_VISIBLES / 2, n - LIGNES_VISIBLES));
}

double MenuNiveaux::yVisible(int k) { return 0.76 - 0.037 * k; }

int MenuNiveaux::ligneSous(double x, double y) const {
    if (!surSerie() || x < 0.06 || x > 0.94) return -1;
    const int premier = premiereVisible(), n = static_cast<int>(liste.size());
    for (int i = premier; i < n && i < premier + LIGNES_VISIBLES; ++i) {
        const double bas = yVisible(i - premier) - 0.01;
        if (y >= bas && y < bas + 0.037) return i;
    }
    return -1;
}

// Up and down keep a repeat timer of their own, so the bar's does not run twice.
void MenuNiveaux::deplacerLigne(long ecoule) {
    const bool haut = bouton(&ClavierManager::estHaut), bas = bouton(&ClavierManager::estBas);
    if (!(haut || bas)) {
        delaiLigne = DELAI_REPETITION;
        return;
    }
    // A fresh press acts at once, whatever the timer says.
    if (delaiLigne < DELAI_REPETITION && !bouton(&ClavierManager::estNouvelAppui)) {
        delaiLigne += ecoule;
        return;
    }
    if (!surSerie() || liste.empty()) return;
    const int n = static_cast<int>(liste.size());
    ligne = (ligne + (haut ? n - 1 : 1)) % n;
    delaiLigne = 0;
    sons->jouerSon(sons->sonBeep);
}

int MenuNiveaux::getCode() { return code; }

void MenuNiveaux::reset() {
    code = 0;
}

std::string MenuNiveaux::nomLigne(int i) const {
    const int n = liste[static_cast<size_t>(i)];
    const std::string titre = ObjectifsNiveau::titre(serie, n);
    if (titre.empty()) return LangManager::getInstance()->ligne(LangManager::NIVEAU) + " " + std::to_string(n);
    return std::to_string(n) + ". " + titre;
}

// A row: its name, its best time, its medal; the chosen row in the
// highlight font.
void MenuNiveaux::dessinerLigne(int i, double y, double largeurNom) {
    LangManager* lang = LangManager::getInstance();
    const int n = liste[static_cast<size_t>(i)];
    const int police = i == ligne ? 2 : 1;
    const double dx = options->isWide() ? 0 : 0.04, l = 0.045, h = 0.045;
    textes->draw(nomLigne(i).c_str(), police, dx + 0.1, y, largeurNom, h, 0.5, 1);
    const int meilleur = records.meilleur(n);
    if (meilleur <= 0) {
        const std::string sans = lang->ligne(LangManager::LIGNE_SANS_TEMPS);
        textes->draw(sans.c_str(), police, dx + 0.62, y, textes->largeurPour(sans.c_str(), l * 0.8, 0.18, 0.5), h, 0.5, 2);
        return;
    }
    textes->draw(AffichageRecords::temps(meilleur).c_str(), police, dx + 0.62, y, l, h, 0.5, 2);
    const Medaille m = pars.medaille(n, meilleur);
    AffichageRecords::couleur(m);
    textes->draw(AffichageRecords::nom(m).c_str(), police, dx + 0.68, y, l, h, 0.5, 1);
    glColor4f(1, 1, 1, 1);
}

void MenuNiveaux::dessinerObjectifs() {
    const int n = getNiveau();
    for (const auto& [texte, y] : {std::make_pair(ObjectifsNiveau::lecon(serie, n), 0.415),
                                   std::make_pair(ObjectifsNiveau::cibles(pars.par(n)), 0.372)}) {
        if (texte.empty()) continue;
        textes->draw(texte.c_str(), 1, 0.5, y, textes->largeurPour(texte.c_str(), 0.036, 0.86, 0.5), 0.038, 0.5, 3);
    }
}

void MenuNiveaux::draw() {
    Menu::draw();
    const std::string titre = LangManager::getInstance()->ligne(LangManager::LIGNE_CHOISIR_NIVEAU);
    textes->draw(titre.c_str(), 3, 0.5, 0.86, textes->largeurPour(titre.c_str(), 0.06, 0.9, 0.5), 0.07, 0.5, 3);
    if (surSerie()) {
        // A window of rows that keeps the chosen one in sight; every name in
        // it at one width, the longest fitting before the times.
        const int n = static_cast<int>(liste.size()), premier = premiereVisible();
        const int dernier = std::min(n, premier + LIGNES_VISIBLES);
        double largeurNom = 0.045;
        for (int i = premier; i < dernier; ++i)
            largeurNom = std::min(largeurNom, textes->largeurPour(nomLigne(i).c_str(), 0.045, 0.32, 0.5));
        for (int i = premier; i < dernier; ++i) dessinerLigne(i, yVisible(i - premier), largeurNom);
        dessinerObjectifs();
    }
    ombrerItems();
}
