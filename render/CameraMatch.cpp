// The match's eye: where it stands, how it eases, what it keeps in the picture.
#include "render/CameraMatch.h"

#include <cmath>

namespace {

// Per camera view: how high over the target the eye stands and how far behind it.
struct Pose {
    float dessus, derriere;
};
const Pose POSES[CameraMatch::NB_HAUTEURS] = {{1.3f, 3.0f}, {2.3f, 3.3f}, {3.5f, 2.8f}};

const float SUIVI_MS = 140;       // the easing's time constant
const float PART_HAUTEUR = 0.4f;  // of the player's height the target follows
const float DEMI_JOUEUR = 0.3f;   // the model's reach above and below its centre
const float PAS_RECUL = 1.06f;
const float MARGE_LOIN = 0.95f;   // framed points stay this far inside the far plane

float longueur(const Point3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
Point3 moins(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 mix(const Point3& a, const Point3& b, float k) {
    return {a.x + (b.x - a.x) * k, a.y + (b.y - a.y) * k, a.z + (b.z - a.z) * k};
}
float scalaire(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point3 normer(const Point3& v) {
    const float l = longueur(v);
    return l > 0 ? Point3{v.x / l, v.y / l, v.z / l} : Point3{0, 0, -1};
}

}  // namespace

void CameraMatch::setHauteur(int h) { hauteur = h >= 0 && h < NB_HAUTEURS ? h : NORMALE; }

namespace {
// A pose between two views (p from 0 to NB_HAUTEURS - 1).
Pose interpolee(float p) {
    const int i = p <= 0 ? 0 : (p >= CameraMatch::NB_HAUTEURS - 1 ? CameraMatch::NB_HAUTEURS - 2 : static_cast<int>(p));
    const float k = p - i;
    return {POSES[i].dessus + (POSES[i + 1].dessus - POSES[i].dessus) * k,
            POSES[i].derriere + (POSES[i + 1].derriere - POSES[i].derriere) * k};
}
float distanceBase(float pose) {
    const Pose p = interpolee(pose);
    return std::sqrt(p.dessus * p.dessus + p.derriere * p.derriere);
}
}  // namespace

Point3 CameraMatch::oeilPour(const Point3& c, float d) const {
    const Pose p = interpolee(pose);
    const float base = std::sqrt(p.dessus * p.dessus + p.derriere * p.derriere);
    return {c.x, c.y + p.dessus * d / base, c.z + p.derriere * d / base};
}

void CameraMatch::placer(const Point3& point) {
    centre = point;
    pose = static_cast<float>(hauteur);
    distance = distanceBase(pose);
    leve = 0;
}

void CameraMatch::suivre(const Point3& joueur, const Point3& arrivee, long ecoule) {
    const float haut = joueur.y > 0 ? joueur.y : 0;
    Point3 vise = mix(joueur, arrivee, 0.5f);
    vise.y = PART_HAUTEUR * haut;
    if (distance <= 0) {
        placer(vise);
    } else {
        const float k = 1 - std::exp(-static_cast<float>(ecoule > 0 ? ecoule : 0) / SUIVI_MS);
        centre = mix(centre, vise, k);
        pose += (hauteur - pose) * k;
        distance += (distanceBase(pose) - distance) * k;
    }
    leve = 0;
    const Point3 points[] = {{joueur.x, joueur.y + DEMI_JOUEUR, joueur.z},
                             {joueur.x, joueur.y - DEMI_JOUEUR, joueur.z}, arrivee};
    // When no distance within the far plane frames them all, the target
    // catches up with its aim at once, then the eye comes down toward the
    // nearer view (a high eye needs more depth for the same stretch of ground).
    const Point3 depart = centre;
    for (float p = pose;; p -= 0.5f) {
        pose = p > 0 ? p : 0;
        centre = depart;
        for (int essai = 0; essai < 3; ++essai) {
            const float d = recul(centre, distance, points, 3);
            if (d > 0) {
                distance = d;
                return;
            }
            centre = mix(centre, vise, 0.5f * (essai + 1));
        }
        if (pose <= 0) break;
    }
    // Failing all that, the player alone, who matters more than where it lands.
    const Point3 surJoueur{joueur.x, PART_HAUTEUR * haut, joueur.z};
    for (int essai = 0; essai < 4; ++essai) {
        const float d = recul(centre, distance, points, 2);
        if (d > 0) {
            distance = d;
            return;
        }
        centre = mix(centre, surJoueur, 0.5f);
    }
}

float CameraMatch::recul(const Point3& c, float d, const Point3* points, int n) const {
    float portee = 0;
    for (int i = 0; i < n; ++i) {
        const float l = longueur(moins(points[i], c));
        if (l > portee) portee = l;
    }
    const float dMax = champ.loin * MARGE_LOIN - portee;
    CameraMatch essai = *this;
    essai.centre = c;
    essai.leve = 0;
    essai.elevation = 0;
    for (essai.distance = d; essai.distance <= dMax; essai.distance *= PAS_RECUL) {
        bool tous = true;
        for (int i = 0; i < n && tous; ++i) tous = essai.cadre(points[i]);
        if (tous) return essai.distance;
    }
    return -1;
}

void CameraMatch::eviter(const Point3& m) {
    const Point3 o = oeil();
    const float h2 = (o.x - m.x) * (o.x - m.x) + (o.z - m.z) * (o.z - m.z);
    if (h2 >= RAYON_MODELE * RAYON_MODELE) return;
    const float dessus = m.y + std::sqrt(RAYON_MODELE * RAYON_MODELE - h2);
    if (o.y < dessus) leve += dessus - o.y;
}

Point3 CameraMatch::oeil() const {
    Point3 o = oeilPour(centre, distance);
    o.y += leve + elevation;
    return o;
}

Point3 CameraMatch::cible() const { return {centre.x, centre.y + elevation, centre.z}; }

bool CameraMatch::projeter(const Point3& p, float& nx, float& ny) const {
    const Point3 e = oeil();
    const Point3 f = normer(moins(cible(), e));
    const Point3 s = normer({-f.z, 0, f.x});  // f x up, up = (0, 1, 0)
    const Point3 u{s.y * f.z - s.z * f.y, s.z * f.x - s.x * f.z, s.x * f.y - s.y * f.x};
    const Point3 v = moins(p, e);
    const float profondeur = scalaire(v, f);
    if (profondeur < champ.proche || profondeur > champ.loin) return false;
    nx = scalaire(v, s) * champ.proche / profondeur / champ.demiLargeur;
    ny = scalaire(v, u) * champ.proche / profondeur / champ.demiHauteur;
    return true;
}

bool CameraMatch::cadre(const Point3& p) const {
    float nx = 0, ny = 0;
    return projeter(p, nx, ny) && nx >= GAUCHE && nx <= DROITE && ny >= BAS && ny <= HAUT;
}
