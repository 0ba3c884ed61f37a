// The console reports of -i and -d, drawn from the run's hook.
#include "engine/rapport.hpp"

#include <cstdio>

namespace vse {

namespace {
constexpr int INFORMATIQUE = 1;  // -i
constexpr int DETAILLE = 2;      // -d
}  // namespace

void RapportConsole::ligne(int, const char* ligne, int lg) {
    if (visu_ == DETAILLE) std::printf("VSE=|%.*s|\n", lg, ligne);
}

void RapportConsole::coupe() {
    if (visu_ == DETAILLE) std::fputs("\n", stdout);
}

void RapportConsole::defautDeLigne(int noErr, bool) {
    if (visu_ != INFORMATIQUE) return;
    if (noErr == 106) std::printf("VSE  cars non autoris\xe9s \n");
    if (noErr == 107) std::printf("VSE trop long \n");
    if (noErr == 108) std::printf("VSE trop court \n");
}

void RapportConsole::rangee(const sCorps& r) {
    if (visu_ == DETAILLE) std::printf("champ: %d  ", r.numChamp + 1);
}

void RapportConsole::ignoree(const sCorps&, const char* valeur) {
    if (visu_ == DETAILLE) std::printf("verif ignoree! '%s'\n", valeur);
}

void RapportConsole::appliquee(const sCorps&, const char* valeur) {
    if (visu_ == DETAILLE) std::printf("'%s'\n", valeur);
}

void RapportConsole::erreurChamp(const ErreurChamp& e) {
    if (visu_ == DETAILLE) {
        if (e.presence != 0) {
            std::printf("verifOblg = [%d]\n", e.presence);
        } else {
            std::printf("! erreurChamp sur [%s]\n", e.valeur);
        }
    }
    if (visu_ == INFORMATIQUE) std::printf("%c%i.%i;", e.zone, e.ordinal, e.noErr);
}

}  // namespace vse
