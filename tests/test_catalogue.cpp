// The error catalogue against the tables it is read from: every number a
// table can record is listed, a layout's rows come out with their field,
// positions, transaction types, rule, list and dependance, the engine checks
// listed per program are those the packs make, both outputs are well formed,
// and the manual page carries the exact log texts and names every number of
// the frame and of the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "packs/main/pack.hpp"
#include "rules/base.hpp"
#include "rules/sens.hpp"
#include "rules/valautorise.hpp"
#include "tools/catalogue/catalogue.hpp"

namespace {

using namespace vse;
using catalogue::Entree;
using catalogue::Origine;
using catalogue::programmes;

// ---------------------------------------------------------------- coverage

// The numbers a table can record, counted apart from the catalogue's walk:
// the error of every verified row with a rule, and 86 for a body row that a
// transaction type forbids.
void nombresDe(const Table& t, bool corps, std::set<int>& n) {
    bool positionne = false;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        positionne = positionne || r.debut != 0;
        if (!positionne || r.pfVerif == nullptr) continue;
        n.insert(r.noErr);
        for (const int c : {r.typeCRE, r.typeDEM, r.typeINV, r.typeEDI, r.typeMOD}) {
            if (corps && c != 0 && c != 1) n.insert(86);
        }
    }
}

TEST(Catalogue, ListeChaqueNumeroQueLesTablesPeuventRelever) {
    for (const catalogue::Programme& p : programmes) {
        const Pack& pack = *p.pack;
        std::set<int> attendus;
        nombresDe(pack.tEntete, false, attendus);
        nombresDe(pack.tFin, false, attendus);
        nombresDe(pack.tFich, false, attendus);
        for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) nombresDe(pack.tAiguillage[i].tabVerif, true, attendus);
        // The frame alone records the numbers 84 to 98 but 92.
        EXPECT_GE(attendus.size(), 14u) << p.nom;

        const std::vector<Entree> es = catalogue::entrees(p);
        std::set<int> listes;
        for (const Entree& e : es) listes.insert(e.erreur);
        for (const int n : attendus) EXPECT_EQ(listes.count(n), 1u) << p.nom << " erreur " << n;

        // Every body row with a rule, under its record type and rule.
        for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
            const sAiguillage& a = pack.tAiguillage[i];
            bool positionne = false;
            for (int k = 0; k < a.tabVerif.n; ++k) {
                const sCorps& r = a.tabVerif.lignes[k];
                positionne = positionne || r.debut != 0;
                if (!positionne || r.pfVerif == nullptr) continue;
                const bool present = std::any_of(es.begin(), es.end(), [&](const Entree& e) {
                    return e.origine == Origine::Corps && e.type == a.nomVSE && e.erreur == r.noErr &&
                           e.regle == r.nomRegle;
                });
                EXPECT_TRUE(present) << p.nom << " " << a.nomVSE << " ligne " << k;
            }
        }
    }
}

// ---------------------------------------------------------------- walking a layout

// A body layout with every kind of row: a continuation row before any field
// (never verified), a field with a continuation row, a field without rule,
// forbidden transaction types and the four kinds of dependance.
const sCorps tEssai[] = {
    {C1, 0, 0, 0, 0, 0, 0, 0, RG(fVerifValAut), L0, none, 99},
    {C1, 63, 64, 0, 1, 1, 1, 1, RG(fVerifValAut), L(SEX), none, 31},
    {C1, 0, 0, 0, 0, 2, 2, 1, RG(fVerifDiffNull), L0, dep(E5), 32},
    {C2, 65, 76, 2, 2, 2, 2, 2, RG0, L0, none, 0},
    {C3, 77, 78, 2, 0, 0, 0, 0, RG(fVerifValAut), L(TD), depFich(E3), 40},
    {C4, 79, 80, 0, 0, 0, 0, 0, RG(fVerifValAut), L(TD), dep(C1), 41},
    {C5, 81, 81, 1, 1, 1, 1, 1, RG(fVerifDiffNull), L0, dep(F1), 42},
};
const sAiguillage aEssai[] = {
    {"NAIS", table(tEssai), NAIS, C16, C17},
    {"ZZZZ", tableVide, -1, CINC, CINC},
};

Pack packEssai() {
    Pack p = principal::pack;
    p.tAiguillage = aEssai;
    p.LEN_AIGUILLAGE = 2;
    return p;
}

