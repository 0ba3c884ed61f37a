// delvoran-catalogue <directory>: writes catalogue.md and catalogue.csv, the
// error catalogue of the four programs, into the directory.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/catalogue/catalogue.hpp"

namespace {
bool ecrire(const std::string& chemin, const std::string& contenu) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    f.close();
    if (!f) std::fprintf(stderr, "delvoran-catalogue: impossible d'\xe9" "crire %s\n", chemin.c_str());
    return static_cast<bool>(f);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage : delvoran-catalogue <r\xe9pertoire>\n", stderr);
        return 3;
    }
    const std::string rep = argv[1];
    const bool ok = ecrire(rep + "/catalogue.md", vse::catalogue::markdown()) &&
                    ecrire(rep + "/catalogue.csv", vse::catalogue::csv());
    return ok ? 0 : 1;
}
