// The fuzz targets' sandbox: a private working folder where each input is written as the file a reader expects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bac {

// Makes a fresh temporary folder (with Data/, Data/Lang/ and Niveaux/1/) the
// working directory, once per process.
void entrer();
// Writes the input as chemin, relative to the sandbox, replacing what was there.
void ecrire(const std::string& chemin, const uint8_t* octets, size_t taille);

}  // namespace bac
