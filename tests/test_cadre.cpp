// The frame of the four programs: header and trailer rules row by row, the
// transaction and VSE type lists, the pack constants and dispatch tables, the
// result-code check, and whole lines and files through the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/moteur.hpp"
#include "packs/commun/cadre.hpp"
#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"
#include "tests/outils.hpp"

namespace {

using namespace vse;
using namespace vse::outils;
using P = Programme;
using Erreurs = std::vector<int>;


// The words of `texte`, split on `sep`.
std::vector<std::string> mots(const char* texte, char sep = ' ') {
    std::vector<std::string> r;
    std::istringstream s(texte);
    for (std::string m; std::getline(s, m, sep);)
        if (!m.empty() || sep != ' ') r.push_back(m);
    return r;
}
bool contient(const char* texte, const std::string& mot) {
    const std::vector<std::string> m = mots(texte);
    return std::find(m.begin(), m.end(), mot) != m.end();
}

// Applies the rows of `t` that check field `champ` (its row and the
// continuation rows after it), each with its own list and dependance, to
// `valeur` held in a block of exactly its length (ASan catches any read past
// its end), on a line whose header is `entete`. The errors of failing rows.
Erreurs appliquer(const Table& t, int champ, const std::string& valeur, const valeurVSE* entete) {
    Vue vue;
    vue.entete = entete;
    Erreurs erreurs;
    int courant = -1;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (r.debut != 0) courant = r.numChamp;
        if (courant != champ || r.pfVerif == nullptr) continue;
        const char* dep = r.dependance.zone == Zone::Entete ? entete[r.dependance.champ].valeur : "";
        std::unique_ptr<char[]> v(new char[valeur.size() + 1]);
        std::memcpy(v.get(), valeur.c_str(), valeur.size() + 1);
        if (r.pfVerif(vue, dep, v.get(), r.sverif ? r.sverif->v : nullptr, r.sverif ? r.sverif->n : 0) == 0)
            erreurs.push_back(r.noErr);
    }
    return erreurs;
}

struct Entete {
    valeurVSE v[NB_ENTETE] = {};
    Entete(const char* e5, const char* e6, const char* e8 = "001IPG  ") {
        std::strcpy(v[E5].valeur, e5);
        std::strcpy(v[E6].valeur, e6);
        std::strcpy(v[E8].valeur, e8);
    }
};

// ------------------------------------------------------------ header rules

