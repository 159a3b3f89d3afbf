// Hand-built TGA bytes for the reader's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Octets = std::vector<uint8_t>;

struct EnteteTGA {
    int type = 2;
    int profondeur = 24;
    int largeur = 1;
    int hauteur = 1;
    int longueurId = 0;
    int typeCarte = 0;
    int longueurCarte = 0;
    int tailleEntreeCarte = 0;
    int descripteur = 0;
};

// The 18-byte header, then the ID field (filled with 'I'), then suite.
Octets fabriquerTGA(const EnteteTGA& e, const Octets& suite);
void ecrireOctets(const std::string& chemin, const Octets& octets);
Octets lireOctets(const std::string& chemin);
