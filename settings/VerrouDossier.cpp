// Folder locks for the read-merge-write of the player's files.
#include "settings/VerrouDossier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

VerrouDossier::VerrouDossier(const std::string& fichier) {
    if (fichier.empty()) return;
    const size_t barre = fichier.rfind('/');
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : fichier.substr(0, barre);
    fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Never blocked for good: another program could hold the lock forever.
    const struct timespec pas = {0, 5 * 1000 * 1000};
    for (int attente = 0; attente <= ATTENTE_MAX_MS; attente += 5) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        ::nanosleep(&pas, nullptr);
    }
}

VerrouDossier::~VerrouDossier() {
    if (fd >= 0) ::close(fd);  // closing releases the lock
}
