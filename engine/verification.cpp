// The verification pass: the rules of one layout applied to the values cut by
// it, with the presence code of the line's transaction type, at most ten
// errors per line.
#include <cstdio>

#include "engine/moteur.hpp"
#include "rules/texte.hpp"

namespace vse {

namespace {

// Which presence column a transaction type reads ("ECQ" reads the CRE
// column); -1 for a type outside the five.
enum Colonne { COL_CRE, COL_DEM, COL_INV, COL_EDI, COL_MOD, COL_AUCUNE = -1 };

Colonne colonne(const char* e5) {
    if (egal(e5, "CRE") || egal(e5, "ECQ")) return COL_CRE;
    if (egal(e5, "DEM")) return COL_DEM;
    if (egal(e5, "INV")) return COL_INV;
    if (egal(e5, "EDI")) return COL_EDI;
    if (egal(e5, "MOD")) return COL_MOD;
    return COL_AUCUNE;
}

int codePresence(const sCorps& r, Colonne c) {
    switch (c) {
        case COL_CRE: return r.typeCRE;
        case COL_DEM: return r.typeDEM;
        case COL_INV: return r.typeINV;
        case COL_EDI: return r.typeEDI;
        case COL_MOD: return r.typeMOD;
        case COL_AUCUNE: break;
    }
    return -1;
}

}  // namespace

int Moteur::verifChamps(int v, int nb, const Table& t, valeurVSE* valChampsVSE, const char* valE5,
                        const char* premLettre) {
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

    const Vue laVue = vue();
    const Colonne col = valE5 != nullptr ? colonne(valE5) : COL_AUCUNE;
    int index = -1;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (v == dgVisu) std::printf("champ: %d  ", r.numChamp + 1);
        if (r.debut != 0) ++index;
        if (index < 0 || nb >= MAX_ERREURS || r.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[index].valeur;
        if (valE5 != nullptr) {
            const int code = codePresence(r, col);
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
