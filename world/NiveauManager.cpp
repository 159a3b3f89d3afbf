// The level manager and the level file format.
#include "world/NiveauManager.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "render/CTextureManager.h"
#include "render/FondNiveau.h"
#include "settings/CatalogueSeries.h"
#include "settings/OptionsManager.h"
#include "world/BlocCassable.h"
#include "world/Match.h"
#include "world/TypeBloc.h"

NiveauManager* NiveauManager::getInstance() {
    NiveauManager* n = existant();
    if (!n) throw std::logic_error("NiveauManager::getInstance: no match is on, so there is no level");
    return n;
}

NiveauManager* NiveauManager::existant() {
    const Match* m = Match::courant();
    return m ? m->getNiveaux() : nullptr;
}

NiveauManager::NiveauManager()
    : textures(CTextureManager::GetInstance()), numNiveau(1), hauteur(0), largeur(0), temps(0),
      textureFond(0), difficulte(1), finJeu(false), illisible(false), dernierCharge(0) {
    OptionsManager* options = OptionsManager::getInstance();
    const std::string chemin =
        "Images/Fonds/" + options->getPathTextures() + "/" + options->getDossierRatio() + "/fond.tga";
    textureFond = textures->LoadTexture(chemin, false);
    ratioFond = options->getRatioImages();
    compilerFond();
}

void NiveauManager::refaireListes() {
    compilerFond();
    dessin.toutLiberer();
}

void NiveauManager::compilerFond() { FondNiveau::compiler(textureFond); }

NiveauManager::~NiveauManager() { detruireNiveau(); }

std::string NiveauManager::cheminNiveau(int d, int n) {
    return dossierSerie(d) + "/niveau" + std::to_string(n) + ".dat";
}

std::string NiveauManager::dossierSerie(int d) { return CatalogueSeries::dossierDe(d); }

std::string NiveauManager::cheminDansSerieLivree(int d, int n) {
    SerieNiveaux s;
    s.chargerOuNumeros(dossierSerie(d));
    const std::string chemin = s.cheminNiveau(n);
    return chemin.empty() ? cheminNiveau(d, n) : chemin;
}

void NiveauManager::setDifficulte(int d) {
    difficulte = d;
    serie.chargerOuNumeros(dossierSerie(d));
    pars.charger(d);
    serieLue = d;
}

void NiveauManager::setFichier(const std::string& chemin) { fichier = chemin; }

// The file format is FichierNiveau's. Row 0 and column 0 stay empty, so cell
// (c, r) of the file is block (c, r) of the grid.
void NiveauManager::chargerNiveau() {
    if (finDeSerieSeule()) return;
    if (fichier.empty() && serieLue != difficulte) setDifficulte(difficulte);
    const std::string chemin = fichier.empty() ? serie.cheminNiveau(numNiveau)
                                               : (numNiveau == 1 ? fichier : std::string());
    const FichierNiveau lu = FichierNiveau::lire(chemin);
    refus = lu.refus;
    if (!lu.accepte()) {
        finJeu = true;
        struct stat s;
        // Past the series' last level there is no file to name: the one its number would have.
        const bool absent = chemin.empty() || (::lstat(chemin.c_str(), &s) != 0 && errno == ENOENT);
        illisible = !(absent && dernierCharge > 0 && numNiveau > dernierCharge);
        const std::string nom = chemin.empty() ? cheminNiveau(difficulte, numNiveau) : chemin;
        if (illisible) std::fprintf(stderr, "Leapgrid: level %s cannot be read (%s): the match ends\n", nom.c_str(),
                                   refus.c_str());
        return;
    }
    dernierCharge = numNiveau;
    detruireNiveau();
    regles.charger(lu);
    temps = lu.temps;
    hauteur = lu.lignes + 1;
    largeur = lu.colonnes + 1;
    grille.resize(static_cast<size_t>(hauteur) * largeur);
    texturesTypes.clear();
    imagesBlocs.oublier();
    int numero = PREMIER_OBJET;
    for (int r = 1; r < hauteur; ++r) {
        for (int c = 1; c < largeur; ++c, ++numero) {
            const int code = lu.code(r, c);
            if (code == 0) continue;
            grille[static_cast<size_t>(r) * largeur + c].reset(
                creerBloc(static_cast<float>(c), static_cast<float>(r), numero, code));
        }
    }
    dessin.preparer([this](int i) -> BlocDessinable* { return grille[static_cast<size_t>(i)].get(); }, hauteur, largeur);
}

Bloc* NiveauManager::creerBloc(float c, float r, int numero, int code) {
    const TypeBloc* type = TypeBloc::pour(code);
    const unsigned int texture = textureDuType(code);
    if (type && type->cassable) return new BlocCassable(c, -0.6f, r, numero, code, texture);
    return new Bloc(c, -0.6f, r, numero, code, texture);
}

