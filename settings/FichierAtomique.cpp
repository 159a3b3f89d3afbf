// Whole-or-nothing file writing: temporary file, checked writes, rename.
#include "settings/FichierAtomique.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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

}  // namespace

bool FichierAtomique::ecrire(const std::string& chemin, const std::string& contenu) {
    const std::string temporaire = chemin + ".tmp";
    int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    // fsync before rename: after a crash the file holds the old or the new
    // contents, never an empty one.
    bool ok = ecrireTout(fd, contenu) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temporaire.c_str(), chemin.c_str()) == 0;
    if (!ok) ::unlink(temporaire.c_str());
    return ok;
}
