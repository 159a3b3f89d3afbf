// The match's eye: frames a player with the cell its flight lands on, clear of the HUD, eases between
// framings, and keeps out of every player model.
#pragma once

struct Point3 {
    float x, y, z;
};

class CameraMatch {
public:
    // The settings' camera view: how high and how far behind the eye stands.
    enum Hauteur { PROCHE = 0, NORMALE = 1, HAUTE = 2 };
    static constexpr int NB_HAUTEURS = 3;

    // The part of the picture, in normalized device coordinates, that framed
    // points keep to: the top band holds the HUD's clocks and lives, the right
    // edge its progress bar.
    static constexpr float GAUCHE = -0.88f, DROITE = 0.82f, BAS = -0.82f, HAUT = 0.68f;
    // The eye stays this far from a model's centre: the near plane plus a model's reach.
    static constexpr float RAYON_MODELE = 2.2f;

    // The view volume, as glFrustum takes it: half extents at the near plane.
    struct Champ {
        float demiLargeur, demiHauteur, proche, loin;
    };

    void setHauteur(int hauteur);
    int getHauteur() const { return hauteur; }
    void setChamp(const Champ& c) { champ = c; }

    // Frames the point at once, without easing (the intro's travel).
    void placer(const Point3& point);
    // Eases, ecoule ms on, toward the framing of joueur (the player's centre)
    // and arrivee (the top of the cell the flight lands on); both end inside
    // the framed part of the picture whatever the easing.
    void suivre(const Point3& joueur, const Point3& arrivee, long ecoule);
    // Lifts the eye out of the model's radius (another player, or the one
    // followed during the intro).
    void eviter(const Point3& modele);
    // Raises eye and target alike (the level end's rise).
    void setElevation(float e) { elevation = e; }

    Point3 oeil() const;
    Point3 cible() const;
    // Where p falls in the picture, in normalized device coordinates; false
    // when it lies outside the depth range.
    bool projeter(const Point3& p, float& nx, float& ny) const;
    // p within the framed part of the picture.
    bool cadre(const Point3& p) const;

private:
    Point3 oeilPour(const Point3& c, float d) const;
    // The smallest distance, from d up, that frames every point.
    float recul(const Point3& c, float d, const Point3* points, int n) const;

    int hauteur = NORMALE;
    float pose = NORMALE;    // the view the eye stands at now, between two when it moves
    Champ champ{4.0f / 3, 1, 1.5f, 10};
    Point3 centre{0, 0, 0};  // the point looked at
    float distance = 0;      // from the eye to centre
    float leve = 0;          // how far eviter raised the eye
    float elevation = 0;
};
