// Allowed-value lists shared by the four programs.
//
// Every list is constant data, constant-initialized: layout tables in other
// translation units hold their addresses and rules read them at any time.
// Written lists give their entries as they are exchanged, blanks included.
// The long regular lists (departement and organisation codes) and the lists
// that differ from another one by a few entries are built at compile time from
// the rule that defines them, so that a single source of each entry exists.
#include "rules/valautorise.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vse {
namespace {

// ---------------------------------------------------------------------------
// Compile-time helpers.

template <std::size_t N>
using Entrees = std::array<tValAutorise, N>;

constexpr std::size_t longueur(const char* s) {
    std::size_t n = 0;
    while (s[n] != '\0') ++n;
    return n;
}

constexpr bool egal(const char* a, const char* b) {
    return std::string_view(a) == std::string_view(b);
}

// Every entry of the list is exactly `largeur` characters long.
constexpr bool largeurFixe(std::span<const tValAutorise> l, std::size_t largeur) {
    for (const tValAutorise e : l)
        if (longueur(e) != largeur) return false;
    return true;
}

// The groups of `g` entries starting at a[0] and b[0] hold the same texts.
constexpr bool memeGroupe(const tValAutorise* a, const tValAutorise* b, std::size_t g) {
    for (std::size_t k = 0; k < g; ++k)
        if (!egal(a[k], b[k])) return false;
    return true;
}

// One list derived from another, read in groups of `groupe` entries (1 for a
// flat list, 2 for a pair list). Each source group is, in order:
//  - dropped when it stands in `retraits` (groups of `groupe`);
//  - replaced in place by the second group of a (old, new) couple of
//    `remplacements`;
//  - kept otherwise;
// and followed by the second group of every (anchor, new) couple of `ajouts`
// whose anchor it is, in the order of `ajouts`.
struct Edition {
    std::span<const tValAutorise> source;
    std::size_t groupe;
    std::span<const tValAutorise> retraits;
    std::span<const tValAutorise> remplacements;
    std::span<const tValAutorise> ajouts;
};

// Position of the first group (at a multiple of `pas`) of `l` equal to the
// group of `g` entries at `p`; l.size() when there is none.
constexpr std::size_t chercher(std::span<const tValAutorise> l, std::size_t pas,
                               const tValAutorise* p, std::size_t g) {
    for (std::size_t i = 0; i + g <= l.size(); i += pas)
        if (memeGroupe(&l[i], p, g)) return i;
    return l.size();
}

// Walks the derived list and hands each of its entries to `emettre`.
template <class F>
constexpr void parcourir(const Edition& e, F emettre) {
    const std::size_t g = e.groupe;
    for (std::size_t i = 0; i + g <= e.source.size(); i += g) {
        const tValAutorise* groupe = &e.source[i];
        if (chercher(e.retraits, g, groupe, g) == e.retraits.size()) {
            const std::size_t r = chercher(e.remplacements, 2 * g, groupe, g);
            const bool remplace = r < e.remplacements.size();
            const tValAutorise* garde = remplace ? &e.remplacements[r + g] : groupe;
            for (std::size_t k = 0; k < g; ++k) emettre(garde[k]);
        }
        for (std::size_t j = 0; j + 2 * g <= e.ajouts.size(); j += 2 * g)
            if (memeGroupe(&e.ajouts[j], groupe, g))
                for (std::size_t k = 0; k < g; ++k) emettre(e.ajouts[j + g + k]);
    }
}

constexpr std::size_t taille(const Edition& e) {
    std::size_t n = 0;
    parcourir(e, [&n](tValAutorise) { ++n; });
    return n;
}

// Every group an edition names in its source (dropped, replaced or anchor)
// exists there: a misspelt code would otherwise silently change nothing.
constexpr bool reperesPresents(const Edition& e) {
    const std::size_t g = e.groupe;
    if (g == 0 || e.source.size() % g != 0 || e.retraits.size() % g != 0 ||
        e.remplacements.size() % (2 * g) != 0 || e.ajouts.size() % (2 * g) != 0)
        return false;
    for (std::size_t j = 0; j < e.retraits.size(); j += g)
        if (chercher(e.source, g, &e.retraits[j], g) == e.source.size()) return false;
    for (std::size_t j = 0; j < e.remplacements.size(); j += 2 * g)
        if (chercher(e.source, g, &e.remplacements[j], g) == e.source.size()) return false;
    for (std::size_t j = 0; j < e.ajouts.size(); j += 2 * g)
        if (chercher(e.source, g, &e.ajouts[j], g) == e.source.size()) return false;
    return true;
}

template <std::size_t M>
constexpr Entrees<M> appliquer(const Edition& e) {
    Entrees<M> t{};
    std::size_t n = 0;
    parcourir(e, [&t, &n](tValAutorise v) { t[n++] = v; });
    return t;
}

// The entries of an edition, as static constant data.
template <const Edition& E>
consteval Entrees<taille(E)> editer() {
    static_assert(reperesPresents(E), "an edited list names a group missing from its source");
    return appliquer<taille(E)>(E);
}
template <const Edition& E>
constexpr Entrees<taille(E)> edite = editer<E>();

// Texts built at compile time: M zero-terminated texts of L - 1 characters.
template <std::size_t L, std::size_t M>
using Textes = std::array<std::array<char, L>, M>;

// Writes `a` then `b` into `d`, zero-filled after them (truncated to fit).
template <std::size_t L>
constexpr void ecrire(std::array<char, L>& d, std::string_view a, std::string_view b) {
    std::size_t n = 0;
    for (const char c : a)
        if (n + 1 < L) d[n++] = c;
    for (const char c : b)
        if (n + 1 < L) d[n++] = c;
    while (n < L) d[n++] = '\0';
}

// Departements 01 to 95 in order, except 20 (Corsica): it comes with the codes after them.
constexpr int DPT_DERNIER = 95;
constexpr int DPT_CORSE = 20;
constexpr std::size_t NB_DPT_NUMEROTES = DPT_DERNIER - 1;

// Departement codes of `chiffres` digits followed by `suffixe`, for 1 to 95
// without 20, then every code of `suite` followed by `suffixe`.
template <std::size_t LARGEUR, std::size_t K>
constexpr Textes<LARGEUR + 1, NB_DPT_NUMEROTES + K> codesDepartement(
    std::size_t chiffres, std::string_view suffixe, const std::string_view (&suite)[K]) {
    Textes<LARGEUR + 1, NB_DPT_NUMEROTES + K> t{};
    std::size_t i = 0;
    for (int d = 1; d <= DPT_DERNIER; ++d) {
        if (d == DPT_CORSE) continue;
        char num[3] = {'0', '0', '0'};
        for (int v = d, k = 2; k >= 0; v /= 10, --k) num[k] = static_cast<char>('0' + v % 10);
        ecrire(t[i++], std::string_view(num + 3 - chiffres, chiffres), suffixe);
    }
    for (const std::string_view code : suite) ecrire(t[i++], code, suffixe);
    return t;
}

// The entry pointers of built texts.
template <std::size_t L, std::size_t M>
constexpr Entrees<M> pointeurs(const Textes<L, M>& t) {
    Entrees<M> p{};
    for (std::size_t i = 0; i < M; ++i) p[i] = t[i].data();
    return p;
}

template <std::size_t N>
constexpr Liste liste(const Entrees<N>& t, const char* nom) {
    return {t.data(), static_cast<int>(N), nom};
}

// ---------------------------------------------------------------------------
// Short lists, every entry written out.

constexpr tValAutorise vBDN031[] = {"031BDN  "};
constexpr tValAutorise vBDN8[] = {"BDN     "};
constexpr tValAutorise vBOOL[] = {"0", "1"};
constexpr tValAutorise vBOOLFal[] = {" ", "*", "0", "1"};
constexpr tValAutorise vC2_MODEL[] = {"Z", "C", "O"};
constexpr tValAutorise vC2_MODEL_BV[] = {"B"};
constexpr tValAutorise vC3_MODEL[] = {"E", "C"};
constexpr tValAutorise vC3_MODEL_BV[] = {"E", "C"};

constexpr tValAutorise vCAT_RECEN[] = {
    "EFOLAN", "EFOVAN", "REOLAN", "REOVAN", "EFOEAP", "EFCAAN", "RECAAN", "EFCVAN", "RECVAN",
    "EFCEAP",
};

constexpr tValAutorise vCOUE[] = {"C", "E"};
constexpr tValAutorise vDEROUL_MARC[] = {"A", "D", "E", "S"};

// Three-character departement codes grouped by number of entries.
constexpr tValAutorise vDPT17[] = {
    "009", "011", "012", "015", "02A", "020", "030", "031", "032", "033", "034", "047", "048",
    "065", "066", "081", "082",
};

constexpr tValAutorise vDPT2[] = {"004", "083"};
constexpr tValAutorise vDPT3[] = {"010", "045", "089"};
constexpr tValAutorise vDPT4[] = {"022", "029", "035", "056"};
constexpr tValAutorise vDPT5[] = {"025", "039", "052", "070", "090"};
constexpr tValAutorise vDPT6[] = {"014", "027", "050", "053", "061", "076"};
constexpr tValAutorise vDPT7[] = {"016", "017", "037", "044", "049", "079", "086"};
constexpr tValAutorise vDPT8[] = {"075", "077", "078", "091", "092", "093", "094", "095"};
constexpr tValAutorise vDouzeBlancs[] = {"            "};
constexpr tValAutorise vELV_V[] = {"0   ", "1   ", "2   ", "3   "};
constexpr tValAutorise vET1[] = {"*"};
constexpr tValAutorise vET12[] = {"************"};
constexpr tValAutorise vET4[] = {"****"};

constexpr tValAutorise vFAB_REP[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
};

constexpr tValAutorise vFIL_V[] = {"OEUF"};
constexpr tValAutorise vFR[] = {"FR"};
constexpr tValAutorise vHuitBlancs[] = {"        "};
constexpr tValAutorise vHuitBlancsFal[] = {"        ", "********"};
constexpr tValAutorise vMORTNE[] = {"MORTNE      "};
constexpr tValAutorise vNB[] = {"NB                            "};
constexpr tValAutorise vNOUU[] = {"N", "U"};

// Threshold dates, JJMMSSAA.
constexpr tValAutorise vP17[] = {"01012011"};
constexpr tValAutorise vP18[] = {"01052007"};
constexpr tValAutorise vP5[] = {"01071999"};
constexpr tValAutorise vP6[] = {"01071999"};
constexpr tValAutorise vP7[] = {"01071999"};
constexpr tValAutorise vP8[] = {"01011999"};
constexpr tValAutorise vPROD[] = {"B", "C", "N", "O", "P", "V"};
constexpr tValAutorise vPROD_E[] = {"P", "V"};
constexpr tValAutorise vPROD_EV[] = {"D", "E", "F", "G", "H", "J", "K", "L", "M"};
constexpr tValAutorise vSEX[] = {"1", "2"};

// Member-state codes.
constexpr tValAutorise vTCEE[] = {
    "AT", "BE", "BG", "CY", "CZ", "DE", "DK", "EE", "EL", "ES", "FI", "FR", "HR", "HU", "IE", "IT",
    "LU", "LV", "LT", "MT", "NL", "PL", "PT", "RO", "SE", "SI", "UK", "SK", "XI",
};

constexpr tValAutorise vTCEP[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09"};

// Pairs: code, last date of validity ("TOUJOURS": no limit).
constexpr tValAutorise vTCME[] = {
    "A", "TOUJOURS",
    "J", "TOUJOURS",
    "L", "01011999",
    "N", "TOUJOURS",
    "P", "TOUJOURS",
    "F", "TOUJOURS",
    "G", "31122004",
};

constexpr tValAutorise vTCMS[] = {
    "B", "TOUJOURS",
    "C", "TOUJOURS",
    "D", "01011999",
    "E", "TOUJOURS",
    "H", "TOUJOURS",
    "J", "TOUJOURS",
    "L", "01011999",
    "M", "TOUJOURS",
    "P", "01011999",
    "U", "01011999",
    "S", "TOUJOURS",
    "T", "31122004",
};

constexpr tValAutorise vTEMOIN[] = {"D", "E"};
constexpr tValAutorise vTOUN[] = {"T", "N"};
constexpr tValAutorise vTOUQ[] = {"3", "4"};
constexpr tValAutorise vTTE[] = {"10", "20", "31", "32", "33", "34", "40", "50", "90"};
constexpr tValAutorise vTYP_COM[] = {"I0", "I1", "I2", "I3", "I4", "I5", "PR", "PC"};
constexpr tValAutorise vTYP_IDENT[] = {"D", "E"};
constexpr tValAutorise vTYP_NUMERO[] = {"SIREN", "SIRET", "AGRIN", "AGRIT", "AGRSA", "CEM  "};
constexpr tValAutorise vUN[] = {"1"};
constexpr tValAutorise vUNETCINQ[] = {"1", "2", "3", "4", "5"};
constexpr tValAutorise vUTIL_BOUC[] = {"0", "1", "2", "3", "4", "5"};
constexpr tValAutorise vZERO[] = {"0"};

// Blank fields.
constexpr tValAutorise vcinqBlancs[] = {"     "};
constexpr tValAutorise vquatorzeBlancs[] = {"              "};
constexpr tValAutorise vquatreBlancs[] = {"    "};

constexpr tValAutorise vsoixanteBlancs[] = {
    "                                                            ",
};

constexpr tValAutorise vtrenteBlancs[] = {"                              "};
constexpr tValAutorise vversionVSE[] = {"025"};
constexpr tValAutorise vvingtBlancs[] = {"                    "};

// ---------------------------------------------------------------------------
// Long lists, every entry written out.

// Country codes.
constexpr tValAutorise vTP[] = {
    "AF", "ZA", "AL", "DZ", "DE", "AD", "AO", "AI", "AQ", "AG", "AN", "SA", "AR", "AM", "AW", "AU",
    "AT", "AZ", "BS", "BH", "BD", "BB", "BY", "BE", "BZ", "BJ", "BM", "BT", "BO", "BA", "BW", "BV",
    "BR", "BN", "BG", "BF", "BI", "KY", "KH", "CM", "CA", "CV", "CF", "CL", "CN", "CX", "CY", "CC",
    "CO", "KM", "CG", "CK", "KR", "KP", "CR", "CI", "HR", "CU", "DK", "DJ", "DO", "DM", "EG", "SV",
    "AE", "EC", "ER", "ES", "EE", "US", "ET", "FK", "FO", "FJ", "FI", "FR", "FX", "GA", "GM", "GE",
    "GS", "GH", "GI", "EL", "GD", "GL", "GP", "GU", "GT", "GN", "GW", "GQ", "GY", "GF", "HT", "HM",
    "HN", "HK", "HU", "UM", "VG", "VI", "IN", "ID", "IR", "IQ", "IE", "IS", "IL", "IT", "JM", "JP",
    "JO", "KZ", "KE", "KG", "KI", "KW", "LA", "LS", "LV", "LB", "LR", "LY", "LI", "LT", "LU", "MO",
    "MG", "MY", "MW", "MV", "ML", "MT", "MP", "MA", "MH", "MQ", "MU", "MR", "YT", "MX", "FM", "MC",
    "MD", "MN", "MS", "MZ", "MM", "NA", "NR", "NP", "NI", "NE", "NG", "NU", "NF", "NO", "NC", "NZ",
    "IO", "OM", "UG", "UZ", "PK", "PW", "PA", "PG", "PY", "NL", "PE", "PH", "PN", "PL", "PF", "PR",
    "PT", "QA", "RE", "RO", "UK", "RU", "RW", "EH", "SH", "KN", "LC", "SM", "PM", "VC", "SB", "WS",
    "AS", "ST", "SN", "SC", "SL", "SG", "SK", "SI", "SO", "SD", "LK", "SE", "CH", "SR", "SJ", "SZ",
    "SY", "TJ", "TW", "TZ", "TD", "CZ", "TF", "TH", "TG", "TK", "TO", "TT", "TN", "TM", "TC", "TR",
    "TV", "UA", "UY", "VU", "VA", "VE", "VN", "WF", "YE", "ZM", "ZW", "CD", "MK", "ME", "RS", "PS",
    "TL", "BL", "MF", "GB", "XI",
};

// Two-digit codes of the animal records.
constexpr tValAutorise vTR[] = {
    "00", "10", "11", "12", "13", "14", "15", "17", "18", "19", "20", "21", "22", "23", "24", "25",
    "26", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "41", "42", "43",
    "44", "45", "46", "48", "49", "51", "52", "53", "54", "55", "56", "57", "58", "61", "63", "64",
    "65", "66", "69", "71", "72", "73", "74", "75", "76", "77", "78", "79", "80", "81", "82", "85",
    "86", "88", "90", "92", "95", "97",
};

// Two-digit codes of the ECBO records.
constexpr tValAutorise vTRG[] = {
    "10", "12", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27",
    "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40", "41", "42", "43",
    "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59",
    "60", "61", "62", "63", "65", "66", "67", "68", "69", "70", "71", "72", "73", "74", "75", "76",
    "77", "78", "79", "81", "82", "83", "84", "85", "86", "87", "88", "89", "91", "92", "94", "95",
    "96", "97", "98", "99",
};

// Titles allowed on creation, four characters.
constexpr tValAutorise vTRSCRE[] = {
    "ASS.", "CAT ", "CUMA", "EARL", "GAEC", "GIE ", "M   ", "M.ME", "MM  ", "MME ", "SA  ", "SARL",
    "SCA ", "SCEA", "SCEL", "SCI ", "SEA ", "SEF ", "SICA", "EPL ", "GFA ", "STEF", "VVE ", "MMES",
    "GAPE", "INDI", "COEX", "EURL", "COOP", "CEQU", "MAIR", "CIA ", "SNC ", "LEPA", "AUTR", "SAS ",
    "AFP ", "GP  ", "SCL ", "SCP ", "ENTR", "MLLE", "SOC ", "EIRL", "SASU", "EI  ", "SCIC",
};

// ---------------------------------------------------------------------------
// Pair and triple lists, keyed by organisation code.

// Centres allowed to send files, in the main program.
constexpr tValAutorise vTEC[] = {
    "001IPG  ", "003IPG  ", "013ARS  ", "018IPG  ", "021IPG  ", "023IPG  ", "025ARS  ", "02BIPG  ",
    "036IPG  ", "038IPG  ", "042ARS  ", "043IPG  ", "054ARS  ", "058IPG  ", "059ARS  ", "063IPG  ",
    "071IPG  ", "074ARS  ", "081ARS  ", "089ARS  ", "350ARS  ", "971IPG  ", "972IPG  ", "973IPG  ",
    "974IPG  ", "976IPG  ",
};

// Pairs (ARS centre, IPG centre it may send for), in the main program.
constexpr tValAutorise vTEDC[] = {
    "013ARS  ", "004IPG  ",
    "013ARS  ", "005IPG  ",
    "013ARS  ", "006IPG  ",
    "013ARS  ", "013IPG  ",
    "013ARS  ", "083IPG  ",
    "013ARS  ", "084IPG  ",
    "025ARS  ", "025IPG  ",
    "025ARS  ", "039IPG  ",
    "025ARS  ", "070IPG  ",
    "025ARS  ", "090IPG  ",
    "025ARS  ", "008IPG  ",
    "025ARS  ", "051IPG  ",
    "042ARS  ", "007IPG  ",
    "042ARS  ", "026IPG  ",
    "042ARS  ", "038IPG  ",
    "042ARS  ", "042IPG  ",
    "042ARS  ", "069IPG  ",
    "054ARS  ", "052IPG  ",
    "054ARS  ", "054IPG  ",
    "054ARS  ", "055IPG  ",
    "054ARS  ", "057IPG  ",
    "054ARS  ", "067IPG  ",
    "054ARS  ", "068IPG  ",
    "054ARS  ", "088IPG  ",
    "059ARS  ", "002IPG  ",
    "059ARS  ", "059IPG  ",
    "059ARS  ", "060IPG  ",
    "059ARS  ", "062IPG  ",
    "059ARS  ", "080IPG  ",
    "074ARS  ", "073IPG  ",
    "074ARS  ", "074IPG  ",
    "081ARS  ", "009IPG  ",
    "081ARS  ", "011IPG  ",
    "081ARS  ", "012IPG  ",
    "081ARS  ", "015IPG  ",
    "081ARS  ", "019IPG  ",
    "081ARS  ", "02AIPG  ",
    "081ARS  ", "024IPG  ",
    "081ARS  ", "030IPG  ",
    "081ARS  ", "031IPG  ",
    "081ARS  ", "032IPG  ",
    "081ARS  ", "033IPG  ",
    "081ARS  ", "034IPG  ",
    "081ARS  ", "040IPG  ",
    "081ARS  ", "046IPG  ",
    "081ARS  ", "047IPG  ",
};

// Triples (IPG centre, lowest block, highest block) of small-ruminant numbers.
constexpr tValAutorise vIND_M[] = {
    "001IPG", "100000", "104999",
    "002IPG", "105000", "109999",
    "003IPG", "110000", "119999",
    "004IPG", "120000", "124999",
    "005IPG", "125000", "129999",
    "006IPG", "130000", "134999",
    "007IPG", "135000", "139999",
    "008IPG", "140000", "144999",
    "009IPG", "145000", "149999",
    "010IPG", "150000", "154999",
    "011IPG", "155000", "159999",
    "012IPG", "160000", "169999",
    "013IPG", "170000", "174999",
    "014IPG", "175000", "184999",
    "015IPG", "185000", "189999",
    "016IPG", "190000", "194999",
    "017IPG", "195000", "199999",
    "018IPG", "200000", "204999",
    "019IPG", "205000", "209999",
    "02AIPG", "210000", "211999",
    "02BIPG", "212000", "214999",
    "021IPG", "215000", "219999",
    "022IPG", "220000", "224999",
    "023IPG", "225000", "229999",
    "024IPG", "230000", "234999",
    "025IPG", "235000", "239999",
    "026IPG", "240000", "244999",
    "027IPG", "245000", "249999",
    "028IPG", "250000", "254999",
    "029IPG", "255000", "259999",
    "030IPG", "260000", "264999",
    "031IPG", "265000", "269999",
    "032IPG", "270000", "274999",
    "033IPG", "275000", "279999",
    "034IPG", "280000", "284999",
    "035IPG", "285000", "289999",
    "036IPG", "290000", "294999",
    "037IPG", "295000", "299999",
    "038IPG", "300000", "304999",
    "039IPG", "305000", "309999",
    "040IPG", "310000", "314999",
    "041IPG", "315000", "319999",
    "042IPG", "320000", "324999",
    "043IPG", "325000", "329999",
    "044IPG", "330000", "339999",
    "045IPG", "340000", "344999",
    "046IPG", "345000", "349999",
    "047IPG", "350000", "354999",
    "048IPG", "355000", "359999",
    "049IPG", "360000", "364999",
    "050IPG", "365000", "379999",
    "051IPG", "380000", "384999",
    "052IPG", "385000", "389999",
    "053IPG", "390000", "394999",
    "054IPG", "395000", "399999",
    "055IPG", "400000", "404999",
    "056IPG", "405000", "409999",
    "057IPG", "410000", "414999",
    "058IPG", "415000", "419999",
    "059IPG", "420000", "424999",
    "060IPG", "425000", "429999",
    "061IPG", "430000", "434999",
    "062IPG", "435000", "439999",
    "063IPG", "440000", "449999",
    "064IPG", "450000", "464999",
    "065IPG", "465000", "469999",
    "066IPG", "470000", "474999",
    "067IPG", "475000", "479999",
    "068IPG", "480000", "484999",
    "069IPG", "485000", "489999",
    "070IPG", "490000", "494999",
    "071IPG", "495000", "504999",
    "072IPG", "505000", "509999",
    "073IPG", "510000", "514999",
    "074IPG", "515000", "519999",
    "075IPG", "614000", "614499",
    "076IPG", "520000", "524999",
    "077IPG", "525000", "529999",
    "078IPG", "530000", "534999",
    "079IPG", "535000", "544999",
    "080IPG", "545000", "549999",
    "081IPG", "550000", "554999",
    "082IPG", "555000", "559999",
    "083IPG", "560000", "564999",
    "084IPG", "565000", "569999",
    "085IPG", "570000", "575009",
    "086IPG", "575010", "584999",
    "087IPG", "585000", "594999",
    "088IPG", "595000", "599999",
    "089IPG", "600000", "604999",
    "090IPG", "605000", "609999",
    "091IPG", "610000", "610999",
    "092IPG", "614500", "614999",
    "093IPG", "611000", "611999",
    "094IPG", "612000", "612999",
    "095IPG", "613000", "613999",
    "971IPG", "615000", "624999",
    "972IPG", "625000", "634999",
    "973IPG", "635000", "639999",
    "974IPG", "640000", "649999",
    "976IPG", "650000", "655000",
};

// Pairs (IPG centre, establishment prefixes separated by commas; an empty
// element may occur).
constexpr tValAutorise vNEV[] = {
    "001IPG", "AA,BA,,HL",
    "002IPG", "CA,DA,,IL",
    "003IPG", "EA,FA,OH,JL,JQ,KQ",
    "004IPG", "GA,PH,KL",
    "005IPG", "HA,QH,LL",
    "006IPG", "IA,RH,ML",
    "007IPG", "JA,KA,LA,SH,NL",
    "008IPG", "MA,TH,OL",
    "009IPG", "NA,UH,PL",
    "010IPG", "OA,VH,QL",
    "011IPG", "PA,WH,RL",
    "012IPG", "QA,XH,SL",
    "013IPG", "RA,YH,TL",
    "014IPG", "SA,TA,ZH,UL",
    "015IPG", "UA,AI,VL",
    "016IPG", "VA,BI,WL",
    "017IPG", "WA,CI,XL",
    "018IPG", "XA,DI,YL",
    "019IPG", "YA,EI,ZL",
    "02AIPG", "ZA,FI,AM",
    "02BIPG", "AB,GI,BM",
    "021IPG", "BB,HI,CM",
    "022IPG", ("CB,DB,EB,FB,GB,HB,IB,JB,KB,LB,MB,NB,OB,PB,QB,RB,SB,TB,UB,VB,WB,XB,YB,ZB,AC,BC,"
               "II,DM,CP,DP,EP"),
    "023IPG", "CC,JI,EM",
    "024IPG", "DC,KI,FM,QZ",
    "025IPG", "EC,LI,GM",
    "026IPG", "FC,GC,HC,IC,JC,KC,LC,MC,MI,HM",
    "027IPG", "NC,OC,NI,IM",
    "028IPG", "PC,QC,RC,OI,JM",
    "029IPG", "SC,TC,UC,VC,WC,XC,PI,KM,FP",
    "030IPG", "YC,QI,LM",
    "031IPG", "ZC,RI,MM",
    "032IPG", "AD,SI,NM,GP",
    "033IPG", "BD,TI,OM",
    "034IPG", "CD,UI,PM",
    "035IPG", "DD,ED,FD,VI,QM",
    "036IPG", "GD,WI,RM",
    "037IPG", "HD,ID,XI,SM",
    "038IPG", "JD,KD,YI,TM,RQ,QQ",
    "039IPG", "LD,ZI,UM",
    "040IPG", "MD,AJ,VM",
    "041IPG", "ND,BJ,WM",
    "042IPG", "OD,CJ,XM",
    "043IPG", "PD,DJ,YM",
    "044IPG", "QD,RD,EJ,ZM,HP,LQ",
    "045IPG", "SD,TD,FJ,AN",
    "046IPG", "UD,GJ,BN,GQ",
    "047IPG", "VD,WD,HJ,CN,HQ,IQ",
    "048IPG", "XD,IJ,DN",
    "049IPG", "YD,ZD,AE,JJ,EN,YP",
    "050IPG", "BE,CE,KJ,FN,JP",
    "051IPG", "DE,LJ,GN",
    "052IPG", "EE,MJ,HN",
    "053IPG", "FE,GE,HE,NJ,IN,NQ,OQ,PQ",
    "054IPG", "IE,JE,OJ,JN",
    "055IPG", "KE,PJ,KN",
    "056IPG", "LE,ME,NE,OE,PE,QE,RE,SE,TE,UE,QJ,LN,KP",
    "057IPG", "VE,RJ,MN",
    "058IPG", "WE,SJ,NN",
    "059IPG", "XE,YE,ZE,AF,BF,CF,TJ,ON",
    "060IPG", "DF,EF,UJ,PN",
    "061IPG", "FF,VJ,QN",
    "062IPG", "GF,HF,IF,JF,KF,WJ,RN,LP",
    "063IPG", "LF,XJ,SN",
    "064IPG", "MF,YJ,TN,IP",
    "065IPG", "NF,ZJ,UN",
    "066IPG", "OF,PF,AK,VN",
    "067IPG", "QF,RF,BK,WN,MP",
    "068IPG", "SF,TF,CK,XN",
    "069IPG", "UF,DK,YN",
    "070IPG", "VF,EK,ZN",
    "071IPG", "WF,FK,AO",
    "072IPG", "XF,YF,ZF,AG,BG,GK,BO,NP,OP,PP,AQ,BQ,CQ,DQ,EQ,FQ",
    "073IPG", "CG,HK,CO",
    "074IPG", "DG,IK,DO",
    "075IPG", "EG",
    "076IPG", "FG,JK,EO,MQ",
    "077IPG", "GG,HG,KK,FO",
    "078IPG", "IG,LK,GO",
    "079IPG", "JG,KG,MK,HO,QP",
    "080IPG", "LG,MG,NG,NK,IO,RP",
    "081IPG", "OG,OK,JO",
    "082IPG", "PG,PK,KO,ZP",
    "083IPG", "QG,QK,LO",
    "084IPG", "RG,RK,MO",
    "085IPG", "SG,TG,UG,SK,NO,SP",
    "086IPG", "VG,TK,OO",
    "087IPG", "WG,UK,PO",
    "088IPG", "XG,YG,VK,QO",
    "089IPG", "ZG,WK,RO",
    "090IPG", "AH,XK,SO",
    "091IPG", "BH,YK,TO",
    "092IPG", "CH,ZK,UO",
    "093IPG", "DH,AL,VO",
    "094IPG", "EH,BL,WO",
    "095IPG", "FH,CL,XO",
    "971IPG", "GH,DL,YO,UP",
    "972IPG", "HH,EL,ZO",
    "973IPG", "IH,FL,AP,VP,WP",
    "974IPG", "JH,KH,LH,GL,BP",
    "976IPG", "XP",
};

// ---------------------------------------------------------------------------
// Lists built by rule.

// Two-digit departement codes; Corsica (20) and the two overseas codes last.
constexpr auto sTD = codesDepartement<2>(2, "", {"20", "97", "98"});
constexpr auto pTD = pointeurs(sTD);

// Three-character departement codes.
constexpr auto sTDD =
    codesDepartement<3>(3, "", {"02A", "02B", "971", "972", "973", "976", "974", "098"});
constexpr auto pTDD = pointeurs(sTDD);

// Organisation codes of the IPG centres: departement, "IPG", two blanks.
constexpr auto sTDC =
    codesDepartement<8>(3, "IPG  ", {"02A", "02B", "971", "972", "973", "974", "976"});
constexpr auto pTDC = pointeurs(sTDC);

// Member states and Switzerland, which follows Bulgaria.
constexpr tValAutorise aTECH[] = {"BG", "CH"};
constexpr Edition eTECH{vTCEE, 1, {}, {}, aTECH};

// Countries outside the member states, Serbia written "XS" instead of "RS".
constexpr tValAutorise mTCPNOCEE[] = {"RS", "XS"};
constexpr Edition eTCPNOCEE{vTP, 1, vTCEE, mTCPNOCEE, {}};

// The same without Switzerland.
constexpr tValAutorise rTCPNOECH[] = {"CH"};
constexpr Edition eTCPNOECH{edite<eTCPNOCEE>, 1, rTCPNOECH, {}, {}};

// Titles allowed on modification: the creation titles and five more.
constexpr tValAutorise aTRSMOD[] = {
    "EARL", "ETS ",
    "M   ", "MR  ",
    "M.ME", "MLE ",
    "SICA", "STE ",
    "GAPE", "MRS ",
};
constexpr Edition eTRSMOD{vTRSCRE, 1, {}, {}, aTRSMOD};

// Senders of the variant programs: "020ARS  " after "350ARS  ", no "02BIPG  ".
constexpr tValAutorise rTECVariante[] = {"02BIPG  "};
constexpr tValAutorise aTECVariante[] = {"350ARS  ", "020ARS  "};
constexpr Edition eTECVariante{vTEC, 1, rTECVariante, {}, aTECVariante};

// Pairs of the variant programs: 081ARS does not send for 02AIPG and 047IPG;
// 020ARS sends for 02AIPG and 02BIPG, after the pairs of 042ARS.
constexpr tValAutorise rTEDCVariante[] = {
    "081ARS  ", "02AIPG  ",
    "081ARS  ", "047IPG  ",
};
constexpr tValAutorise aTEDCVariante[] = {
    "042ARS  ", "038IPG  ",   "020ARS  ", "02AIPG  ",
    "042ARS  ", "038IPG  ",   "020ARS  ", "02BIPG  ",
};
constexpr Edition eTEDCVariante{vTEDC, 2, rTEDCVariante, {}, aTEDCVariante};

// Transaction types and VSE types of the main program.
constexpr tValAutorise vE5[] = {"CRE", "INV", "MOD", "DEM", "EDI", "INF", "ECQ"};
constexpr tValAutorise vE6[] = {"ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERRE",
                            "ERTI", "EXP1", "EXP2", "FICH", "GROC", "IMOC", "IMPO", "INFO", "JALO", "NAIS",
                            "NUMA", "NVMN", "PASS", "PICO", "RACO", "RATA", "REBO", "SORT"};

// ---------------------------------------------------------------------------
// Compile-time guards: fixed-width lists and the sizes of the built lists.

static_assert(pTD.size() == 97 && largeurFixe(pTD, 2));
static_assert(pTDD.size() == 102 && largeurFixe(pTDD, 3));
static_assert(pTDC.size() == 101 && largeurFixe(pTDC, 8));
static_assert(edite<eTECH>.size() == 30);
static_assert(edite<eTCPNOCEE>.size() == 216);
static_assert(edite<eTCPNOECH>.size() == 215);
static_assert(edite<eTRSMOD>.size() == 52 && largeurFixe(edite<eTRSMOD>, 4));
static_assert(edite<eTECVariante>.size() == 26 && largeurFixe(edite<eTECVariante>, 8));
static_assert(edite<eTEDCVariante>.size() == 92 && largeurFixe(edite<eTEDCVariante>, 8));

static_assert(largeurFixe(vTP, 2) && largeurFixe(vTCEE, 2) && largeurFixe(vTR, 2) &&
              largeurFixe(vTRG, 2) && largeurFixe(vTCEP, 2) && largeurFixe(vTTE, 2) &&
              largeurFixe(vTYP_COM, 2));
static_assert(largeurFixe(vTRSCRE, 4) && largeurFixe(vELV_V, 4));
static_assert(largeurFixe(vTEC, 8) && largeurFixe(vTEDC, 8));
static_assert(largeurFixe(vDPT2, 3) && largeurFixe(vDPT3, 3) && largeurFixe(vDPT4, 3) &&
              largeurFixe(vDPT5, 3) && largeurFixe(vDPT6, 3) && largeurFixe(vDPT7, 3) &&
              largeurFixe(vDPT8, 3) && largeurFixe(vDPT17, 3));
static_assert(largeurFixe(vCAT_RECEN, 6) && largeurFixe(vTYP_NUMERO, 5));
static_assert(largeurFixe(vP5, 8) && largeurFixe(vP6, 8) && largeurFixe(vP7, 8) &&
              largeurFixe(vP8, 8) && largeurFixe(vP17, 8) && largeurFixe(vP18, 8));
static_assert(largeurFixe(vBDN031, 8) && largeurFixe(vBDN8, 8) && largeurFixe(vET12, 12) &&
              largeurFixe(vET4, 4) && largeurFixe(vHuitBlancsFal, 8) &&
              largeurFixe(vMORTNE, 12) && largeurFixe(vNB, 30));
static_assert(largeurFixe(vquatreBlancs, 4) && largeurFixe(vcinqBlancs, 5) &&
              largeurFixe(vHuitBlancs, 8) && largeurFixe(vDouzeBlancs, 12) &&
              largeurFixe(vquatorzeBlancs, 14) && largeurFixe(vvingtBlancs, 20) &&
              largeurFixe(vtrenteBlancs, 30) && largeurFixe(vsoixanteBlancs, 60));

// Pair and triple lists: whole groups, keys of six characters.
constexpr bool groupesDe(std::span<const tValAutorise> l, std::size_t g, std::size_t largeurCle) {
    if (l.size() % g != 0) return false;
    for (std::size_t i = 0; i < l.size(); i += g)
        if (longueur(l[i]) != largeurCle) return false;
    return true;
}
static_assert(std::size(vIND_M) == 303 && groupesDe(vIND_M, 3, 6) && largeurFixe(vIND_M, 6));
static_assert(std::size(vNEV) == 202 && groupesDe(vNEV, 2, 6));
static_assert(std::size(vTEDC) == 92 && groupesDe(vTEDC, 2, 8));

}  // namespace

// ---------------------------------------------------------------------------
// The lists.

constinit const Liste BDN031         = liste(vBDN031, "BDN031");
constinit const Liste BDN8           = liste(vBDN8, "BDN8");
constinit const Liste BOOL           = liste(vBOOL, "BOOL");
constinit const Liste BOOLFal        = liste(vBOOLFal, "BOOLFal");
constinit const Liste C2_MODEL       = liste(vC2_MODEL, "C2_MODEL");
constinit const Liste C2_MODEL_BV    = liste(vC2_MODEL_BV, "C2_MODEL_BV");
constinit const Liste C3_MODEL       = liste(vC3_MODEL, "C3_MODEL");
constinit const Liste C3_MODEL_BV    = liste(vC3_MODEL_BV, "C3_MODEL_BV");
constinit const Liste CAT_RECEN      = liste(vCAT_RECEN, "CAT_RECEN");
constinit const Liste COUE           = liste(vCOUE, "COUE");
constinit const Liste DEROUL_MARC    = liste(vDEROUL_MARC, "DEROUL_MARC");
constinit const Liste DPT17          = liste(vDPT17, "DPT17");
constinit const Liste DPT2           = liste(vDPT2, "DPT2");
constinit const Liste DPT3           = liste(vDPT3, "DPT3");
constinit const Liste DPT4           = liste(vDPT4, "DPT4");
constinit const Liste DPT5           = liste(vDPT5, "DPT5");
constinit const Liste DPT6           = liste(vDPT6, "DPT6");
constinit const Liste DPT7           = liste(vDPT7, "DPT7");
constinit const Liste DPT8           = liste(vDPT8, "DPT8");
constinit const Liste DouzeBlancs    = liste(vDouzeBlancs, "DouzeBlancs");
constinit const Liste ELV_V          = liste(vELV_V, "ELV_V");
constinit const Liste ET1            = liste(vET1, "ET1");
constinit const Liste ET12           = liste(vET12, "ET12");
constinit const Liste ET4            = liste(vET4, "ET4");
constinit const Liste FAB_REP        = liste(vFAB_REP, "FAB_REP");
constinit const Liste FIL_V          = liste(vFIL_V, "FIL_V");
constinit const Liste FR             = liste(vFR, "FR");
constinit const Liste HuitBlancs     = liste(vHuitBlancs, "HuitBlancs");
constinit const Liste HuitBlancsFal  = liste(vHuitBlancsFal, "HuitBlancsFal");
constinit const Liste MORTNE         = liste(vMORTNE, "MORTNE");
constinit const Liste NB             = liste(vNB, "NB");
constinit const Liste NOUU           = liste(vNOUU, "NOUU");
constinit const Liste P17            = liste(vP17, "P17");
constinit const Liste P18            = liste(vP18, "P18");
constinit const Liste P5             = liste(vP5, "P5");
constinit const Liste P6             = liste(vP6, "P6");
constinit const Liste P7             = liste(vP7, "P7");
constinit const Liste P8             = liste(vP8, "P8");
constinit const Liste PROD           = liste(vPROD, "PROD");
constinit const Liste PROD_E         = liste(vPROD_E, "PROD_E");
constinit const Liste PROD_EV        = liste(vPROD_EV, "PROD_EV");
constinit const Liste SEX            = liste(vSEX, "SEX");
constinit const Liste TCEE           = liste(vTCEE, "TCEE");
constinit const Liste TCEP           = liste(vTCEP, "TCEP");
constinit const Liste TCME           = liste(vTCME, "TCME");
constinit const Liste TCMS           = liste(vTCMS, "TCMS");
constinit const Liste TECH           = liste(edite<eTECH>, "TECH");
constinit const Liste TEMOIN         = liste(vTEMOIN, "TEMOIN");
constinit const Liste TOUN           = liste(vTOUN, "TOUN");
constinit const Liste TOUQ           = liste(vTOUQ, "TOUQ");
constinit const Liste TTE            = liste(vTTE, "TTE");
constinit const Liste TYP_COM        = liste(vTYP_COM, "TYP_COM");
constinit const Liste TYP_IDENT      = liste(vTYP_IDENT, "TYP_IDENT");
constinit const Liste TYP_NUMERO     = liste(vTYP_NUMERO, "TYP_NUMERO");
constinit const Liste UN             = liste(vUN, "UN");
constinit const Liste UNETCINQ       = liste(vUNETCINQ, "UNETCINQ");
constinit const Liste UTIL_BOUC      = liste(vUTIL_BOUC, "UTIL_BOUC");
constinit const Liste ZERO           = liste(vZERO, "ZERO");
constinit const Liste cinqBlancs     = liste(vcinqBlancs, "cinqBlancs");
constinit const Liste quatorzeBlancs = liste(vquatorzeBlancs, "quatorzeBlancs");
constinit const Liste quatreBlancs   = liste(vquatreBlancs, "quatreBlancs");
constinit const Liste soixanteBlancs = liste(vsoixanteBlancs, "soixanteBlancs");
constinit const Liste trenteBlancs   = liste(vtrenteBlancs, "trenteBlancs");
constinit const Liste versionVSE     = liste(vversionVSE, "versionVSE");
constinit const Liste vingtBlancs    = liste(vvingtBlancs, "vingtBlancs");

constinit const Liste TD             = liste(pTD, "TD");
constinit const Liste TDD            = liste(pTDD, "TDD");
constinit const Liste TDC            = liste(pTDC, "TDC");
constinit const Liste TP             = liste(vTP, "TP");
constinit const Liste TCPNOCEE       = liste(edite<eTCPNOCEE>, "TCPNOCEE");
constinit const Liste TCPNOECH       = liste(edite<eTCPNOECH>, "TCPNOECH");
constinit const Liste TR             = liste(vTR, "TR");
constinit const Liste TRG            = liste(vTRG, "TRG");
constinit const Liste TRSCRE         = liste(vTRSCRE, "TRSCRE");
constinit const Liste TRSMOD         = liste(edite<eTRSMOD>, "TRSMOD");

// Read in groups: n counts entries, not groups.
constinit const Liste IND_M          = liste(vIND_M, "IND_M");
constinit const Liste NEV            = liste(vNEV, "NEV");

namespace principal {
constinit const Liste tE5            = liste(vE5, "tE5");
constinit const Liste tE6            = liste(vE6, "tE6");
constinit const Liste TEC            = liste(vTEC, "TEC");
constinit const Liste TEDC           = liste(vTEDC, "TEDC");
}  // namespace principal

namespace variante {
constinit const Liste TEC            = liste(edite<eTECVariante>, "TEC");
constinit const Liste TEDC           = liste(edite<eTEDCVariante>, "TEDC");
}  // namespace variante

// ---------------------------------------------------------------------------
// The phase dates in the form dates are compared in.

constinit const DateReference PHASE_P5  = dateReference(vP5[0]);
constinit const DateReference PHASE_P6  = dateReference(vP6[0]);
constinit const DateReference PHASE_P7  = dateReference(vP7[0]);
constinit const DateReference PHASE_P8  = dateReference(vP8[0]);
constinit const DateReference PHASE_P17 = dateReference(vP17[0]);

// ---------------------------------------------------------------------------
// Every list of this module.

namespace {
constexpr const Liste* tousLesListes[] = {
    &BDN031, &BDN8, &BOOL, &BOOLFal, &C2_MODEL, &C2_MODEL_BV, &C3_MODEL, &C3_MODEL_BV, &CAT_RECEN, &COUE,
    &DEROUL_MARC, &DPT17, &DPT2, &DPT3, &DPT4, &DPT5, &DPT6, &DPT7, &DPT8, &DouzeBlancs, &ELV_V, &ET1, &ET12,
    &ET4, &FAB_REP, &FIL_V, &FR, &HuitBlancs, &HuitBlancsFal, &MORTNE, &NB, &NOUU, &P17, &P18, &P5, &P6, &P7,
    &P8, &PROD, &PROD_E, &PROD_EV, &SEX, &TCEE, &TCEP, &TCME, &TCMS, &TECH, &TEMOIN, &TOUN, &TOUQ, &TTE,
    &TYP_COM, &TYP_IDENT, &TYP_NUMERO, &UN, &UNETCINQ, &UTIL_BOUC, &ZERO, &cinqBlancs, &quatorzeBlancs,
    &quatreBlancs, &soixanteBlancs, &trenteBlancs, &versionVSE, &vingtBlancs, &TD, &TDD, &TDC, &TP,
    &TCPNOCEE, &TCPNOECH, &TR, &TRG, &TRSCRE, &TRSMOD, &IND_M, &NEV, &principal::tE5, &principal::tE6,
    &principal::TEC, &principal::TEDC, &variante::TEC, &variante::TEDC,
};
}  // namespace

std::span<const Liste* const> listesDuModule() { return tousLesListes; }

}  // namespace vse
