// Date, time and presence rules: dates alone, against the creation date of
// the VSE, against phase dates (from which a field becomes required or a
// date must be complete), and pairs of fields.
#include "rules/dates.hpp"

#include <cstring>

#include "rules/valautorise.hpp"

namespace vse {

namespace {

// Longest value that the phase-date and presence rules accept.
constexpr std::size_t LG_MAX_VALEUR = 98;

// The movement cause (body field C5) is "J".
bool causeJ(const Vue& vue) { return vaut(vue.C(C5), "J"); }

// The whole value is eight blanks (an absent date).
bool huitBlancs(const char* champ) { return vaut(champ, "        "); }

// Characters debut..debut+n-1 of `s` as a text; a value cut short reads as
// its blank-padded field.
struct Extrait {
    char c[9];
};

Extrait extrait(const char* s, int debut, int n) {
    Extrait e{};
    int i = 0;
    for (; i < debut + n && s[i] != '\0'; ++i)
        if (i >= debut) e.c[i - debut] = s[i];
    for (int k = i > debut ? i - debut : 0; k < n; ++k) e.c[k] = ' ';
    e.c[n] = '\0';
    return e;
}

// The creation date `dependance` moved one year later, as JJMMSSAA.
// False when its year is not four digits. Past year 9999 the reference is
// the largest date that can be written, so that every date is before it.
bool anneeSuivante(const char* dependance, char (&date)[9]) {
    std::memcpy(date, extrait(dependance, 0, 8).c, 9);
    if (!chiffres(date, 4, 4)) return false;
    int annee = nombre(date, 4, 4) + 1;
    if (annee > 9999) {
        std::memcpy(date, "99999999", 9);
        return true;
    }
    for (int i = 7; i >= 4; --i, annee /= 10) date[i] = static_cast<char>('0' + annee % 10);
    return true;
}

int pasApresAnneeSuivante(const char* dependance, const char* champ) {
    char reference[9];
    if (!anneeSuivante(dependance, reference)) return 0;
    return fCoherenDCSupInf(reference, champ, INF);
}

// The value holds at most LG_MAX_VALEUR characters; `vide` tells whether
// they are all blanks (or none). One walk.
bool longueurAdmise(const char* champ, bool& vide) {
    vide = true;
    for (std::size_t i = 0; champ[i] != '\0'; ++i) {
        if (i == LG_MAX_VALEUR) return false;
        if (champ[i] != ' ') vide = false;
    }
    return true;
}

int estDans01(const char* champ, const tValAutorise* sverif, int lenSverif) {
    return estDans(champ, sverif, lenSverif) ? 1 : 0;
}

}  // namespace

int fVTABP(const char* dependance, const char* param) {
    // `dependance` is the date under test (blanks read as 0), `param` the
    // reference: on or after it means the reference is not after it.
    return comparerDates(param, dependance) <= 0 ? 1 : 0;
}

// ---- Creation-date coherence ----------------------------------------------

VSE_REGLE(fCoherenDC) { return fCoherenDCSupInf(dependance, champ, INF); }

VSE_REGLE(fCoherenDC_tr) {
    if (causeJ(vue)) return pasApresAnneeSuivante(dependance, champ);
    return fCoherenDCSupInf(dependance, champ, INF);
}

VSE_REGLE(fCoherenDC_tr2) { return pasApresAnneeSuivante(dependance, champ); }

// ---- Years ------------------------------------------------------------------

VSE_REGLE(fCoherenD_OC_an_1) { return chiffres(champ, 0, 4) ? 1 : 0; }

VSE_REGLE(fCoherenD_OC_an_2) { return ordreTextes(champ, extrait(dependance, 4, 4).c) < 0 ? 1 : 0; }

VSE_REGLE(fDatRec_OC_Post) {
    if (huitBlancs(champ)) return 1;
    return ordreTextes(extrait(champ, 4, 4).c, dependance) > 0 ? 1 : 0;
}

// ---- Date validity ----------------------------------------------------------

VSE_REGLE(fDATEC) { return fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDATEI) { return fDATECouI(champ, INCOMPLETE); }

VSE_REGLE(fDATECxad) { return huitBlancs(champ) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDATEC_INC) { return blancs(champ, 0, 8) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDatRecCorr) { return huitBlancs(champ) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDatRecCorr_O) { return huitBlancs(champ) ? 0 : fDATECouI(champ, COMPLETE); }

// From the birth and exchange phase dates on, a date must be complete;
// before them it may lack its day, or its day and month.
VSE_REGLE(fDATEP6P7) {
    const bool a = depuisPhase(champ, PHASE_P6);
    const bool b = depuisPhase(champ, PHASE_P7);
    if (a && b) return fDATECouI(champ, COMPLETE);
    if (a && blancs(champ, 2, 2)) return 0;
    if (!a && b && blancs(champ, 0, 2)) return 0;
    return fDATECouI(champ, INCOMPLETE);
}

// From the movement phase date on, day and month must be given.
VSE_REGLE(fDATEP6) {
    if (depuisPhase(champ, PHASE_P6) && (blancs(champ, 2, 2) || blancs(champ, 0, 2))) return 0;
    return fDATECouI(champ, INCOMPLETE);
}

// ---- Optional dates coherent with another date ----------------------------

VSE_REGLE(fDatRecCohe) { return huitBlancs(champ) ? 1 : fCoherenDCSupInf(dependance, champ, INF); }

VSE_REGLE(fDatRecPost) { return huitBlancs(champ) ? 1 : fCoherenDCSupInf(dependance, champ, SUP); }

VSE_REGLE(fDatRecPost_tr) {
    if (huitBlancs(champ) || causeJ(vue)) return 1;
    return fCoherenDCSupInf(dependance, champ, SUP);
}

// ---- Fields required or restricted from a phase date ------------------------

int fVTABP5a8(const Vue&, const char* dependance, char* champ, const tValAutorise* sverif,
              int lenSverif, const DateReference& phase) {
    bool vide = true;
    if (!longueurAdmise(champ, vide)) return 0;
    if (!vide) return estDans01(champ, sverif, lenSverif);
    if (!depuisPhase(dependance, phase)) return 1;
    return estDans01(champ, sverif, lenSverif);
}

int fVDIFFNULLP(const char* dependance, const char* champ, const DateReference& phase) {
    if (std::strlen(champ) > LG_MAX_VALEUR) return 0;
    if (!depuisPhase(dependance, phase)) return 1;
    return champVide(champ) ? 0 : 1;
}

VSE_REGLE(fVTABP5) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, PHASE_P5); }
VSE_REGLE(fVTABP6) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, PHASE_P6); }
VSE_REGLE(fVTABP8) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, PHASE_P8); }
VSE_REGLE(fVDIFFNULLP5) { return fVDIFFNULLP(dependance, champ, PHASE_P5); }
VSE_REGLE(fVDIFFNULLP6) { return fVDIFFNULLP(dependance, champ, PHASE_P6); }

