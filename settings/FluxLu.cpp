// Input streams on checked, once-opened files.
#include "settings/FluxLu.h"

#include <unistd.h>

#include "settings/FichierLu.h"

FluxLu::FluxLu(const std::string& chemin) : std::istream(nullptr) {
    const int fd = FichierLu::ouvrir(chemin);
    if (fd >= 0) {
        tampon = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(fd, std::ios::in);
        if (!tampon->is_open()) {
            tampon.reset();
            ::close(fd);
        }
    }
    if (tampon)
        rdbuf(tampon.get());
    else
        setstate(std::ios::failbit);
}
