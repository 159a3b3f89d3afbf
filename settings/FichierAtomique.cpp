// Whole-or-nothing file writing: unique temporary file, checked writes, rename.
#include "settings/FichierAtomique.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <dirent.h>
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
    if (chemin.empty()) return false;  // nowhere to write (the player's files kept in memory)
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

namespace {

// mkstemp's six characters, letters and digits, after the temporary suffix at the end of nom.
bool finDeReste(const std::string& nom) {
    const size_t n = std::strlen(FichierAtomique::SUFFIXE_TEMPORAIRE) + 6;
    if (nom.size() <= n || nom.compare(nom.size() - n, n - 6, FichierAtomique::SUFFIXE_TEMPORAIRE) != 0) return false;
    for (size_t i = nom.size() - 6; i < nom.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(nom[i]))) return false;
    return true;
}

// The leftovers among a folder's names that garder picks: only regular files
// of this user, untouched for AGE_RESTE seconds (a save of another running
// copy is younger), looked at through the folder, never through a link.
int retirerRestes(const std::string& dossier, const std::function<bool(const std::string&)>& garder) {
    DIR* d = ::opendir(dossier.c_str());
    if (!d) return 0;
    const time_t limite = std::time(nullptr) - FichierAtomique::AGE_RESTE;
    int retires = 0;
    while (const dirent* e = ::readdir(d)) {
        if (!finDeReste(e->d_name) || !garder(e->d_name)) continue;
        struct stat s;
        if (::fstatat(::dirfd(d), e->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(s.st_mode) ||
            s.st_uid != ::geteuid() || s.st_mtime > limite)
            continue;
        if (::unlinkat(::dirfd(d), e->d_name, 0) == 0) ++retires;
    }
    ::closedir(d);
    return retires;
}

}  // namespace

int FichierAtomique::nettoyerRestes(const std::string& chemin) {
    if (chemin.empty()) return 0;
    const size_t barre = chemin.rfind('/');
    const std::string dossier = barre == std::string::npos ? "." : chemin.substr(0, barre + 1);
    const std::string prefixe = (barre == std::string::npos ? chemin : chemin.substr(barre + 1)) + SUFFIXE_TEMPORAIRE;
    return retirerRestes(dossier, [&](const std::string& nom) {
        return nom.size() == prefixe.size() + 6 && nom.compare(0, prefixe.size(), prefixe) == 0;
    });
}

int FichierAtomique::nettoyerDossier(const std::string& dossier) {
    return dossier.empty() ? 0 : retirerRestes(dossier, [](const std::string&) { return true; });
}