TEST(CadreEntete, ReglesParProgramme) {
    const int erreurDe[NB_ENTETE] = {0, 0, 95, 96, 84, 85, 0, 87, 89, 88, 0, 97, 98};
    struct Cas {
        P p;
        numEnteteVSE champ;
        const char *e5, *e6, *e8, *passent, *echouent;  // values separated by '|'
    };
    const char* X = "001IPG  ";
    const Cas cas[] = {
        {P::principal, E3, "INF", "FICH", X, "001IPG  |OVINFOS |OFFICE42|ONICAB07|NORM02XY|PFOC01  ",
         "OVINFOS1|003ARS  |OFFIC"},
        {P::pf, E3, "INF", "FICH", X, "OFFICE01|NORM01  ", "NORMABEV|001IPG  "},
        {P::l, E3, "INF", "FICH", X, "01234567|99ABCDEF|NORM02  |PFOC0199", "0123456A|OFFICE01|00123456"},
        {P::d, E3, "INF", "FICH", X, "01234567|99000001", "NORM01  |9"},
        {P::principal, E4, "INF", "FICH", X, "031BDN  |NORM01  ", "001IPG  |031BDN"},
        {P::pf, E4, "INF", "FICH", X, "031BDN  |020ARS  |001IPG  ", "02BIPG  "},
        {P::l, E4, "INF", "FICH", X, "001IPG  |NORM01  ", "031BDN  "},
        {P::d, E4, "INF", "FICH", X, "001IPG  |SPIE0001|NORM02ZZ", "031BDN  |SPI"},
        {P::principal, E8, "CRE", "NAIS", X, "001IPG  |02AIPG  |POINTFOC|NORMABEV|OVINFOS |ONICAB01",
         "01234567|001ARS  "},
        {P::pf, E8, "CRE", "NAIS", X, "01234567|99000001|POINTFOC|OFFICE01|NORMABEV",
         "001IPG  |OVINFOS |0123456A"},
        {P::l, E8, "CRE", "NAIS", X, "01234567|99000001", "0123456A|POINTFOC|NORMABEV|00123456"},
        {P::d, E8, "CRE", "NAIS", X, "97123456", "01234"},
        {P::principal, E9, "CRE", "NAIS", "NORMABEV", "        |ABCDEFGH", "AB CDEFG|       "},
        {P::principal, E9, "CRE", "NAIS", "OFFICE01", "        ", ""},
        {P::principal, E9, "CRE", "NAIS", X, "ABCDEFGH", "        "},
        {P::pf, E9, "CRE", "NAIS", "ONICAB01", "        ", "AB CDEFG"},
        {P::pf, E9, "CRE", "NAIS", "01234567", "", "        "},
        {P::l, E9, "CRE", "NAIS", "NORMABEV", "ABCDEFGH", "        "},
        {P::d, E9, "CRE", "NAIS", "OFFICE01", "", "        "},
        {P::principal, E10, "CRE", "NAIS", X, "BDN     |NORMABEV", "BDN0    |001IPG  "},
        {P::pf, E10, "CRE", "NAIS", X, "001IPG  |BDN     ", "POINTFOC"},
        {P::l, E10, "CRE", "NAIS", X, "001IPG  ", "BDN     |POINTFOC"},
        {P::d, E10, "CRE", "NAIS", X, "001IPG  |POINTFOC", "SPIE0001|BDN     "},
        {P::d, E10, "DEM", "AVER", X, "SPIE0001", "SPI"},
        {P::d, E12, "INF", "FICH", X, "3|4", "|5"},
        {P::principal, E13, "INF", "FICH", X, "N|U", "X"},
    };
    for (const Cas& c : cas) {
        const Entete h(c.e5, c.e6, c.e8);
        for (bool passe : {true, false}) {
            for (const std::string& v : mots(passe ? c.passent : c.echouent, '|')) {
                EXPECT_EQ(appliquer(packDe(c.p).tEntete, c.champ, v, h.v),
                          passe ? Erreurs{} : Erreurs{erreurDe[c.champ]})
                    << nom(c.p) << " E" << c.champ + 1 << " '" << v << "' on " << c.e6;
            }
        }
    }
    // Sender, receiver, E12 and E13 are checked on the FICH record only, the
    // others on every line but that one; the version in F3 likewise.
    for (P p : tousLesProgrammes) {
        const Entete fich("INF", "FICH", "????????"), nais("CRE", "NAIS");
        for (numEnteteVSE e : {E3, E4, E12, E13}) EXPECT_EQ(appliquer(packDe(p).tEntete, e, "?", nais.v), Erreurs{});
        for (numEnteteVSE e : {E8, E9, E10}) EXPECT_EQ(appliquer(packDe(p).tEntete, e, "? ?", fich.v), Erreurs{});
        EXPECT_EQ(appliquer(packDe(p).tFin, F3, "024", fich.v), Erreurs{93});
        EXPECT_EQ(appliquer(packDe(p).tFin, F3, "025", fich.v), Erreurs{});
        EXPECT_EQ(appliquer(packDe(p).tFin, F3, "024", nais.v), Erreurs{});
    }
}

// ------------------------------------------------------------ type lists

