// Slaughter (ABAT) rules. The sibling fields of the record are read in the
// slaughter view of the rule view; a record verified without one reads every
// member as empty. Numbers are read digit by digit over their own positions,
// so no reading goes past a value or overflows.
#include "rules/abattage.hpp"

#include <cstring>

#include "rules/texte.hpp"
#include "rules/valautorise.hpp"

namespace vse {

namespace {

const vseCorps CORPS_VIDE{};

const vseCorps& corps(const Vue& vue) { return vue.cp != nullptr ? *vue.cp : CORPS_VIDE; }

// Notifying bodies that are no slaughterhouse: their identity begins with
// one of these and carries the country of the notifier at characters 7-8.
constexpr const char* OFFICE = "OFFICE";
constexpr const char* ONICAB = "ONICAB";

bool notifieParOffice(const vseCorps& cp) { return commencePar(cp.NUME_IDENT_ABAT_NOTIF, OFFICE); }
bool notifieParOrganisme(const vseCorps& cp) {
    return notifieParOffice(cp) || commencePar(cp.NUME_IDENT_ABAT_NOTIF, ONICAB);
}

// Characters debut..debut+n-1 of `s` (those that exist) as a text.
struct Extrait {
    char t[3] = {};
    Extrait(const char* s, int debut, int n) {
        int k = 0;
        for (int i = debut; i < debut + n && k < 2; ++i) {
            const char c = carOuNul(s, i);
            if (c == '\0') break;
            t[k++] = c;
        }
    }
};

// The animal's country: positions 63-64 of the line, as far as it reaches them.
struct Pays {
    char t[3];
};
Pays paysDeLaLigne(const Vue& vue) {
    Pays p{};
    vue.extraitLigne(63, 2, p.t);
    return p;
}

// The decimal value of at most n characters of `s` from debut, up to the first
// non-digit (a leading blank reads as 0), in one walk that stops at the end
// of the value.
int lireNombre(const char* s, int debut, int n) {
    for (int i = 0; i < debut; ++i)
        if (s[i] == '\0') return 0;
    int v = 0;
    for (const char* p = s + debut; p < s + debut + n && estChiffre(*p); ++p) v = v * 10 + (*p - '0');
    return v;
}

// Year of a JJMMSSAA date.
int annee(const char* date) { return lireNombre(date, 4, 4); }

// Number of characters of `s` before its first blank (all of them when none).
std::size_t avantBlanc(const char* s) {
    std::size_t n = 0;
    while (s[n] != ' ' && s[n] != '\0') ++n;
    return n;
}

// `s` is exactly `a` followed by `b`.
bool estConcatenation(const char* s, std::size_t lg, const char* a, const char* b) {
    const std::size_t la = std::strlen(a);
    const std::size_t lb = std::strlen(b);
    return lg == la + lb && std::strncmp(s, a, la) == 0 && std::strncmp(s + la, b, lb) == 0;
}

constexpr char HUIT_BLANCS[] = "        ";
constexpr char SEPT_BLANCS[] = "       ";
constexpr char DOUZE_BLANCS[] = "            ";

// Heaviest carcass accepted: 1000,00.
constexpr int POIDS_MAX_ENTIER = 1000;

}  // namespace

VSE_REGLE(presence_C2) { return vaut(corps(vue).NUME_NATI_BOV, DOUZE_BLANCS) ? 0 : 1; }

// A French animal has a French or imported cattle number.
VSE_REGLE(vAbat_C2_1) {
    if (!vaut(paysDeLaLigne(vue).t, "FR")) return 1;
    return verifNumBovinFrOuImporte(champ);
}

// An animal of a member state or of Switzerland has a foreign number.
VSE_REGLE(vAbat_C2_2) {
    const Pays pays = paysDeLaLigne(vue);
    if (vaut(pays.t, "FR")) return 1;
    if (!vaut(pays.t, "CH") && !appartient_UE(pays.t)) return 1;
    return fVerifNumEtranger(vue, pays.t, champ, nullptr, 0);
}

VSE_REGLE(fVerif_ASDA) { return egalAUneEntree(champ, TP) || egalAUneEntree(champ, TCPNOCEE) ? 1 : 0; }

VSE_REGLE(presence_C5) { return champVide(corps(vue).NUME_EXPLOIT_PROVENANCE) ? 0 : 1; }

// A French holding of origin has a French holding number, unless an office
// notifies the slaughter.
VSE_REGLE(fVerif_NUM_ASDA) {
    const vseCorps& cp = corps(vue);
    if (!vaut(cp.CODE_EXPLOIT_PROVENANCE, "FR")) return 1;
    if (cp.INDIC_CREA_INVA_ABATT[0] == '\0') return 0;
    if (notifieParOrganisme(cp)) return 1;
    return verifNumExploitFr(champ);
}

VSE_REGLE(fVerifDateInputPost) {
    if (champVide(champ)) return 1;
    return annee(champ) > 1997 ? 1 : 0;
}

VSE_REGLE(fVerifDateAbatPost) { return annee(champ) > 1997 ? 1 : 0; }

// The slaughter is not before the entry into the slaughterhouse.
VSE_REGLE(fVerifDateAbatPostEntr) {
    const char* entree = corps(vue).DATE_ENTREE_ABAT;
    if (vaut(entree, HUIT_BLANCS) || vaut(champ, HUIT_BLANCS)) return 1;
    const int anneeE = annee(entree), anneeA = annee(champ);
    if (anneeE != anneeA) return anneeE < anneeA ? 1 : 0;
    const int moisE = lireNombre(entree, 2, 2), moisA = lireNombre(champ, 2, 2);
    if (moisE != moisA) return moisE < moisA ? 1 : 0;
    return lireNombre(entree, 0, 2) <= lireNombre(champ, 0, 2) ? 1 : 0;
}

// Eight blanks, or a number beginning with a letter or a digit, made of
// letters, digits and blanks.
VSE_REGLE(presence_C8) {
    const char* tuerie = corps(vue).NUME_TUERIE;
    if (!auMoins(tuerie, 8)) return 0;
    if (vaut(tuerie, HUIT_BLANCS)) return 1;
    if (tuerie[0] == ' ') return 0;
    for (const char* p = tuerie; *p != '\0'; ++p) {
        if (!estAlphanum(*p) && *p != ' ') return 0;
    }
    return 1;
}

// An office notifies for the slaughterhouse named by the country of the
// holding of origin followed by the notifier's country.
VSE_REGLE(fVerif_NUM_TUE) {
    if (vaut(champ, HUIT_BLANCS)) return 1;
    const vseCorps& cp = corps(vue);
    if (!notifieParOffice(cp)) return auMoins(champ, 8) && estAlphanum(champ[0]) ? 1 : 0;
    const std::size_t numero = avantBlanc(champ);
    return estConcatenation(champ, numero, cp.CODE_EXPLOIT_PROVENANCE, cp.CODE_PAYS_ABAT_NOTIF) ? 1 : 0;
}

// Four digits, a comma, two digits; or seven blanks.
VSE_REGLE(fVerif_chaine_POIDS) {
    if (!auMoins(champ, 7) || champ[7] != '\0') return 0;
    if (vaut(champ, SEPT_BLANCS)) return 1;
    return champ[4] == ',' && chiffres(champ, 0, 4) && chiffres(champ, 5, 2) ? 1 : 0;
}

VSE_REGLE(fVerif_POIDS) {
    if (vaut(champ, SEPT_BLANCS)) return 1;
    const int entier = lireNombre(champ, 0, 4);
    const int decimales = lireNombre(champ, 5, 2);
    return entier < POIDS_MAX_ENTIER || (entier == POIDS_MAX_ENTIER && decimales == 0) ? 1 : 0;
}

// An office names its country in its identity; any other notifier is French.
VSE_REGLE(fVerif_CODEPE_ABATNOT) {
    const vseCorps& cp = corps(vue);
    if (notifieParOrganisme(cp)) {
        const Extrait paysNotifiant(cp.NUME_IDENT_ABAT_NOTIF, 6, 2);
        return egal(cp.CODE_PAYS_ABAT_NOTIF, paysNotifiant.t) ? 1 : 0;
    }
    return vaut(champ, "FR") ? 1 : 0;
}

VSE_REGLE(presence_C11) {
    const char* notifiant = corps(vue).NUME_IDENT_ABAT_NOTIF;
    return notifiant[0] != '\0' && !vaut(notifiant, DOUZE_BLANCS) ? 1 : 0;
}

// Seven or eight significant characters: an office, or a département and a
// number ending in two blanks.
VSE_REGLE(fVerif_NUMID_ABATNOT_CONF) {
    const std::size_t significatifs = avantBlanc(champ);
    if (significatifs != 7 && significatifs != 8) return 0;
    if (commenceParUn(champ, {ONICAB, OFFICE})) return 1;
    if (!blancs(champ, 10, 2)) return 0;
    if (commencePar(champ, "2A") || commencePar(champ, "2B")) return 1;
    return debutDansListe(champ, TD.v, TD.n) ? 1 : 0;
}

// Checks against the reference tables of notifiers and of creation
// indicators are not made: these rules pass.
VSE_REGLE(fVerif_NUMID_ABATNOT_COHER) { return 1; }
VSE_REGLE(fVerif_NUMID_ABATNOT_TABREF) { return 1; }
VSE_REGLE(fVerif_INDIC_ABAT) { return 1; }

}  // namespace vse
