// Defensive reading of the game's files.
#include "settings/FichierLu.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FichierLu::ordinaire(const std::string& chemin) {
    struct stat s;
    return ::stat(chemin.c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

int FichierLu::ouvrir(const std::string& chemin) {
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat s;
    const int drapeaux = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || drapeaux < 0 ||
        ::fcntl(fd, F_SETFL, drapeaux & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool FichierLu::ligne(std::istream& flux, std::string& texte, size_t max) {
    texte.clear();
    std::istream::int_type c = flux.get();
    if (c == std::istream::traits_type::eof()) return false;
    for (; c != std::istream::traits_type::eof() && c != '\n'; c = flux.get())
        if (texte.size() < max) texte += static_cast<char>(c);
    return true;
}

bool FichierLu::lireTout(const std::string& chemin, std::vector<unsigned char>& octets, size_t max) {
    const int fd = lireToutOuvert(chemin, octets, max);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

int FichierLu::lireToutOuvert(const std::string& chemin, std::vector<unsigned char>& octets, size_t max) {
    octets.clear();
    const int fd = ouvrir(chemin);
    if (fd < 0) return -1;
    struct stat s;
    bool ok = ::fstat(fd, &s) == 0 && s.st_size >= 0 && static_cast<unsigned long long>(s.st_size) <= max;
    if (ok) {
        octets.resize(static_cast<size_t>(s.st_size));
        size_t lus = 0;
        while (ok && lus < octets.size()) {
            const ssize_t n = ::read(fd, octets.data() + lus, octets.size() - lus);
            ok = n > 0;
            if (ok) lus += static_cast<size_t>(n);
        }
    }
    ok = ok && ::lseek(fd, 0, SEEK_SET) == 0;
    if (!ok) {
        ::close(fd);
        octets.clear();
        return -1;
    }
    return fd;
}