using Ligne = std::tuple<int, Origine, std::string, std::string, int, int, std::string, std::string, std::string,
                         std::string, std::string>;

TEST(Catalogue, ParcourtUneTableLigneParLigne) {
    const Pack pack = packEssai();
    const catalogue::Programme essai{"essai", &pack, catalogue::DELVORAN};
    // Each row's description is its rule's meaning; a forbidden row's, the
    // meaning of the presence check.
    const std::string valAut = sensRegle("fVerifValAut", catalogue::DELVORAN);
    const std::string diffNull = sensRegle("fVerifDiffNull", catalogue::DELVORAN);
    const std::string interdit = sensControle(Controle::Presence, 86, catalogue::DELVORAN)->sens;
    std::vector<Ligne> obtenu;
    for (const Entree& e : catalogue::entrees(essai)) {
        if (e.origine != Origine::Corps && e.origine != Origine::Presence) continue;
        EXPECT_EQ(e.type, "NAIS");
        EXPECT_TRUE(e.aiguille);
        obtenu.emplace_back(e.erreur, e.origine, e.champ, e.appliquee, e.debut, e.fin, e.interdite, e.regle, e.liste,
                            e.dependance, e.description);
    }
    const std::vector<Ligne> attendu = {
        {31, Origine::Corps, "C1", "CRE", 63, 64, "", "fVerifValAut", "SEX", "", valAut},
        {32, Origine::Corps, "C1", "CRE DEM", 63, 64, "INV EDI", "fVerifDiffNull", "", "E5", diffNull},
        {40, Origine::Corps, "C3", "DEM INV EDI MOD", 77, 78, "CRE", "fVerifValAut", "TD", "FICH E3", valAut},
        {41, Origine::Corps, "C4", "CRE DEM INV EDI MOD", 79, 80, "", "fVerifValAut", "TD", "C1", valAut},
        {42, Origine::Corps, "C5", "", 81, 81, "", "fVerifDiffNull", "", "F1", diffNull},
        {86, Origine::Presence, "C1", "CRE DEM", 63, 64, "INV EDI", "fVerifDiffNull", "", "E5", interdit},
        {86, Origine::Presence, "C3", "DEM INV EDI MOD", 77, 78, "CRE", "fVerifValAut", "TD", "FICH E3", interdit},
    };
    EXPECT_EQ(obtenu, attendu);
}

// The header rows that check the FICH record only, or every record but it,
// are found by the rules themselves; the lists come from each program's rows.
TEST(Catalogue, LeCadreDeChaqueProgramme) {
    struct Cas {
        const char* programme;
        const char* listeE3;
        const char* listeE4;
        const char* listeE8;
        const char* listeE10;
    };
    const Cas cas[] = {
        {"delvoran", "TEC", "BDN031", "TDC", "BDN8"},
        {"delvoranpf", "TD", "TEC", "TD", "TDC"},
        {"delvoranl", "TD", "TEC", "TD", "TDC"},
        {"delvorand", "TD", "TEC", "TD", "TDC"},
    };
    for (const Cas& c : cas) {
        const catalogue::Programme* p = catalogue::programme(c.programme);
        ASSERT_NE(p, nullptr) << c.programme;
        std::vector<std::tuple<int, std::string, std::string, bool, std::string>> cadre;
        for (const Entree& e : catalogue::entrees(*p)) {
            if (e.origine == Origine::Entete || e.origine == Origine::Fin) {
                cadre.emplace_back(e.erreur, e.champ, e.type, e.saufFich, e.liste);
            }
        }
        const std::vector<std::tuple<int, std::string, std::string, bool, std::string>> attendu = {
            {84, "E5", "*", false, "tE5"},       {85, "E6", "*", false, "tE6"},
            {86, "E6", "*", false, ""},          {87, "E8", "*", true, c.listeE8},
            {88, "E10", "*", true, c.listeE10},  {89, "E9", "*", true, "HuitBlancs"},
            {90, "F1", "*", false, ""},          {91, "F2", "*", false, ""},
            {93, "F3", "FICH", false, "versionVSE"}, {94, "F5", "*", false, "ET1"},
            {95, "E3", "FICH", false, c.listeE3}, {96, "E4", "FICH", false, c.listeE4},
            {97, "E12", "FICH", false, "TOUQ"},  {98, "E13", "FICH", false, "NOUU"},
        };
        EXPECT_EQ(cadre, attendu) << c.programme;
    }
}

