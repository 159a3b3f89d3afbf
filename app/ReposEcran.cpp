// Still screens.
#include "app/ReposEcran.h"

bool ReposEcran::aDessiner(const Etat& etat, long ecoule) {
    const bool change = premiere || !etat.peutReposer || etat.entree || etat.empreinte != empreinte;
    premiere = false;
    empreinte = etat.empreinte;
    if (change) {
        calmeMs = 0;
        return true;
    }
    if (calmeMs <= SUITE_MS) calmeMs += ecoule > 0 ? ecoule : 0;
    return calmeMs <= SUITE_MS;
}
