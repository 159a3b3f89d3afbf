// The scrambling of score times.
#include "menus/CryptageManager.h"

#include <utility>

CryptageManager* CryptageManager::cryptM = nullptr;

CryptageManager* CryptageManager::getInstance() {
    if (!cryptM) cryptM = new CryptageManager();
    return cryptM;
}

void CryptageManager::kill() {
    delete cryptM;
    cryptM = nullptr;
}

void CryptageManager::echanger(std::string& c) {
    const size_t n = c.size();
    if (n == 0) return;
    for (size_t i = 0; i < n / 2 + 1; ++i) std::swap(c[i], c[n - 1 - i]);
}

void CryptageManager::crypt(std::string& c) {
    for (size_t i = 0; i < c.size(); ++i) c[i] = static_cast<char>(static_cast<unsigned char>(c[i]) + 3 * i + 3);
    echanger(c);
}

void CryptageManager::deCrypt(std::string& c) {
    echanger(c);
    for (size_t i = 0; i < c.size(); ++i) c[i] = static_cast<char>(static_cast<unsigned char>(c[i]) - 3 * i - 3);
}
