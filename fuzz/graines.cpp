// Writes the seed corpus of the fuzz target into a directory: files of every
// program built from the test fixtures (accepted files of several record
// types and line ends, error replies, files that stop the run), each behind
// the two bytes the target reads first (program and option, fault).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/outils.hpp"

namespace {

using namespace vse::outils;
namespace fs = std::filesystem;

void graine(const fs::path& rep, const std::string& nom, int programme, int panne, const std::string& contenu) {
    std::ofstream f(rep / nom, std::ios::binary | std::ios::trunc);
    f.put(static_cast<char>(programme));
    f.put(static_cast<char>(panne));
    f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : %s <repertoire>\n", argv[0]);
        return 3;
    }
    const fs::path rep = argv[1];
    fs::create_directories(rep);
    const std::vector<std::string> typesPrincipal = {"NAIS", "ENTR", "SORT", "JALO", "EXP1", "EXP2",
                                                     "EGET", "RATA", "ACTI", "INFO", "ABAT", "ERRE"};
    const std::vector<std::string> typesVariante = {"NAIS", "AVER", "ENTR", "SORT", "LIST"};
    const std::pair<const char*, std::string> fins[] = {{"lf", "\n"}, {"crlf", "\r\n"}, {"cr", "\r"}};
    int i = 0;
    for (Programme p : tousLesProgrammes) {
        const std::string n = nom(p);
        const std::vector<std::string>& types = p == Programme::principal ? typesPrincipal : typesVariante;
        std::vector<std::string> lignes{fich(p, static_cast<int>(types.size())).ligne()};
        for (const std::string& t : types) lignes.push_back(vseType(p, t, t == "ERRE" ? "ECQ" : "CRE").ligne());
        for (const auto& [nomFin, fin] : fins) graine(rep, n + "_types_" + nomFin, i, 0, fichier(lignes, fin));

        const std::string bon = vseType(p).ligne();
        Vse v = vseType(p);
        const std::string mauvais = v.avec(vse::E9, "AB CDEFG").ligne();
        graine(rep, n + "_accepte", i, 0, fichier({fich(p, 2).ligne(), bon, bon}));
        graine(rep, n + "_reponse", i, 0, fichier({fich(p, 3).ligne(), bon, mauvais, bon}, "\r\n"));
        graine(rep, n + "_compte_faux", i, 0, fichier({fich(p, 5).ligne(), bon}));
        graine(rep, n + "_ligne_vide", i, 0, fichier({fich(p, 2).ligne(), bon, "", bon}));
        graine(rep, n + "_formats_melanges", i, 0, fich(p, 2).ligne() + "\r\n" + bon + "\n" + bon + "\n");
        graine(rep, n + "_ctrl_z", i, 0, fichier({fich(p, 1).ligne(), bon}) + "\x1a" + bon + "\n");
        graine(rep, n + "_courte_longue", i, 0,
               fichier({fich(p, 2).ligne(), bon.substr(0, 200), bon + "XYZ", poser(bon, 60, "\t")}));
        // The same accepted file under a fault of each kind of call.
        for (int k = 0; k < 7; ++k) {
            graine(rep, n + "_panne_" + std::to_string(k), i, 0xE0 + k, fichier({fich(p, 2).ligne(), bon, mauvais}));
        }
        ++i;
    }
    graine(rep, "que_des_ctrl_z", 0, 0, std::string(16, '\x1a'));
    graine(rep, "vide", 0, 0, "");
    return 0;
}
