// The reversible scrambling of the times in the score files.
#pragma once

#include <string>

class CryptageManager {
public:
    static CryptageManager* getInstance();
    static void kill();

    void crypt(std::string& chaine);
    void deCrypt(std::string& chaine);

private:
    CryptageManager() = default;
    // Exchanges byte i with byte n - 1 - i for i up to n / 2 inclusive: one
    // more exchange than a reversal, which is its own inverse.
    static void echanger(std::string& chaine);
    static CryptageManager* cryptM;
};
