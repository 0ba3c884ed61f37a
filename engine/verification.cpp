// The verification pass: the rules of one layout applied to the values cut by
// it, with the presence code of the line's transaction type, at most ten
// errors per line.
#include <cstdio>

#include "engine/moteur.hpp"

namespace vse {

// The reader's line flags become errors on the first pass of the line.
int Moteur::erreursDeLigne(int v, int nb) {
    if (codCaract == 1) {
        if (v == infVisu) std::printf("VSE  cars non autoris\xe9s \n");
        if (nb <= 9) {
            codCaract = 0;
            codeErreur[nb++] = 106;
        }
    }
    if (codLong == 1) {
        if (v == infVisu) std::printf("VSE trop long \n");
        if (nb <= 9) {
            codLong = 0;
            codeErreur[nb++] = 107;
        }
    } else if (codLong == 2) {
        if (v == infVisu) std::printf("VSE trop court \n");
        if (nb <= 9) {
            codLong = 0;
            codeErreur[nb++] = 108;
        }
    }
    return nb;
}

int Moteur::verifPlan(int nb, const Plan& p, const char* valE5) {
    nb = erreursDeLigne(noVisu, nb);
    const Vue laVue = vue();
    const int col = valE5 != nullptr ? colonnePresence(valE5) : -1;
    for (const Plan::Etape& e : p.etapes) {
        if (nb >= MAX_ERREURS) break;
        if (valE5 != nullptr) {
            const int code = col >= 0 ? e.codes[col] : -1;
            if (code == 1) continue;
            if (code != 0) {
                codeErreur[nb++] = 86;
                continue;
            }
        }
        if (e.regle(laVue, e.dependance, e.valeur, e.liste, e.lgListe) == 0) codeErreur[nb++] = e.ligne->noErr;
    }
    return nb;
}

int Moteur::verifChamps(int v, int nb, const Table& t, valeurVSE* valChampsVSE, const char* valE5,
                        const char* premLettre) {
    nb = erreursDeLigne(v, nb);
    const Vue laVue = vue();
    const int col = valE5 != nullptr ? colonnePresence(valE5) : -1;
    int index = -1;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (v == dgVisu) std::printf("champ: %d  ", r.numChamp + 1);
        if (r.debut != 0) ++index;
        if (index < 0 || nb >= MAX_ERREURS || r.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[index].valeur;
        if (valE5 != nullptr) {
            const int code = col >= 0 ? r.*colonnesPresence[col] : -1;
            if (code == 1) {
                if (v == dgVisu) std::printf("verif ignoree! '%s'\n", valeur);
                continue;
            }
            if (code != 0) {
                if (v == dgVisu) std::printf("verifOblg = [%d]\n", code);
                if (v == infVisu) std::printf("%s%i.%i;", premLettre, index + 1, 86);
                codeErreur[nb++] = 86;
                continue;
            }
        }
        if (v == dgVisu) std::printf("'%s'\n", valeur);
        const tValAutorise* liste = r.sverif != nullptr ? r.sverif->v : nullptr;
        const int lgListe = r.sverif != nullptr ? r.sverif->n : 0;
        if (r.pfVerif(laVue, resoudre(r.dependance), valeur, liste, lgListe) == 0) {
            if (v == dgVisu) std::printf("! erreurChamp sur [%s]\n", valeur);
            if (v == infVisu) std::printf("%s%i.%i;", premLettre, index + 1, r.noErr);
            codeErreur[nb++] = r.noErr;
        }
    }
    return nb;
}

}  // namespace vse
