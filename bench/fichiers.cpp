// Writes the files on which the speed of the programs is measured, each of
// 10000 records by default: every program's mixed file of accepted records,
// and delvoran's file of rejected records.
//
//   vse_fichiers <directory> [records]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/corps.hpp"
#include "tests/outils.hpp"

int main(int argc, char** argv) {
    using namespace vse::outils;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <directory> [records]\n", argv[0]);
        return 3;
    }
    const std::filesystem::path rep = argv[1];
    const int n = argc == 3 ? std::atoi(argv[2]) : 10000;
    std::filesystem::create_directories(rep);
    for (const Programme p : tousLesProgrammes) {
        ecrire(rep / (std::string(nom(p)) + "_acceptes.vse"), fichierMixte(p, n, false));
    }
    ecrire(rep / "delvoran_rejetes.vse", fichierMixte(Programme::principal, n, true));
    return 0;
}
