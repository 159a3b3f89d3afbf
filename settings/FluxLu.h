// An input stream on one of the game's files, opened once and checked on the open file itself.
#pragma once

#include <ext/stdio_filebuf.h>

#include <istream>
#include <memory>
#include <string>

class FluxLu : public std::istream {
public:
    // Opens chemin as FichierLu::ouvrir does: anything but a regular file (a
    // FIFO, a device, a folder, even one swapped in at the last moment) leaves
    // the stream failed, as an ifstream that could not open it.
    explicit FluxLu(const std::string& chemin);
    bool ouvert() const { return tampon != nullptr; }

private:
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> tampon;  // closes the file
};