// What each program accepts, as its lists say, in the order of Programme. ECQ
// has no list: every type passes the continuation rule with it.
struct Types {
    P p;
    const char *tE5, *tE6;
    const char* parE5[6];  // CRE, DEM, INV, EDI, MOD, INF
};
const char* const CRE_LD = "ECHA ENTR IMPO JALO NAIS REBO SORT";
const Types types[] = {
    {P::principal, "CRE INV MOD DEM EDI INF ECQ",
     "ABAT ACTI ASSO DETE DETI ECBO ECHA EGET ENTR ERRE ERTI EXP1 EXP2 FICH GROC IMOC IMPO INFO JALO NAIS "
     "NUMA NVMN PASS PICO RACO RATA REBO SORT",
     {"ABAT ACTI ASSO DETE DETI ECBO ECHA EGET ENTR ERTI EXP1 EXP2 GROC IMPO IMOC JALO NAIS NUMA NVMN "
      "PICO RACO RATA REBO SORT",
      "DETE GROC INFO NAIS PASS",
      "ABAT ACTI ASSO DETE DETI ECBO ECHA EGET ENTR ERTI EXP1 EXP2 IMPO IMOC NAIS NVMN PASS REBO RACO SORT",
      "PASS",
      "ABAT ACTI ASSO DETE DETI ECHA EGET ENTR ERTI EXP1 EXP2 IMPO NAIS NUMA NVMN RACO RATA REBO SORT",
      "FICH"}},
    {P::pf, "CRE INV MOD DEM INF", "ABAT AVER ECHA ENTR FICH IMPO INFO JALO LIST NAIS REBO SORT",
     {"ABAT ECHA ENTR IMPO JALO NAIS REBO SORT", "AVER INFO LIST", "ABAT", "", "ABAT", "FICH"}},
    {P::l, "CRE INV MOD DEM INF", "AVER ECHA ENTR FICH IMPO JALO LIST NAIS REBO SORT",
     {CRE_LD, "AVER LIST", "", "", "", "FICH"}},
    {P::d, "CRE INV MOD DEM INF", "AVER ECHA ENTR FICH IMPO JALO LIST NAIS REBO SORT",
     {CRE_LD, "AVER LIST", "", "", "", "FICH"}},
};

// The names of codeVSE in order, and the fields naming a rejected VSE in its
// ERRE answer, the same for a type in every program that knows it.
struct TypeVSE {
    const char* nom;
    numCorpsVSE c7, c8;
};
const TypeVSE typesVSE[] = {
    {"ABAT", CINC, CINC}, {"ACTI", C1, C2},     {"ASSO", C1, C2},     {"AVER", C1, C2},
    {"DETE", C1, C2},     {"DETI", C1, C2},     {"ECBO", CINC, CINC}, {"ECHA", C18, C19},
    {"EGET", CINC, CINC}, {"ENTR", C6, C7},     {"ERTI", CINC, CINC}, {"ERRE", CINC, CINC},
    {"EXP1", C1, C2},     {"EXP2", C1, C2},     {"FICH", CINC, CINC}, {"GROC", C4, C5},
    {"IMOC", C4, C5},     {"IMPO", C18, C19},   {"INFO", CINC, CINC}, {"JALO", C4, C5},
    {"LIST", CINC, CINC}, {"NAIS", C16, C17},   {"NUMA", C1, C2},     {"NVMN", C16, C17},
    {"PASS", C4, C5},     {"PICO", C1, C2},     {"RACO", C1, C2},     {"RATA", CINC, CINC},
    {"REBO", C5, C6},     {"SORT", C6, C7},
};

// Errors 84 (E5), 85 (E6) and 86 (type not allowed for the transaction).
TEST(CadreTypes, TransactionEtTypeParProgramme) {
    const char* const transactions[] = {"CRE", "DEM", "INV", "EDI", "MOD", "INF", "ECQ", "XYZ"};
    std::vector<std::string> noms{"ZZZZ", "nais"};
    for (const TypeVSE& t : typesVSE) noms.emplace_back(t.nom);
    for (const Types& t : types) {
        for (int i = 0; i < 8; ++i) {
            const std::string e5 = transactions[i];
            for (const std::string& e6 : noms) {
                Erreurs attendu;
                if (!contient(t.tE5, e5)) attendu.push_back(84);
                if (!contient(t.tE6, e6)) attendu.push_back(85);
                if (e5 != "ECQ" && (e5 == "XYZ" || !contient(t.parE5[i], e6))) attendu.push_back(86);
                const Entete h(e5.c_str(), e6.c_str());
                Erreurs vu = appliquer(packDe(t.p).tEntete, E5, e5, h.v);
                const Erreurs e = appliquer(packDe(t.p).tEntete, E6, e6, h.v);
                vu.insert(vu.end(), e.begin(), e.end());
                EXPECT_EQ(vu, attendu) << nom(t.p) << ' ' << e5 << ' ' << e6;
            }
        }
    }
}

