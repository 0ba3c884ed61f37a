// Tests of the allowed-value lists: sizes and entry widths of every list, the
// full content of the long and built lists, the memberships the layouts rely
// on, and the shape of the pair and triple lists.
#include "rules/valautorise.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace vse;

std::vector<std::string> decouper(const char* texte, char sep) {
    std::vector<std::string> morceaux(1);
    for (const char* c = texte; *c != '\0'; ++c) {
        if (*c == sep)
            morceaux.emplace_back();
        else
            morceaux.back() += *c;
    }
    return morceaux;
}

bool contient(const Liste& l, const char* valeur) {
    for (int i = 0; i < l.n; ++i)
        if (std::strcmp(l.v[i], valeur) == 0) return true;
    return false;
}

bool chiffres(const char* s, std::size_t n) {
    if (std::strlen(s) != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (std::isdigit(static_cast<unsigned char>(s[i])) == 0) return false;
    return true;
}

// Number of entries and width of every entry (0: entries of varying width).
struct Taille {
    const char* nom;
    const Liste* liste;
    int n;
    std::size_t largeur;
};

const Taille tailles[] = {
    {"BDN031", &BDN031, 1, 8},          {"BDN8", &BDN8, 1, 8},
    {"BOOL", &BOOL, 2, 1},              {"BOOLFal", &BOOLFal, 4, 1},
    {"C2_MODEL", &C2_MODEL, 3, 1},      {"C2_MODEL_BV", &C2_MODEL_BV, 1, 1},
    {"C3_MODEL", &C3_MODEL, 2, 1},      {"C3_MODEL_BV", &C3_MODEL_BV, 2, 1},
    {"CAT_RECEN", &CAT_RECEN, 10, 6},   {"COUE", &COUE, 2, 1},
    {"DEROUL_MARC", &DEROUL_MARC, 4, 1},
    {"DPT17", &DPT17, 17, 3},           {"DPT2", &DPT2, 2, 3},
    {"DPT3", &DPT3, 3, 3},              {"DPT4", &DPT4, 4, 3},
    {"DPT5", &DPT5, 5, 3},              {"DPT6", &DPT6, 6, 3},
    {"DPT7", &DPT7, 7, 3},              {"DPT8", &DPT8, 8, 3},
    {"DouzeBlancs", &DouzeBlancs, 1, 12},
    {"ELV_V", &ELV_V, 4, 4},            {"ET1", &ET1, 1, 1},
    {"ET12", &ET12, 1, 12},             {"ET4", &ET4, 1, 4},
    {"FAB_REP", &FAB_REP, 14, 1},       {"FIL_V", &FIL_V, 1, 4},
    {"FR", &FR, 1, 2},                  {"HuitBlancs", &HuitBlancs, 1, 8},
    {"HuitBlancsFal", &HuitBlancsFal, 2, 8},
    {"MORTNE", &MORTNE, 1, 12},         {"NB", &NB, 1, 30},
    {"NOUU", &NOUU, 2, 1},
    {"P17", &P17, 1, 8},                {"P18", &P18, 1, 8},
    {"P5", &P5, 1, 8},                  {"P6", &P6, 1, 8},
    {"P7", &P7, 1, 8},                  {"P8", &P8, 1, 8},
    {"PROD", &PROD, 6, 1},              {"PROD_E", &PROD_E, 2, 1},
    {"PROD_EV", &PROD_EV, 9, 1},        {"SEX", &SEX, 2, 1},
    {"TCEE", &TCEE, 29, 2},             {"TCEP", &TCEP, 10, 2},
    {"TCME", &TCME, 14, 0},             {"TCMS", &TCMS, 24, 0},
    {"TECH", &TECH, 30, 2},             {"TEMOIN", &TEMOIN, 2, 1},
    {"TOUN", &TOUN, 2, 1},              {"TOUQ", &TOUQ, 2, 1},
    {"TTE", &TTE, 9, 2},                {"TYP_COM", &TYP_COM, 8, 2},
    {"TYP_IDENT", &TYP_IDENT, 2, 1},    {"TYP_NUMERO", &TYP_NUMERO, 6, 5},
    {"UN", &UN, 1, 1},                  {"UNETCINQ", &UNETCINQ, 5, 1},
    {"UTIL_BOUC", &UTIL_BOUC, 6, 1},    {"ZERO", &ZERO, 1, 1},
    {"cinqBlancs", &cinqBlancs, 1, 5},  {"quatorzeBlancs", &quatorzeBlancs, 1, 14},
    {"quatreBlancs", &quatreBlancs, 1, 4},
    {"soixanteBlancs", &soixanteBlancs, 1, 60},
    {"trenteBlancs", &trenteBlancs, 1, 30},
    {"versionVSE", &versionVSE, 1, 3},  {"vingtBlancs", &vingtBlancs, 1, 20},
    {"TD", &TD, 97, 2},                 {"TDD", &TDD, 102, 3},
    {"TDC", &TDC, 101, 8},              {"TP", &TP, 245, 2},
    {"TCPNOCEE", &TCPNOCEE, 216, 2},    {"TCPNOECH", &TCPNOECH, 215, 2},
    {"TR", &TR, 70, 2},                 {"TRG", &TRG, 84, 2},
    {"TRSCRE", &TRSCRE, 47, 4},         {"TRSMOD", &TRSMOD, 52, 4},
    {"IND_M", &IND_M, 303, 6},          {"NEV", &NEV, 202, 0},
    {"principal::TEC", &principal::TEC, 26, 8},
    {"variante::TEC", &variante::TEC, 26, 8},
    {"principal::TEDC", &principal::TEDC, 92, 8},
    {"variante::TEDC", &variante::TEDC, 92, 8},
};

TEST(ValAutListes, CountAndEntryWidth) {
    for (const Taille& t : tailles) {
        SCOPED_TRACE(t.nom);
        ASSERT_EQ(t.liste->n, t.n);
        ASSERT_NE(t.liste->v, nullptr);
        for (int i = 0; i < t.liste->n; ++i) {
            ASSERT_NE(t.liste->v[i], nullptr) << "entry " << i;
            if (t.largeur != 0) {
                EXPECT_EQ(std::strlen(t.liste->v[i]), t.largeur) << "entry " << i;
            }
        }
    }
}

TEST(ValAutListes, BlankListsHoldOnlyBlanks) {
    const Liste* blancs[] = {&quatreBlancs, &cinqBlancs,   &HuitBlancs,   &DouzeBlancs,
                             &quatorzeBlancs, &vingtBlancs, &trenteBlancs, &soixanteBlancs};
    for (const Liste* l : blancs)
        EXPECT_EQ(std::strspn(l->v[0], " "), std::strlen(l->v[0])) << l->v[0];
    EXPECT_STREQ(HuitBlancsFal.v[0], "        ");
    EXPECT_STREQ(NB.v[0], "NB                            ");
    EXPECT_STREQ(MORTNE.v[0], "MORTNE      ");
}

// Full content, entries joined by the separator.
struct Contenu {
    const char* nom;
    const Liste* liste;
    char sep;
    const char* attendu;
};

const Contenu contenus[] = {
    {"TD", &TD, ' ',
     "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 21 22 23 24 25 26 27 28 29 "
     "30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 "
     "58 59 60 61 62 63 64 65 66 67 68 69 70 71 72 73 74 75 76 77 78 79 80 81 82 83 84 85 "
     "86 87 88 89 90 91 92 93 94 95 20 97 98"},
    {"TDD", &TDD, ' ',
     "001 002 003 004 005 006 007 008 009 010 011 012 013 014 015 016 017 018 019 021 022 "
     "023 024 025 026 027 028 029 030 031 032 033 034 035 036 037 038 039 040 041 042 043 "
     "044 045 046 047 048 049 050 051 052 053 054 055 056 057 058 059 060 061 062 063 064 "
     "065 066 067 068 069 070 071 072 073 074 075 076 077 078 079 080 081 082 083 084 085 "
     "086 087 088 089 090 091 092 093 094 095 02A 02B 971 972 973 976 974 098"},
    {"TDC", &TDC, '|',
     "001IPG  |002IPG  |003IPG  |004IPG  |005IPG  |006IPG  |007IPG  |008IPG  |009IPG  |"
     "010IPG  |011IPG  |012IPG  |013IPG  |014IPG  |015IPG  |016IPG  |017IPG  |018IPG  |"
     "019IPG  |021IPG  |022IPG  |023IPG  |024IPG  |025IPG  |026IPG  |027IPG  |028IPG  |"
     "029IPG  |030IPG  |031IPG  |032IPG  |033IPG  |034IPG  |035IPG  |036IPG  |037IPG  |"
     "038IPG  |039IPG  |040IPG  |041IPG  |042IPG  |043IPG  |044IPG  |045IPG  |046IPG  |"
     "047IPG  |048IPG  |049IPG  |050IPG  |051IPG  |052IPG  |053IPG  |054IPG  |055IPG  |"
     "056IPG  |057IPG  |058IPG  |059IPG  |060IPG  |061IPG  |062IPG  |063IPG  |064IPG  |"
     "065IPG  |066IPG  |067IPG  |068IPG  |069IPG  |070IPG  |071IPG  |072IPG  |073IPG  |"
     "074IPG  |075IPG  |076IPG  |077IPG  |078IPG  |079IPG  |080IPG  |081IPG  |082IPG  |"
     "083IPG  |084IPG  |085IPG  |086IPG  |087IPG  |088IPG  |089IPG  |090IPG  |091IPG  |"
     "092IPG  |093IPG  |094IPG  |095IPG  |02AIPG  |02BIPG  |971IPG  |972IPG  |973IPG  |"
     "974IPG  |976IPG  "},
    {"TECH", &TECH, ' ',
     "AT BE BG CH CY CZ DE DK EE EL ES FI FR HR HU IE IT LU LV LT MT NL PL PT RO SE SI UK "
     "SK XI"},
    {"TP", &TP, ' ',
     "AF ZA AL DZ DE AD AO AI AQ AG AN SA AR AM AW AU AT AZ BS BH BD BB BY BE BZ BJ BM BT "
     "BO BA BW BV BR BN BG BF BI KY KH CM CA CV CF CL CN CX CY CC CO KM CG CK KR KP CR CI "
     "HR CU DK DJ DO DM EG SV AE EC ER ES EE US ET FK FO FJ FI FR FX GA GM GE GS GH GI EL "
     "GD GL GP GU GT GN GW GQ GY GF HT HM HN HK HU UM VG VI IN ID IR IQ IE IS IL IT JM JP "
     "JO KZ KE KG KI KW LA LS LV LB LR LY LI LT LU MO MG MY MW MV ML MT MP MA MH MQ MU MR "
     "YT MX FM MC MD MN MS MZ MM NA NR NP NI NE NG NU NF NO NC NZ IO OM UG UZ PK PW PA PG "
     "PY NL PE PH PN PL PF PR PT QA RE RO UK RU RW EH SH KN LC SM PM VC SB WS AS ST SN SC "
     "SL SG SK SI SO SD LK SE CH SR SJ SZ SY TJ TW TZ TD CZ TF TH TG TK TO TT TN TM TC TR "
     "TV UA UY VU VA VE VN WF YE ZM ZW CD MK ME RS PS TL BL MF GB XI"},
    {"TCPNOCEE", &TCPNOCEE, ' ',
     "AF ZA AL DZ AD AO AI AQ AG AN SA AR AM AW AU AZ BS BH BD BB BY BZ BJ BM BT BO BA BW "
     "BV BR BN BF BI KY KH CM CA CV CF CL CN CX CC CO KM CG CK KR KP CR CI CU DJ DO DM EG "
     "SV AE EC ER US ET FK FO FJ FX GA GM GE GS GH GI GD GL GP GU GT GN GW GQ GY GF HT HM "
     "HN HK UM VG VI IN ID IR IQ IS IL JM JP JO KZ KE KG KI KW LA LS LB LR LY LI MO MG MY "
     "MW MV ML MP MA MH MQ MU MR YT MX FM MC MD MN MS MZ MM NA NR NP NI NE NG NU NF NO NC "
     "NZ IO OM UG UZ PK PW PA PG PY PE PH PN PF PR QA RE RU RW EH SH KN LC SM PM VC SB WS "
     "AS ST SN SC SL SG SO SD LK CH SR SJ SZ SY TJ TW TZ TD TF TH TG TK TO TT TN TM TC TR "
     "TV UA UY VU VA VE VN WF YE ZM ZW CD MK ME XS PS TL BL MF GB"},
    {"TCPNOECH", &TCPNOECH, ' ',
     "AF ZA AL DZ AD AO AI AQ AG AN SA AR AM AW AU AZ BS BH BD BB BY BZ BJ BM BT BO BA BW "
     "BV BR BN BF BI KY KH CM CA CV CF CL CN CX CC CO KM CG CK KR KP CR CI CU DJ DO DM EG "
     "SV AE EC ER US ET FK FO FJ FX GA GM GE GS GH GI GD GL GP GU GT GN GW GQ GY GF HT HM "
     "HN HK UM VG VI IN ID IR IQ IS IL JM JP JO KZ KE KG KI KW LA LS LB LR LY LI MO MG MY "
     "MW MV ML MP MA MH MQ MU MR YT MX FM MC MD MN MS MZ MM NA NR NP NI NE NG NU NF NO NC "
     "NZ IO OM UG UZ PK PW PA PG PY PE PH PN PF PR QA RE RU RW EH SH KN LC SM PM VC SB WS "
     "AS ST SN SC SL SG SO SD LK SR SJ SZ SY TJ TW TZ TD TF TH TG TK TO TT TN TM TC TR TV "
     "UA UY VU VA VE VN WF YE ZM ZW CD MK ME XS PS TL BL MF GB"},
    {"TR", &TR, ' ',
     "00 10 11 12 13 14 15 17 18 19 20 21 22 23 24 25 26 28 29 30 31 32 33 34 35 36 37 38 "
     "39 41 42 43 44 45 46 48 49 51 52 53 54 55 56 57 58 61 63 64 65 66 69 71 72 73 74 75 "
     "76 77 78 79 80 81 82 85 86 88 90 92 95 97"},
    {"TRG", &TRG, ' ',
     "10 12 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 "
     "40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63 65 66 67 68 "
     "69 70 71 72 73 74 75 76 77 78 79 81 82 83 84 85 86 87 88 89 91 92 94 95 96 97 98 99"},
    {"TRSCRE", &TRSCRE, '|',
     "ASS.|CAT |CUMA|EARL|GAEC|GIE |M   |M.ME|MM  |MME |SA  |SARL|SCA |SCEA|SCEL|SCI |"
     "SEA |SEF |SICA|EPL |GFA |STEF|VVE |MMES|GAPE|INDI|COEX|EURL|COOP|CEQU|MAIR|CIA |"
     "SNC |LEPA|AUTR|SAS |AFP |GP  |SCL |SCP |ENTR|MLLE|SOC |EIRL|SASU|EI  |SCIC"},
    {"TRSMOD", &TRSMOD, '|',
     "ASS.|CAT |CUMA|EARL|ETS |GAEC|GIE |M   |MR  |M.ME|MLE |MM  |MME |SA  |SARL|SCA |"
     "SCEA|SCEL|SCI |SEA |SEF |SICA|STE |EPL |GFA |STEF|VVE |MMES|GAPE|MRS |INDI|COEX|"
     "EURL|COOP|CEQU|MAIR|CIA |SNC |LEPA|AUTR|SAS |AFP |GP  |SCL |SCP |ENTR|MLLE|SOC |"
     "EIRL|SASU|EI  |SCIC"},
    {"principal::TEC", &principal::TEC, '|',
     "001IPG  |003IPG  |013ARS  |018IPG  |021IPG  |023IPG  |025ARS  |02BIPG  |036IPG  |"
     "038IPG  |042ARS  |043IPG  |054ARS  |058IPG  |059ARS  |063IPG  |071IPG  |074ARS  |"
     "081ARS  |089ARS  |350ARS  |971IPG  |972IPG  |973IPG  |974IPG  |976IPG  "},
    {"variante::TEC", &variante::TEC, '|',
     "001IPG  |003IPG  |013ARS  |018IPG  |021IPG  |023IPG  |025ARS  |036IPG  |038IPG  |"
     "042ARS  |043IPG  |054ARS  |058IPG  |059ARS  |063IPG  |071IPG  |074ARS  |081ARS  |"
     "089ARS  |350ARS  |020ARS  |971IPG  |972IPG  |973IPG  |974IPG  |976IPG  "},
    {"principal::TEDC", &principal::TEDC, '|',
     "013ARS  |004IPG  |013ARS  |005IPG  |013ARS  |006IPG  |013ARS  |013IPG  |013ARS  |"
     "083IPG  |013ARS  |084IPG  |025ARS  |025IPG  |025ARS  |039IPG  |025ARS  |070IPG  |"
     "025ARS  |090IPG  |025ARS  |008IPG  |025ARS  |051IPG  |042ARS  |007IPG  |042ARS  |"
     "026IPG  |042ARS  |038IPG  |042ARS  |042IPG  |042ARS  |069IPG  |054ARS  |052IPG  |"
     "054ARS  |054IPG  |054ARS  |055IPG  |054ARS  |057IPG  |054ARS  |067IPG  |054ARS  |"
     "068IPG  |054ARS  |088IPG  |059ARS  |002IPG  |059ARS  |059IPG  |059ARS  |060IPG  |"
     "059ARS  |062IPG  |059ARS  |080IPG  |074ARS  |073IPG  |074ARS  |074IPG  |081ARS  |"
     "009IPG  |081ARS  |011IPG  |081ARS  |012IPG  |081ARS  |015IPG  |081ARS  |019IPG  |"
     "081ARS  |02AIPG  |081ARS  |024IPG  |081ARS  |030IPG  |081ARS  |031IPG  |081ARS  |"
     "032IPG  |081ARS  |033IPG  |081ARS  |034IPG  |081ARS  |040IPG  |081ARS  |046IPG  |"
     "081ARS  |047IPG  "},
    {"variante::TEDC", &variante::TEDC, '|',
     "013ARS  |004IPG  |013ARS  |005IPG  |013ARS  |006IPG  |013ARS  |013IPG  |013ARS  |"
     "083IPG  |013ARS  |084IPG  |025ARS  |025IPG  |025ARS  |039IPG  |025ARS  |070IPG  |"
     "025ARS  |090IPG  |025ARS  |008IPG  |025ARS  |051IPG  |042ARS  |007IPG  |042ARS  |"
     "026IPG  |042ARS  |038IPG  |020ARS  |02AIPG  |020ARS  |02BIPG  |042ARS  |042IPG  |"
     "042ARS  |069IPG  |054ARS  |052IPG  |054ARS  |054IPG  |054ARS  |055IPG  |054ARS  |"
     "057IPG  |054ARS  |067IPG  |054ARS  |068IPG  |054ARS  |088IPG  |059ARS  |002IPG  |"
     "059ARS  |059IPG  |059ARS  |060IPG  |059ARS  |062IPG  |059ARS  |080IPG  |074ARS  |"
     "073IPG  |074ARS  |074IPG  |081ARS  |009IPG  |081ARS  |011IPG  |081ARS  |012IPG  |"
     "081ARS  |015IPG  |081ARS  |019IPG  |081ARS  |024IPG  |081ARS  |030IPG  |081ARS  |"
     "031IPG  |081ARS  |032IPG  |081ARS  |033IPG  |081ARS  |034IPG  |081ARS  |040IPG  |"
     "081ARS  |046IPG  "},
    {"TCME", &TCME, '|',
     "A|TOUJOURS|J|TOUJOURS|L|01011999|N|TOUJOURS|P|TOUJOURS|F|TOUJOURS|G|31122004"},
    {"TCMS", &TCMS, '|',
     "B|TOUJOURS|C|TOUJOURS|D|01011999|E|TOUJOURS|H|TOUJOURS|J|TOUJOURS|L|01011999|M|"
     "TOUJOURS|P|01011999|U|01011999|S|TOUJOURS|T|31122004"},
};

TEST(ValAutListes, FullContentInOrder) {
    for (const Contenu& c : contenus) {
        SCOPED_TRACE(c.nom);
        const std::vector<std::string> attendu = decouper(c.attendu, c.sep);
        ASSERT_EQ(c.liste->n, static_cast<int>(attendu.size()));
        for (int i = 0; i < c.liste->n; ++i)
            EXPECT_STREQ(c.liste->v[i], attendu[static_cast<std::size_t>(i)].c_str())
                << "entry " << i;
    }
}

struct Appartenance {
    const char* valeur;
    const char* nom;
    const Liste* liste;
    bool attendue;
};

const Appartenance appartenances[] = {
    {"01 ", "TD", &TD, false},
    {"01", "TD", &TD, true},
    {"20", "TD", &TD, true},
    {"2A", "TD", &TD, false},
    {"020", "TDD", &TDD, false},
    {"02A", "TDD", &TDD, true},
    {"02AIPG", "TDC", &TDC, false},
    {"02AIPG  ", "TDC", &TDC, true},
    {"020IPG  ", "TDC", &TDC, false},
    {"CH", "TP", &TP, true},
    {"CH", "TECH", &TECH, true},
    {"CH", "TCPNOCEE", &TCPNOCEE, true},
    {"CH", "TCEE", &TCEE, false},
    {"CH", "TCPNOECH", &TCPNOECH, false},
    {"RS", "TP", &TP, true},
    {"RS", "TCEE", &TCEE, false},
    {"RS", "TECH", &TECH, false},
    {"RS", "TCPNOCEE", &TCPNOCEE, false},
    {"RS", "TCPNOECH", &TCPNOECH, false},
    {"XS", "TP", &TP, false},
    {"XS", "TCEE", &TCEE, false},
    {"XS", "TECH", &TECH, false},
    {"XS", "TCPNOCEE", &TCPNOCEE, true},
    {"XS", "TCPNOECH", &TCPNOECH, true},
    {"FR", "TCPNOCEE", &TCPNOCEE, false},
    {"XI", "TCEE", &TCEE, true},
    {"XI", "TCPNOCEE", &TCPNOCEE, false},
    {"ETS ", "TRSMOD", &TRSMOD, true},
    {"ETS ", "TRSCRE", &TRSCRE, false},
    {"ETS", "TRSMOD", &TRSMOD, false},
    {"02BIPG  ", "principal::TEC", &principal::TEC, true},
    {"02BIPG  ", "variante::TEC", &variante::TEC, false},
    {"020ARS  ", "principal::TEC", &principal::TEC, false},
    {"020ARS  ", "variante::TEC", &variante::TEC, true},
};

TEST(ValAutListes, Membership) {
    for (const Appartenance& a : appartenances)
        EXPECT_EQ(contient(*a.liste, a.valeur), a.attendue)
            << '"' << a.valeur << "\" in " << a.nom;
}

// Each country of TP is either a member state or in TCPNOCEE (Serbia as XS),
// never both.
TEST(ValAutListes, CountryListsPartitionTp) {
    for (int i = 0; i < TP.n; ++i) {
        const bool rs = std::strcmp(TP.v[i], "RS") == 0;
        EXPECT_NE(contient(TCEE, TP.v[i]), contient(TCPNOCEE, rs ? "XS" : TP.v[i])) << TP.v[i];
    }
}

// IND_M: (centre, lowest block, highest block); the centres are those of TDC.
TEST(ValAutGroupes, IndMTriples) {
    ASSERT_EQ(IND_M.n % 3, 0);
    std::set<std::string> centres;
    for (int i = 0; i < IND_M.n; i += 3) {
        SCOPED_TRACE(IND_M.v[i]);
        EXPECT_TRUE(chiffres(IND_M.v[i + 1], 6));
        EXPECT_TRUE(chiffres(IND_M.v[i + 2], 6));
        EXPECT_LE(std::strcmp(IND_M.v[i + 1], IND_M.v[i + 2]), 0);
        EXPECT_TRUE(centres.insert(std::string(IND_M.v[i]) + "  ").second) << "centre twice";
    }
    std::set<std::string> tdc;
    for (int i = 0; i < TDC.n; ++i) tdc.insert(TDC.v[i]);
    EXPECT_EQ(centres, tdc);

    struct Triple {
        int rang;
        const char* centre;
        const char* bas;
        const char* haut;
    };
    const Triple reperes[] = {
        {0, "001IPG", "100000", "104999"},   {19, "02AIPG", "210000", "211999"},
        {20, "02BIPG", "212000", "214999"},  {75, "075IPG", "614000", "614499"},
        {85, "085IPG", "570000", "575009"},  {100, "976IPG", "650000", "655000"},
    };
    for (const Triple& t : reperes) {
        EXPECT_STREQ(IND_M.v[3 * t.rang], t.centre);
        EXPECT_STREQ(IND_M.v[3 * t.rang + 1], t.bas);
        EXPECT_STREQ(IND_M.v[3 * t.rang + 2], t.haut);
    }
}

// NEV: (centre, comma-separated two-letter prefixes); same centres as IND_M,
// in the same order.
TEST(ValAutGroupes, NevPairs) {
    ASSERT_EQ(NEV.n / 2, IND_M.n / 3);
    for (int k = 0; k < NEV.n / 2; ++k) {
        SCOPED_TRACE(NEV.v[2 * k]);
        EXPECT_STREQ(NEV.v[2 * k], IND_M.v[3 * k]);
        for (const std::string& p : decouper(NEV.v[2 * k + 1], ',')) {
            const bool paire = p.size() == 2 && std::isupper(static_cast<unsigned char>(p[0])) &&
                               std::isupper(static_cast<unsigned char>(p[1]));
            EXPECT_TRUE(p.empty() || paire) << '"' << p << '"';
        }
    }
    EXPECT_STREQ(NEV.v[1], "AA,BA,,HL");
    EXPECT_STREQ(NEV.v[3], "CA,DA,,IL");
    EXPECT_STREQ(NEV.v[2 * 22 + 1],
                 "CB,DB,EB,FB,GB,HB,IB,JB,KB,LB,MB,NB,OB,PB,QB,RB,SB,TB,UB,VB,WB,XB,YB,ZB,AC,BC,"
                 "II,DM,CP,DP,EP");
    EXPECT_STREQ(NEV.v[2 * 75 + 1], "EG");
    EXPECT_STREQ(NEV.v[201], "XP");
}

// TEDC: (ARS sender, IPG centre it may send for), in both forms.
TEST(ValAutGroupes, TedcPairs) {
    for (const Liste* l : {&principal::TEDC, &variante::TEDC}) {
        ASSERT_EQ(l->n % 2, 0);
        for (int i = 0; i < l->n; i += 2) {
            EXPECT_STREQ(l->v[i] + 3, "ARS  ") << i;
            EXPECT_STREQ(l->v[i + 1] + 3, "IPG  ") << i;
        }
    }
}

}  // namespace
