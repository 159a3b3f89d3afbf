// Reading the game's own files defensively: only regular files, and bounded lines.
#pragma once

#include <istream>
#include <string>

class FichierLu {
public:
    // True for a regular file. Anything else (a FIFO, a device, a folder) is
    // left unopened: reading it could block or never end.
    static bool ordinaire(const std::string& chemin);
    // One line without its line end, keeping at most max bytes; the rest of a
    // longer line is skipped. False at the end of the stream.
    static bool ligne(std::istream& flux, std::string& texte, size_t max);
};