// ------------------------------------------------------------ packs

TEST(CadrePack, ConstantesEtAiguillage) {
    struct Cas {
        P p;
        const char *variante, *version;
        char res;
        int dependance, len;
        const char* suffixe;
    };
    const Cas cas[] = {
        {P::principal, "DELVORAN  ", "2.23.0 ", '4', 1, 28, ""},
        {P::pf, "DELVORANPF", "2.25.0 ", '2', 0, 12, "_pf"},
        {P::l, "DELVORANL ", "2.25.0 ", '1', 0, 10, ""},
        {P::d, "DELVORAND ", "2.25.0 ", '1', 0, 10, ""},
    };
    for (const Cas& c : cas) {
        const Pack& k = packDe(c.p);
        SCOPED_TRACE(nom(c.p));
        EXPECT_STREQ(k.VARIANTE, c.variante);
        EXPECT_STREQ(k.version, c.version);
        EXPECT_EQ(k.delvoranRES(), c.res);
        EXPECT_EQ(k.dependanceVSE(), c.dependance);
        EXPECT_EQ(k.maxAutoVSE(), 1);
        EXPECT_STREQ(k.suffixeTemporaire, c.suffixe);
        EXPECT_EQ(k.coherenceEmetteur != nullptr, c.p == P::principal);  // error 135
        ASSERT_EQ(k.LEN_AIGUILLAGE, c.len);

        // Every type of tE6 but FICH has an entry, in the order of tE6, with
        // its code and ERRE fields; "ZZZZ" closes the table.
        int i = 0;
        for (const std::string& type : mots(types[static_cast<int>(c.p)].tE6)) {
            if (type == "FICH") continue;
            const sAiguillage& a = k.tAiguillage[i++];
            int code = 0;
            while (typesVSE[code].nom != type) ++code;
            EXPECT_EQ(a.nomVSE, type);
            EXPECT_EQ(a.code, code) << type;
            EXPECT_EQ(a.champErrC7, typesVSE[code].c7) << type;
            EXPECT_EQ(a.champErrC8, typesVSE[code].c8) << type;
        }
        const sAiguillage& z = k.tAiguillage[i];
        EXPECT_EQ(i, k.ERR_AIGUILLAGE());
        EXPECT_TRUE(z.nomVSE == std::string("ZZZZ") && z.tabVerif.n == 0 && z.code == -1 && z.champErrC7 == CINC &&
                    z.champErrC8 == CINC);
    }
}

