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

constexpr const char* huitBlancs = "        ";
constexpr const char* toujours = "TOUJOURS";

// The date of a one-entry phase list.
const char* datePhase(const Liste& p) { return p.n > 0 ? p.v[0] : ""; }

// The movement cause (body field C5) is "J".
bool causeJ(const Vue& vue) { return egal(vue.C(C5), "J"); }

// Characters debut..debut+n-1 of `s` as a text; a value cut short reads as
// its blank-padded field.
struct Extrait {
    char c[9];
};

Extrait extrait(const char* s, int debut, int n) {
    Extrait e{};
    for (int i = 0; i < n; ++i) {
        const char x = carOuNul(s, debut + i);
        e.c[i] = x == '\0' ? ' ' : x;
    }
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

int estDans01(const char* champ, const tValAutorise* sverif, int lenSverif) {
    return estDans(champ, sverif, lenSverif) ? 1 : 0;
}

}  // namespace

int fVTABP(const char* dependance, const char* param) {
    // `dependance` is the date under test (blanks read as 0), `param` the
    // reference: on or after it means the reference is not after it.
    return fCoherenDCSupInf(param, dependance, SUP);
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

VSE_REGLE(fCoherenD_OC_an_2) {
    return std::strcmp(champ, extrait(dependance, 4, 4).c) < 0 ? 1 : 0;
}

VSE_REGLE(fDatRec_OC_Post) {
    if (egal(champ, huitBlancs)) return 1;
    return std::strcmp(extrait(champ, 4, 4).c, dependance) > 0 ? 1 : 0;
}

// ---- Date validity ----------------------------------------------------------

VSE_REGLE(fDATEC) { return fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDATEI) { return fDATECouI(champ, INCOMPLETE); }

VSE_REGLE(fDATECxad) { return egal(champ, huitBlancs) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDATEC_INC) { return blancs(champ, 0, 8) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDatRecCorr) { return egal(champ, huitBlancs) ? 1 : fDATECouI(champ, COMPLETE); }

VSE_REGLE(fDatRecCorr_O) { return egal(champ, huitBlancs) ? 0 : fDATECouI(champ, COMPLETE); }

// From the birth and exchange phase dates on, a date must be complete;
// before them it may lack its day, or its day and month.
VSE_REGLE(fDATEP6P7) {
    const bool a = fVTABP(champ, datePhase(P6)) != 0;
    const bool b = fVTABP(champ, datePhase(P7)) != 0;
    if (a && b) return fDATECouI(champ, COMPLETE);
    if (a && blancs(champ, 2, 2)) return 0;
    if (!a && b && blancs(champ, 0, 2)) return 0;
    return fDATECouI(champ, INCOMPLETE);
}

// From the movement phase date on, day and month must be given.
VSE_REGLE(fDATEP6) {
    if (fVTABP(champ, datePhase(P6)) != 0 && (blancs(champ, 2, 2) || blancs(champ, 0, 2)))
        return 0;
    return fDATECouI(champ, INCOMPLETE);
}

// ---- Optional dates coherent with another date ----------------------------

VSE_REGLE(fDatRecCohe) {
    return egal(champ, huitBlancs) ? 1 : fCoherenDCSupInf(dependance, champ, INF);
}

VSE_REGLE(fDatRecPost) {
    return egal(champ, huitBlancs) ? 1 : fCoherenDCSupInf(dependance, champ, SUP);
}

VSE_REGLE(fDatRecPost_tr) {
    if (egal(champ, huitBlancs) || causeJ(vue)) return 1;
    return fCoherenDCSupInf(dependance, champ, SUP);
}

// ---- Fields required or restricted from a phase date ------------------------

int fVTABP5a8(const Vue&, const char* dependance, char* champ, const tValAutorise* sverif,
              int lenSverif, const char* p) {
    if (std::strlen(champ) > LG_MAX_VALEUR) return 0;
    if (!champVide(champ)) return estDans01(champ, sverif, lenSverif);
    if (fVTABP(dependance, p) == 0) return 1;
    return estDans01(champ, sverif, lenSverif);
}

int fVDIFFNULLP(const char* dependance, const char* champ, const char* p) {
    if (std::strlen(champ) > LG_MAX_VALEUR) return 0;
    if (fVTABP(dependance, p) == 0) return 1;
    return champVide(champ) ? 0 : 1;
}

VSE_REGLE(fVTABP5) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, datePhase(P5)); }
VSE_REGLE(fVTABP6) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, datePhase(P6)); }
VSE_REGLE(fVTABP8) { return fVTABP5a8(vue, dependance, champ, sverif, lenSverif, datePhase(P8)); }
VSE_REGLE(fVDIFFNULLP5) { return fVDIFFNULLP(dependance, champ, datePhase(P5)); }
VSE_REGLE(fVDIFFNULLP6) { return fVDIFFNULLP(dependance, champ, datePhase(P6)); }

// ---- Cattle tag rules from a phase date -------------------------------------

// From the phase date on the model code is required: six non-blank
// characters then two blanks, nothing after.
VSE_REGLE(fConform_BV_model1) {
    const bool apres = fVTABP(dependance, datePhase(P17)) != 0;
    if (blancs(champ, 0, 8)) return !apres && champ[8] == '\0' ? 1 : 0;
    for (int i = 0; i < 6; ++i) {
        const char c = carOuNul(champ, i);
        if (c == '\0' || c == ' ') return 0;
    }
    return blancsPuisFin(champ, 6, 2) ? 1 : 0;
}

// From the phase date on the witness-tag indicator must be given.
VSE_REGLE(fConform_temoin_bouc1) {
    if (fVTABP(dependance, datePhase(P17)) == 0) return 1;
    return champ[0] != ' ' && champ[0] != '\0' ? 1 : 0;
}

// ---- A code valid until a date ----------------------------------------------

// The list holds pairs (code, last valid date or "TOUJOURS"); `dependance`
// is the movement date.
VSE_REGLE(fVerifValAutDate) {
    if (sverif == nullptr || lenSverif < 2) return 0;
    for (int i = 0; i + 1 < lenSverif; i += 2) {
        if (!egal(sverif[i], champ)) continue;
        const char* limite = sverif[i + 1];
        if (egal(limite, toujours)) return 1;
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

VSE_REGLE(fVDIFFNULLVTAB) {
    if (blancs(champ, 0, 2)) return 1;
    if (carOuNul(champ, 0) == '*' && carOuNul(champ, 1) == '*') return 1;
    return estDans01(champ, sverif, lenSverif);
}

VSE_REGLE(fVTABDIFFFR) { return egal(champ, "FR") ? 0 : estDans01(champ, sverif, lenSverif); }

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
