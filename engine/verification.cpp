// The verification pass: the rules of one layout applied to the values cut by
// it, with the presence code of the line's transaction type, at most ten
// errors per line. It tells what it does to the run's report, when one is
// asked: the console reports and the check command are drawn from that.
#include "engine/moteur.hpp"

namespace vse {

Rapport* Moteur::choisirRapport(int v) {
    if (rapport != nullptr) {
        rapportCourant_ = rapport;
    } else if (v == infVisu) {
        rapportCourant_ = &rapportInformatique_;
    } else if (v == dgVisu) {
        rapportCourant_ = &rapportDetaille_;
    } else {
        rapportCourant_ = nullptr;
    }
    return rapportCourant_;
}

// The reader's line flags become errors on the first pass of the line.
int Moteur::erreursDeLigne(int nb) {
    Rapport* const r = rapportCourant_;
    auto defaut = [&](int& drapeau, int noErr) {
        const bool place = nb <= 9;
        if (r != nullptr) r->defautDeLigne(noErr, place);
        if (place) {
            drapeau = 0;
            codeErreur[nb++] = noErr;
        }
    };
    if (codCaract == 1) defaut(codCaract, 106);
    if (codLong == 1) {
        defaut(codLong, 107);
    } else if (codLong == 2) {
        defaut(codLong, 108);
    }
    return nb;
}

int Moteur::verifPlan(int nb, const Plan& p, const char* valE5, char lettre) {
    if (codCaract != 0 || codLong != 0) nb = erreursDeLigne(nb);
    int col = COLONNE_SANS_TYPE;
    if (valE5 != nullptr) {
        col = colonnePresence(valE5);
        if (col < 0) col = COLONNE_TYPE_INCONNU;
    }
    return rapportCourant_ != nullptr ? parcourir<true>(nb, p, col, lettre) : parcourir<false>(nb, p, col, lettre);
}

// The walk of a plan's steps, compiled twice from this one text: with the
// report's calls, and without them (nothing to test per row then).
template <bool AvecRapport>
int Moteur::parcourir(int nb, const Plan& p, int col, char lettre) {
    Rapport* const r = rapportCourant_;
    // What the report is told of a row that recorded an error.
    auto signaler = [&](const Plan::Etape& e, int noErr, int presence) {
        const Plan::Decoupe& d = p.decoupes[static_cast<std::size_t>(e.index)];
        r->erreurChamp({lettre, e.index + 1, e.ligne, d.debut + 1, d.debut + d.largeur, e.valeur, noErr, presence});
    };
    // Rows after the tenth error are not applied; the detailed report still
    // names them.
    if (!AvecRapport && nb >= MAX_ERREURS) return nb;
    for (const Plan::Etape& e : p.etapes) {
        if constexpr (AvecRapport) r->rangee(*e.ligne);
        const int code = e.codes[col];
        if (code == 0) {
            if constexpr (AvecRapport) {
                if (nb >= MAX_ERREURS) continue;
                r->appliquee(*e.ligne, e.valeur);
            }
            if (e.regle(vue_, e.dependance, e.valeur, e.liste, e.lgListe) == 0) {
                codeErreur[nb++] = e.ligne->noErr;
                if constexpr (AvecRapport) signaler(e, e.ligne->noErr, 0);
                if (!AvecRapport && nb == MAX_ERREURS) return nb;
            }
            continue;
        }
        if (code == SANS_REGLE || nb >= MAX_ERREURS) continue;
        if (code == 1) {
            if constexpr (AvecRapport) r->ignoree(*e.ligne, e.valeur);
            continue;
        }
        // A row forbidden for the transaction type (or an unknown type).
        codeErreur[nb++] = 86;
        if constexpr (AvecRapport) signaler(e, 86, code);
        if (!AvecRapport && nb == MAX_ERREURS) return nb;
    }
    return nb;
}

int Moteur::verifChamps(int v, int nb, const Table& t, valeurVSE* valChampsVSE, const char* valE5,
                        const char* premLettre) {
    Plan p(t);
    p.placer(valChampsVSE, [this](const Dependance& d) { return resoudre(d); });
    choisirRapport(v);
    return verifPlan(nb, p, valE5, premLettre[0]);
}

}  // namespace vse
