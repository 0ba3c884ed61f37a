// File names of a run: directory and file parts of the paths given on the
// command line, and the code carried by the first word.
#include <cstring>
#include <string>

#include "engine/moteur.hpp"

namespace vse {

namespace {
bool estSeparateur(char c) { return c == '/' || c == '\\'; }

// Index of the last '/', or failing that of the last '\', or npos.
std::size_t dernierSeparateur(const std::string& chemin) {
    const std::size_t i = chemin.rfind('/');
    return i != std::string::npos ? i : chemin.rfind('\\');
}

// Length of the directory part: up to the last character before the last run
// of separators; 0 when the path starts with that run.
std::size_t longueurRepertoire(const std::string& chemin, std::size_t sep) {
    std::size_t j = sep + 1;
    while (j > 0 && estSeparateur(chemin[j - 1])) --j;
    return j;
}
}  // namespace

std::string nomDuRep(const std::string& chemin) {
    const std::size_t sep = dernierSeparateur(chemin);
    if (sep == std::string::npos) return ".";
    const std::size_t lg = longueurRepertoire(chemin, sep);
    return lg == 0 ? chemin.substr(0, 1) : chemin.substr(0, lg);
}

std::string nomDuRep2(const std::string& chemin) {
    const std::size_t sep = dernierSeparateur(chemin);
    if (sep == std::string::npos) return ".";
    const std::size_t lg = longueurRepertoire(chemin, sep);
    return chemin.substr(0, lg + 1);
}

void strrevers(char* s) {
    for (std::size_t i = 0, j = std::strlen(s); i + 1 < j; ++i, --j) std::swap(s[i], s[j - 1]);
}

std::string nomDuFic(const std::string& chemin) {
    const std::size_t sep = dernierSeparateur(chemin);
    return sep == std::string::npos ? chemin : chemin.substr(sep + 1);
}

std::string extraireC11(const char* mot) {
    const char* debut = std::strchr(mot, '_');
    if (debut == nullptr) return "";
    ++debut;
    const char* fin = std::strchr(debut, '_');
    std::size_t lg = fin != nullptr ? static_cast<std::size_t>(fin - debut) : std::strlen(debut);
    return std::string(debut, lg < 31 ? lg : 31);
}

}  // namespace vse