// ---------------------------------------------------------------- engine checks

bool listee(const std::vector<Entree>& es, int n) {
    return std::any_of(es.begin(), es.end(), [n](const Entree& e) { return e.origine == Origine::Code && e.erreur == n; });
}

TEST(Catalogue, LesControlesDuMoteurSontCeuxQueFontLesPacks) {
    const char* const emetteurs[] = {"NORM01  ", "NORM02  ", "PFOC01  ", "001IPG  ", "OFFICE01", "99000001"};
    const char* const codes[] = {"xx", "10", "20", "40", "  ", "00", "1"};
    const char* const types[] = {"NAIS", "ABAT", "ENTR", "SORT"};
    for (const catalogue::Programme& p : programmes) {
        const Pack& pack = *p.pack;
        const std::vector<Entree> es = catalogue::entrees(p);

        // The sender-for-centre check, with the pack's own list.
        EXPECT_EQ(listee(es, 135), pack.coherenceEmetteur != nullptr) << p.nom;
        for (const Entree& e : es) {
            if (e.origine == Origine::Code && e.erreur == 135) {
                EXPECT_EQ(e.liste, pack.coherenceEmetteur->nom);
            }
        }
        // The pairing of creations.
        EXPECT_EQ(listee(es, 105), pack.dependanceVSE() == 1) << p.nom;
        EXPECT_EQ(listee(es, 138), pack.dependanceVSE() == 1) << p.nom;

        // The result-code check: the numbers the pack's check gives are the
        // ones listed for C3.
        std::set<int> rendus;
        for (const char* s : emetteurs) {
            for (const char* c : codes) {
                for (const char* t : types) {
                    if (const int n = pack.erreurC3(s, c, t); n != 0) rendus.insert(n);
                }
            }
        }
        std::set<int> listes;
        for (const Entree& e : es) {
            if (e.origine == Origine::Code && e.champ == "C3" && e.aiguille) listes.insert(e.erreur);
        }
        EXPECT_FALSE(rendus.empty()) << p.nom;
        EXPECT_EQ(rendus, listes) << p.nom;
    }
}

// Where each check reads, resolved by the program's own layouts: the header
// and FICH fields everywhere, a body field by the record type's layout.
TEST(Catalogue, LeChampQueLitChaqueControle) {
    const Pack& pack = principal::pack;
    const auto lieu = [&](Controle c, int n, std::string_view type) {
        const catalogue::Lieu l = catalogue::lieuLu(pack, *sensControle(c, n, catalogue::DELVORAN), type);
        return std::tuple(l.champ, l.debut, l.fin, l.fich);
    };
    using T = std::tuple<std::string, int, int, bool>;
    EXPECT_EQ(lieu(Controle::CentreEmetteur, 135, "NAIS"), T("E8", 27, 34, false));
    EXPECT_EQ(lieu(Controle::InfoEmetteur, 110, "INFO"), T("FICH E3", 3, 10, true));
    EXPECT_EQ(lieu(Controle::CompteAnnonce, 100, "FICH"), T("C3", 95, 100, true));
    EXPECT_EQ(lieu(Controle::CodeResultat, 51, "NAIS"), T("C3", 77, 78, false));
    EXPECT_EQ(lieu(Controle::Appariement, 105, "EXP1"), T("C2", 65, 76, false));
    // A type the program does not know has no body field.
    EXPECT_EQ(lieu(Controle::CodeResultat, 51, "QQQQ"), T("C3", 0, 0, false));
}

// ---------------------------------------------------------------- outputs

// Valid UTF-8, in the forms the catalogue writes (Latin-1 letters: two bytes).
bool utf8Valide(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) continue;
        if ((c & 0xE0) != 0xC0 || i + 1 >= s.size() || (static_cast<unsigned char>(s[i + 1]) & 0xC0) != 0x80) {
            return false;
        }
        ++i;
    }
    return true;
}

// The fields of one CSV line (quotes doubled inside quoted fields).
std::vector<std::string> champsCsv(const std::string& ligne) {
    std::vector<std::string> r(1);
    bool cite = false;
    for (std::size_t i = 0; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if (cite && c == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"') {
            r.back() += '"';
            ++i;
        } else if (c == '"') {
            cite = !cite;
        } else if (c == ',' && !cite) {
            r.emplace_back();
        } else {
            r.back() += c;
        }
    }
    return r;
}