// ---- Cattle tag rules from a phase date -------------------------------------

// From the phase date on the model code is required: six non-blank
// characters then two blanks, nothing after.
VSE_REGLE(fConform_BV_model1) {
    if (blancs(champ, 0, 8)) return !depuisPhase(dependance, PHASE_P17) && champ[8] == '\0' ? 1 : 0;
    // Each character read is not the zero: the next one can be read.
    for (int i = 0; i < 6; ++i) {
        if (champ[i] == '\0' || champ[i] == ' ') return 0;
    }
    return blancsIci(champ + 6, 2) && champ[8] == '\0' ? 1 : 0;
}

// From the phase date on the witness-tag indicator must be given.
VSE_REGLE(fConform_temoin_bouc1) {
    if (!depuisPhase(dependance, PHASE_P17)) return 1;
    return champ[0] != ' ' && champ[0] != '\0' ? 1 : 0;
}

// ---- A code valid until a date ----------------------------------------------

// The list holds pairs (code, last valid date or "TOUJOURS"); `dependance`
// is the movement date.
VSE_REGLE(fVerifValAutDate) {
    if (sverif == nullptr || lenSverif < 2) return 0;
    for (int i = 0; i + 1 < lenSverif; i += 2) {
        if (!memeTexte(sverif[i], champ)) continue;
        const char* limite = sverif[i + 1];
        if (vaut(limite, "TOUJOURS")) return 1;
        return fCoherenDCSupInf(limite, dependance, INF);
    }
    return 0;
}

// ---- Presence of pairs of fields --------------------------------------------

// Two 30-character fields, each the other's dependance: not both blank.
VSE_REGLE(fVDIFFVD) {
    const char* trente = trenteBlancs.v[0];
    return egal(champ, trente) && egal(dependance, trente) ? 0 : 1;
}

VSE_REGLE(fCDIFF) {
    if (std::strlen(dependance) > LG_MAX_VALEUR) return 0;
    if (!champVide(dependance)) return 1;
    if (sverif == nullptr || lenSverif < 1) return 1;
    for (int i = 0; i < lenSverif; ++i)
        if (egal(champ, sverif[i])) return 0;
    return 1;
}

// Both fields given or neither; an empty or all-blank value is absent.
VSE_REGLE(fSimult) { return champVide(dependance) == champVide(champ) ? 1 : 0; }

// Two blanks or two asterisks pass; anything else is looked up.
VSE_REGLE(fVDIFFNULLVTAB) {
    if (champ[0] == ' ' && champ[1] == ' ') return 1;
    if (champ[0] == '*' && champ[1] == '*') return 1;
    return estDans01(champ, sverif, lenSverif);
}

VSE_REGLE(fVTABDIFFFR) { return vaut(champ, "FR") ? 0 : estDans01(champ, sverif, lenSverif); }

// ---- Time -------------------------------------------------------------------

// HHMMSS, a time of day.
VSE_REGLE(fHEUREC) {
    if (!chiffres(champ, 0, 6)) return 0;
    const int heures = nombre(champ, 0, 2);
    const int minutes = nombre(champ, 2, 2);
    const int secondes = nombre(champ, 4, 2);
    if (minutes > 59) return 0;
    return heures < 24 && secondes < 60 ? 1 : 0;
}

}  // namespace vse
