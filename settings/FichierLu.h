// Reading the game's own files defensively: only regular files, and bounded lines.
#pragma once

#include <istream>
#include <string>
#include <vector>

class FichierLu {
public:
    // True for a regular file. Anything else (a FIFO, a device, a folder) is
    // left unopened: reading it could block or never end.
    static bool ordinaire(const std::string& chemin);
    // Opens a file to read it, once: without blocking (a FIFO is never waited
    // on), then checked on the open descriptor, so nothing swapped in between
    // a check and the open gets through. A regular file's descriptor (blocking
    // again), or -1. The caller closes it.
    static int ouvrir(const std::string& chemin);
    // One line without its line end, keeping at most max bytes; the rest of a
    // longer line is skipped. False at the end of the stream.
    static bool ligne(std::istream& flux, std::string& texte, size_t max);
    // The whole of a regular file of at most max bytes into octets. Opened
    // without blocking and checked on the open file itself, so a FIFO put in
    // its place is never waited on. False (octets empty) otherwise.
    static bool lireTout(const std::string& chemin, std::vector<unsigned char>& octets, size_t max);
    // The same from a file kept open: its descriptor (positioned at its start
    // again) once read and checked, or -1. The caller closes it.
    static int lireToutOuvert(const std::string& chemin, std::vector<unsigned char>& octets, size_t max);
};
