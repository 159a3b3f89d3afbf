// Whole-or-nothing file writing: unique temporary file, checked writes, rename.
#include "settings/FichierAtomique.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

const char* const FichierAtomique::SUFFIXE_TEMPORAIRE = ".tmp.";

namespace {

bool ecrireTout(int fd, const std::string& contenu) {
    const char* p = contenu.data();
    size_t reste = contenu.size();
    while (reste > 0) {
        ssize_t n = ::write(fd, p, reste);
        if (n <= 0) return false;
        p += n;
        reste -= static_cast<size_t>(n);
    }
    return true;
}

// The permissions a plain open(..., 0644) would give: mkstemp makes 0600.
mode_t droitsOrdinaires() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0644 & ~masque;
}

}  // namespace

bool FichierAtomique::ecrire(const std::string& chemin, const std::string& contenu) {
    const std::string modele = chemin + SUFFIXE_TEMPORAIRE + "XXXXXX";
    std::vector<char> temporaire(modele.begin(), modele.end());
    temporaire.push_back('\0');
    // mkstemp creates with O_EXCL: a name already taken (a FIFO, a link, the
    // file of another copy of the game) is never opened, a new one is drawn.
    int fd = ::mkostemp(temporaire.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // fsync before rename: after a crash the file holds the old or the new
    // contents, never an empty one.
    bool ok = ::fchmod(fd, droitsOrdinaires()) == 0 && ecrireTout(fd, contenu) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temporaire.data(), chemin.c_str()) == 0;
    if (!ok) ::unlink(temporaire.data());
    return ok;
}
