// Runs the real game executable as a child process.
#include "tests/support/ProcessusJeu.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string contenu(const std::string& chemin) {
    std::ifstream flux(chemin);
    std::ostringstream texte;
    texte << flux.rdbuf();
    return texte.str();
}

}  // namespace

ProcessusJeu::ProcessusJeu(const std::string& exe, const std::string& cwd,
                           const std::map<std::string, std::string>& variables) {
    fichierErreurs = cwd + "/stderr.txt";
    fichierSortie = cwd + "/stdout.txt";
    pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0) ::_exit(120);
        for (const auto& [nom, valeur] : variables) {
            if (valeur.empty())
                ::unsetenv(nom.c_str());
            else
                ::setenv(nom.c_str(), valeur.c_str(), 1);
        }
        int err = ::open(fichierErreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int out = ::open(fichierSortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(err, 2);
        ::dup2(out, 1);
        ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        ::_exit(121);
    }
}

ProcessusJeu::~ProcessusJeu() {
    if (pid > 0 && !fini) {
        ::kill(pid, SIGKILL);
        attendre(5000);
    }
}

bool ProcessusJeu::attendre(int delaiMs) {
    for (int t = 0; !fini && t <= delaiMs; t += 10) {
        int etat = 0;
        if (::waitpid(pid, &etat, WNOHANG) == pid) {
            fini = true;
            statutFin = WIFEXITED(etat) ? WEXITSTATUS(etat) : -WTERMSIG(etat);
            break;
        }
        ::usleep(10000);
    }
    return fini;
}

void ProcessusJeu::signaler(int signal) {
    if (pid > 0 && !fini) ::kill(pid, signal);
}

bool ProcessusJeu::enCours() { return !attendre(0); }

std::string ProcessusJeu::erreurs() const { return contenu(fichierErreurs); }
std::string ProcessusJeu::sortie() const { return contenu(fichierSortie); }

std::string tailleFenetre(const std::string& titre) {
    return tailleSelonXwininfo("-name '" + titre + "'");
}

std::string tailleBureau() { return tailleSelonXwininfo("-root"); }

std::string tailleSelonXwininfo(const std::string& quelle) {
    std::string commande = "xwininfo " + quelle + " 2>/dev/null";
    FILE* flux = ::popen(commande.c_str(), "r");
    if (!flux) return "";
    int largeur = -1, hauteur = -1;
    char ligne[512];
    while (std::fgets(ligne, sizeof(ligne), flux)) {
        std::sscanf(ligne, "  Width: %d", &largeur);
        std::sscanf(ligne, "  Height: %d", &hauteur);
    }
    ::pclose(flux);
    if (largeur < 0 || hauteur < 0) return "";
    return std::to_string(largeur) + "x" + std::to_string(hauteur);
}

std::string attendreFenetre(ProcessusJeu& p, const std::string& attendue) {
    std::string taille;
    for (int i = 0; i < 200 && p.enCours(); ++i) {
        taille = tailleFenetre("Leapgrid");
        if (taille == attendue) break;
        p.attendre(25);
    }
    return taille;
}

std::string ecranCourant(ProcessusJeu& p) {
    const std::string s = p.sortie();
    const size_t dernier = s.rfind("ecran ");
    if (dernier == std::string::npos) return std::string();
    const size_t fin = s.find('\n', dernier);
    return fin == std::string::npos ? std::string() : s.substr(dernier + 6, fin - dernier - 6);
}

bool attendreEcran(ProcessusJeu& p, const std::string& ecran) {
    for (int i = 0; i < 1200 && p.enCours(); ++i) {
        if (ecranCourant(p) == ecran) return true;
        p.attendre(25);
    }
    return false;
}

size_t attendreSortie(ProcessusJeu& p, const std::string& texte, size_t depuis) {
    for (int i = 0; i < 2400; ++i) {
        const std::string sortie = p.sortie();
        const size_t trouve = sortie.size() > depuis ? sortie.find(texte, depuis) : std::string::npos;
        if (trouve != std::string::npos || !p.enCours()) return trouve;
        p.attendre(25);
    }
    return std::string::npos;
}

void quitterDuMenu() {
    taper("Escape");  // the quit question, on no
    taper("a");       // yes
    taper("space");
}

void taper(const std::string& touche, int pauseMs) {
    // One xdotool for both: a second process to release the key can start
    // late on a loaded machine, and a key held past the menus' repeat delay
    // moves twice.
    const std::string commande = "xdotool keydown " + touche + " sleep 0.12 keyup " + touche;
    if (std::system(commande.c_str()) != 0) ADD_FAILURE() << commande;
    ::usleep(static_cast<useconds_t>(pauseMs) * 1000);
}