TEST(Catalogue, SortiesBienFormees) {
    const std::string csv = catalogue::csv();
    const std::string md = catalogue::markdown();
    EXPECT_TRUE(utf8Valide(csv));
    EXPECT_TRUE(utf8Valide(md));

    std::istringstream lignes(csv);
    std::string l;
    std::getline(lignes, l);
    EXPECT_EQ(l, "programme,version,erreur,origine,type,champ,debut,fin,appliquee,interdite,regle,liste,dependance,"
                 "description");
    std::set<std::string> arrets;
    int n = 0;
    while (std::getline(lignes, l)) {
        const std::vector<std::string> f = champsCsv(l);
        ASSERT_EQ(f.size(), 14u) << l;
        ++n;
        if (f[3] == "arret") arrets.insert(f[2]);
    }
    EXPECT_GT(n, 4 * 14);
    for (const catalogue::Arret& a : catalogue::arrets()) EXPECT_EQ(arrets.count(catalogue::codeArret(a.texte)), 1u);

    // Every row of a Markdown table has the cells of its header.
    std::istringstream m(md);
    std::size_t cellules = 0;
    while (std::getline(m, l)) {
        if (l.rfind("| ", 0) != 0 && l.rfind("|---", 0) != 0) {
            cellules = 0;
            continue;
        }
        std::size_t barres = 0;
        for (std::size_t i = 0; i < l.size(); ++i) {
            if (l[i] == '|' && (i == 0 || l[i - 1] != '\\')) ++barres;
        }
        if (cellules == 0) cellules = barres;
        EXPECT_EQ(barres, cellules) << l;
    }
}

// ---------------------------------------------------------------- manual page

#ifndef VSE_SOURCE_DIR
#define VSE_SOURCE_DIR "."
#endif

// The page's text with the roff escapes it uses turned back into Latin-1.
std::string pageEnClair(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    std::string t = s.str();
    const std::pair<const char*, const char*> echappements[] = {
        {"\\('e", "\xe9"}, {"\\(`e", "\xe8"}, {"\\(^e", "\xea"}, {"\\(`a", "\xe0"}, {"\\(,c", "\xe7"},
        {"\\(aq", "'"},    {"\\(lq", "\""},   {"\\(rq", "\""},   {"\\(en", "-"},    {"\\-", "-"},
        {"\\&", ""},       {"\\ ", " "},      {"\\fB", ""},      {"\\fI", ""},      {"\\fR", ""},
        {"\\fP", ""},
    };
    for (const auto& [de, vers] : echappements) {
        for (std::size_t i = t.find(de); i != std::string::npos; i = t.find(de, i)) {
            t.replace(i, std::char_traits<char>::length(de), vers);
            i += std::char_traits<char>::length(vers);
        }
    }
    return t;
}

TEST(PageDeManuel, DonneLeTexteExactDeChaqueArret) {
    const std::string page = pageEnClair(VSE_SOURCE_DIR "/man/delvoran.1");
    ASSERT_FALSE(page.empty());
    for (const catalogue::Arret& a : catalogue::arrets()) {
        // Built by appending: g++ 12 at -O2 and above warns (-Wrestrict) on a
        // literal + std::string it inlines, wrongly.
        std::string cite(1, '"');
        cite.append(a.texte).push_back('"');
        EXPECT_NE(page.find(cite), std::string::npos) << catalogue::codeArret(a.texte);
    }
}

TEST(PageDeManuel, NommeChaqueNumeroDuCadreEtDuMoteur) {
    const std::string page = pageEnClair(VSE_SOURCE_DIR "/man/delvoran.1");
    const auto nomme = [&page](int n) {
        const std::string s = std::to_string(n);
        for (std::size_t i = page.find(s); i != std::string::npos; i = page.find(s, i + 1)) {
            const bool avant = i == 0 || !std::isdigit(static_cast<unsigned char>(page[i - 1]));
            const bool apres = i + s.size() == page.size() || !std::isdigit(static_cast<unsigned char>(page[i + s.size()]));
            if (avant && apres) return true;
        }
        return false;
    };
    for (const catalogue::Programme& p : programmes) {
        for (const Entree& e : catalogue::entrees(p)) {
            if (e.origine != Origine::Corps && e.origine != Origine::Presence) {
                EXPECT_TRUE(nomme(e.erreur)) << p.nom << " erreur " << e.erreur;
            }
        }
    }
}

}  // namespace