// The result code as received (body C3), by the file's sender and the type.
TEST(CadrePack, CodeResultatRecu) {
    struct Cas {
        P p;
        const char *emetteur, *c3, *e6;
        int erreur;
    };
    const Cas cas[] = {
        {P::principal, "NORM01  ", "xx", "NAIS", 64}, {P::principal, "PFOC01  ", "xx", "NAIS", 64},
        {P::principal, "001IPG  ", "xx", "NAIS", 51}, {P::principal, "NORM01  ", "40", "NAIS", 0},
        {P::pf, "OFFICE01", "10", "NAIS", 0},         {P::pf, "OFFICE01", "20", "NAIS", 807},
        {P::pf, "OFFICE01", "  ", "NAIS", 807},       {P::pf, "OFFICE01", "20", "ABAT", 0},
        {P::l, "NORM01  ", "20", "NAIS", 0},          {P::l, "NORM02  ", "10", "NAIS", 64},
        {P::l, "99000001", "  ", "NAIS", 0},          {P::l, "99000001", "20", "NAIS", 806},
        {P::d, "NORM01  ", "20", "NAIS", 806},        {P::d, "99000001", "10", "NAIS", 0},
        {P::d, "99000001", "  ", "NAIS", 0},          {P::d, "99000001", "1", "NAIS", 806},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(packDe(c.p).erreurC3(c.emetteur, c.c3, c.e6), c.erreur) << nom(c.p) << ' ' << c.emetteur << c.c3;
}

// ------------------------------------------------------------ whole lines

// Runs the FICH record and `ligne` (if any) through a fresh engine of the
// program: the errors recorded on the last line, and the last ERRE record.
std::pair<Erreurs, std::string> passer(P p, const Vse& fichier, const Vse* ligne) {
    Banc m(packDe(p));
    int n = m->traitement(fichier.ligne().c_str(), noVisu, 1, FORMAT_UNIX);
    if (ligne != nullptr) n = m->traitement(ligne->ligne().c_str(), noVisu, 2, FORMAT_UNIX);
    const std::string contenu = m.erre();
    const std::string erre = contenu.size() >= LG_VSE ? contenu.substr(contenu.size() - LG_VSE) : "";
    return {Erreurs(m->codeErreur, m->codeErreur + n), erre};
}

using Champs = std::vector<std::pair<numEnteteVSE, const char*>>;
Vse avec(Vse v, const Champs& champs) {
    for (const auto& [e, valeur] : champs) v.avec(e, valeur);
    return v;
}

// The FICH record alone: its header errors are the file's; the line rules of
// E8 to E10 and the trailer are not applied to it.
TEST(CadreLigne, EnregistrementFich) {
    const std::pair<Champs, Erreurs> cas[] = {
        {{}, {}},
        {{{E8, "????????"}, {E9, "AB CDEFG"}, {E10, "????????"}}, {}},
        {{{E3, "????????"}, {E4, "????????"}, {E5, "CRE"}, {E12, "5"}, {E13, "X"}}, {95, 96, 86, 97, 98}},
    };
    for (P p : tousLesProgrammes) {
        for (const auto& [champs, attendu] : cas)
            EXPECT_EQ(passer(p, avec(fich(p, 1), champs), nullptr).first, attendu) << nom(p);
        const Vse f = fich(p, 1).avec(F1, "99999999").avec(F2, "999999").avec(F3, "024").avec(F5, "+");
        EXPECT_EQ(passer(p, f, nullptr).first, Erreurs{}) << nom(p);
    }
}

// One line after a valid FICH record. The main program's file comes from a
// partner, who may send for any centre (no error 135).
TEST(CadreLigne, LignesParProgramme) {
    struct Cas {
        bool tous;  // the case holds for the four programs
        P p;
        const char *type, *e5;
        Champs champs;
        Erreurs attendu;
    };
    const P T = P::principal;
    const Erreurs neuf86 = {86, 86, 86, 86, 86, 86, 86, 86, 86};
    const Erreurs e84et86 = [&] {
        Erreurs e{84};
        e.insert(e.end(), neuf86.begin(), neuf86.end());
        return e;
    }();
    // Header errors come first, then the body's: in the main program a centre
    // E8 that is no département rejects the holdings of the birth (error 50).
    const Cas cas[] = {
        {true, T, "NAIS", "CRE", {}, {}},
        {true, T, "NAIS", "CRE", {{E3, "????????"}, {E4, "????????"}, {E12, "5"}, {E13, "X"}}, {}},
        {false, P::principal, "NAIS", "CRE", {{E8, "XXXXXXXX"}, {E9, "AB CDEFG"}, {E10, "XXXXXXXX"}},
         {87, 89, 88, 50, 50}},
        {false, P::pf, "NAIS", "CRE", {{E8, "XXXXXXXX"}, {E9, "AB CDEFG"}, {E10, "XXXXXXXX"}}, {87, 89, 88}},
        {false, P::l, "NAIS", "CRE", {{E8, "XXXXXXXX"}, {E9, "AB CDEFG"}, {E10, "XXXXXXXX"}}, {87, 89, 88}},
        {false, P::d, "NAIS", "CRE", {{E8, "XXXXXXXX"}, {E9, "AB CDEFG"}, {E10, "XXXXXXXX"}}, {87, 89, 88}},
        // An unknown transaction type: error 86 on every rule row up to ten errors.
        {true, T, "NAIS", "XYZ", {}, e84et86},
        {false, P::principal, "NAIS", "CRE", {{E8, "NORMABEV"}, {E9, "        "}, {E10, "BDN0    "}}, {88, 50, 50}},
        {false, P::principal, "ERRE", "ECQ", {}, {}},
        {false, P::pf, "NAIS", "CRE", {{E8, "OFFICE12"}, {E9, "        "}}, {}},
        {false, P::pf, "ABAT", "DEM", {}, {86}},
        {false, P::pf, "INFO", "CRE", {}, {86, 86, 86, 86, 86, 86}},
        {false, P::l, "NAIS", "CRE", {{E8, "NORMABEV"}, {E9, "        "}}, {87, 89}},
        {false, P::l, "NAIS", "EDI", {}, e84et86},
        {false, P::l, "NAIS", "ECQ", {}, {84}},
        {false, P::d, "AVER", "DEM", {{E10, "SPIE0001"}}, {}},
        {false, P::d, "NAIS", "CRE", {{E10, "SPIE0001"}}, {88}},
    };
    for (const Cas& c : cas) {
        for (P p : tousLesProgrammes) {
            if (p != c.p && !c.tous) continue;
            const Vse f = p == P::principal ? fich(p, 1).avec(E3, "NORM01  ") : fich(p, 1);
            const Vse v = avec(vseType(p, c.type, c.e5), c.champs);
            EXPECT_EQ(passer(p, f, &v).first, c.attendu) << nom(p) << " |" << v.ligne() << '|';
        }
    }
    for (P p : tousLesProgrammes) {
        // A creation date of day 32, after every date of the body.
        const Vse v = vseType(p).avec(F1, "32122099").avec(F2, "240000").avec(F3, "024").avec(F5, "+");
        EXPECT_EQ(passer(p, fich(p, 1), &v).first, (Erreurs{90, 91, 94})) << nom(p);
    }
}

// A type without entry lands on "ZZZZ": neither body nor trailer is verified,
// and its ERRE answer names it with blank identification fields. A second
// FICH record is refused as such.
TEST(CadreLigne, TypeSansEntree) {
    for (P p : tousLesProgrammes) {
        SCOPED_TRACE(nom(p));
        Vse inconnu = vseType(p, "ZZZY", "CRE").avec(F5, "+");
        inconnu.corpsA(63, "12ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMNOP");
        const auto [erreurs, erre] = passer(p, fich(p, 1), &inconnu);
        EXPECT_EQ(erreurs, (Erreurs{85, 86}));
        ASSERT_EQ(erre.size(), static_cast<std::size_t>(LG_VSE));
        EXPECT_EQ(erre.substr(62, 7), "ZZZYCRE");
        EXPECT_EQ(erre.substr(69, 42), blancs(42));
        EXPECT_EQ(erre.substr(111, 11), "I0851I0861 ");

        const Vse fich2 = fich(p, 1).avec(F5, "+");
        EXPECT_EQ(passer(p, fich(p, 1), &fich2).first, Erreurs{109});
    }
}

// The built programs: the FICH record's errors close the reply; an accepted
// line leaves with the program's result code.
TEST(CadreExecution, ErreursDuFichEtCodeResultat) {
    for (P p : tousLesProgrammes) {
        SCOPED_TRACE(nom(p));
        RepertoireTemporaire rep;
        const std::string ligne = vseType(p).ligne();
        ecrire(rep / "refuse", fichier({fich(p, 1).avec(E4, "????????").avec(E13, "X").ligne(), ligne}));
        EXPECT_EQ(executer(p, {rep / "refuse", rep / "sortie", rep / "log"}).statut, 2);
        std::vector<std::string> r = enregistrements(lire(rep / "sortie"));
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[1].substr(62, 7), "FICHINF");
        EXPECT_EQ(r[1].substr(111, 11), "I0961I0981 ");

        ecrire(rep / "accepte", fichier({fich(p, 1).ligne(), ligne}));
        EXPECT_EQ(executer(p, {rep / "accepte", rep / "sortie", rep / "log"}).statut, 0);
        r = enregistrements(lire(rep / "sortie"));
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[1].substr(76, 2), (std::string{codeResultat(p), '0'}));
    }
}

}  // namespace