unsigned int NiveauManager::textureDuType(int code) {
    auto connu = texturesTypes.find(code);
    if (connu != texturesTypes.end()) return connu->second;
    // A type without an image of its own gets the fallback texture.
    const auto dossier = [] { return "Images/Bloc/" + OptionsManager::getInstance()->getPathTextures(); };
    // A code with no meaning and no image costs what a plain block costs: no
    // file tried, nothing remembered (a level may hold a million such codes).
    if (!TypeBloc::pour(code)) {
        if (!imagesBlocs.estListe()) imagesBlocs.lister(dossier());
        if (!imagesBlocs.possede(code)) return textures->GetTexture(CTextureManager::DEFAUT);
    }
    const std::string chemin = dossier() + "/" + std::to_string(code) + ".tga";
    const unsigned int texture = textures->LoadTexture(chemin, false);
    texturesTypes[code] = texture;
    return texture;
}

void NiveauManager::detruireNiveau() {
    dessin.vider();
    suivis.clear();
    grille.clear();
    grille.shrink_to_fit();
    regles.vider();
    hauteur = 0;
    largeur = 0;
}

void NiveauManager::niveauSuivant() { ++numNiveau; }

void NiveauManager::jouerSeul(int numero) {
    dernierNiveau = numero > 0 ? numero : 0;
    numNiveau = numero > 0 ? numero : 1;
}

bool NiveauManager::finDeSerieSeule() {
    if (dernierNiveau <= 0 || numNiveau <= dernierNiveau) return false;
    finJeu = true;
    illisible = false;
    refus = "the one level played is over";
    return true;
}

// Cell centres are the integers; truncation toward zero puts a point exactly
// halfway into the higher cell and anything in (-1, 0) into cell 0.
std::unique_ptr<Bloc>* NiveauManager::cellule(float x, float z) {
    const float cx = x + 0.5f, cz = z + 0.5f;
    if (grille.empty()) return nullptr;  // no level loaded
    if (!(cx > -1.0f && cx < largeur && cz > -1.0f && cz < hauteur)) return nullptr;
    const int colonne = static_cast<int>(cx), ligne = static_cast<int>(cz);
    return &grille[static_cast<size_t>(ligne) * largeur + colonne];
}

// A block can only change through a pointer handed out here: a tile handed
// out is refreshed from then on, and the others never need it.
Bloc* NiveauManager::getBloc(float x, float z) {
    std::unique_ptr<Bloc>* c = cellule(x, z);
    if (!c || !*c) return nullptr;
    if ((*c)->estVariable()) suivis.insert(static_cast<int>(c - grille.data()));
    return c->get();
}

int NiveauManager::getType(float x, float z) { return regles.getType(x, z); }

bool NiveauManager::collision(float x, float z) { return regles.collision(x, z); }

void NiveauManager::utiliser(float x, float z) { remplacer(x, z, TypeBloc::UTILISE); }

// The new block takes the old one's place and number; the square that shows
// it is compiled again at its next draw.
void NiveauManager::remplacer(float x, float z, int type) {
    std::unique_ptr<Bloc>* c = cellule(x, z);
    if (!c || !*c) return;
    regles.remplacer(static_cast<int>(c - grille.data()), type);
    Bloc* ancien = c->get();
    c->reset(creerBloc(ancien->getX(), ancien->getZ(), ancien->getNumeroObjet(), type));
    const int indice = static_cast<int>(c - grille.data());
    if (!(*c)->estVariable()) suivis.erase(indice);
    dessin.modifier(indice / largeur, indice % largeur);
}

void NiveauManager::setSolide(float x, float z, bool solide) {
    const int i = regles.indice(x, z);
    if (i >= 0 && regles.code(i)) regles.setSolide(i, solide);
}

void NiveauManager::casser(float x, float z) {
    const int i = regles.indice(x, z);
    if (i < 0 || !regles.code(i)) return;
    regles.setSolide(i, false);
    if (Bloc* b = getBloc(x, z)) b->setSolid(false);
}

// The grid already changed: only the blocks that show it follow.
void NiveauManager::appliquer(const Evenement& e) {
    const float x = static_cast<float>(e.colonne), z = static_cast<float>(e.ligne);
    if (e.type == Evenement::BLOC_CASSE) {
        if (Bloc* b = getBloc(x, z)) b->setSolid(false);
    } else if (e.type == Evenement::BLOC_REMPLACE) {
        remplacer(x, z, e.code);
    }
}

bool NiveauManager::getFinJeu() { return finJeu; }
int NiveauManager::getTemps() { return temps; }
int NiveauManager::getLargeur() { return largeur; }
int NiveauManager::getHauteur() const { return hauteur; }
int NiveauManager::getNumNiveau() const { return numNiveau; }
int NiveauManager::getNumDifficulte() const { return difficulte; }

// Only tiles change with time, and only once broken: a plain block's or an
// untouched tile's refresh does nothing. Cells in row order.
void NiveauManager::refresh(long ecoule) {
    for (int cellule : suivis)
        if (Bloc* b = grille[static_cast<size_t>(cellule)].get()) b->refresh(ecoule);
}

void NiveauManager::draw() { dessin.draw(); }

void NiveauManager::drawFond() { FondNiveau::dessiner(); }

void NiveauManager::drawFondDerriere() { FondNiveau::dessinerDerriere(); }
