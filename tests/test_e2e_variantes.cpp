// The three variant programs run on files of every record type they know:
// what each accepts and writes, the order and the cap of the errors of a
// rejected record, the rules of the variant forms, and the same files through
// the four programs, to show where their answers differ and where they agree.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/corps.hpp"
#include "tests/avec_repertoire.hpp"

namespace {

using namespace vse::outils;
using P = Programme;
using Erreurs = std::vector<int>;
namespace fs = std::filesystem;

constexpr P variantes[] = {P::pf, P::l, P::d};

// Line positions of the fields the cases rewrite.
constexpr int pE8 = 27, pE9 = 35, pE10 = 43, pC3 = 77, pF5 = 256;

std::string retoucher(std::string ligne, const Morceaux& retouches) {
    for (const auto& [position, texte] : retouches) ligne = poser(ligne, position, texte);
    return ligne;
}

std::string six(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%06d", n);
    return b;
}

// The error numbers of an ERRE record.
Erreurs codesDe(const std::string& erre) {
    Erreurs r;
    for (std::size_t i = 111; i + 5 <= 230 && erre[i] == 'I'; i += 5) r.push_back(std::stoi(erre.substr(i + 1, 3)));
    return r;
}

// n times error 86, then `suite`.
Erreurs n86(int n, Erreurs suite = {}) {
    Erreurs r(static_cast<std::size_t>(n), 86);
    r.insert(r.end(), suite.begin(), suite.end());
    return r;
}

// The body position of the fields that identify a rejected record in its
// ERRE answer (C7, C8 of the ERRE record): its dispatch entry's two fields.
int identifiant(const std::string& type) {
    for (const auto& [t, position] : {std::pair<const char*, int>{"AVER", 63}, {"ECHA", 151}, {"ENTR", 88},
                                      {"IMPO", 151}, {"JALO", 79}, {"NAIS", 137}, {"REBO", 87}, {"SORT", 88}}) {
        if (type == t) return position;
    }
    return 0;  // LIST, ABAT, INFO: blanks
}

// Whether the program has a layout for the type.
bool connu(P p, const std::string& type) {
    if (type == "AVER" || type == "LIST") return p != P::principal;
    if (type == "ABAT" || type == "INFO") return p == P::principal || p == P::pf;
    return type != "FICH";
}

// What a line's answer must hold beyond its error numbers: the type and
// transaction it answers, its C1 and C2, and the two fields its dispatch
// entry names (blanks for a type the program does not know).
void verifierIdentification(const std::string& erre, const std::string& ligne, bool connu) {
    EXPECT_EQ(erre.substr(62, 7), ligne.substr(21, 4) + ligne.substr(18, 3));
    EXPECT_EQ(erre.substr(69, 14), connu ? ligne.substr(62, 14) : blancs(14));
    const int id = connu ? identifiant(ligne.substr(21, 4)) : 0;
    EXPECT_EQ(erre.substr(97, 14), id != 0 ? ligne.substr(static_cast<std::size_t>(id - 1), 14) : blancs(14));
}

class E2EVariantes : public AvecRepertoire {
protected:
    const std::string nomEntree = "EXP_0042_in.txt";
    const std::string entree = rep / nomEntree;
    const std::string sortie = rep / "out.txt";
    const std::string journal = rep / "run.log";

    Execution lancer(P p, const std::vector<std::string>& lignes) {
        ecrire(entree, fichier(lignes));
        return executer(p, {entree, sortie, journal});
    }
    std::vector<std::string> resultat() { return enregistrements(lire(sortie)); }

    // A line of a file and the errors its answer must carry (none: accepted).
    struct Ligne {
        std::string nom, texte;
        Erreurs erreurs;
    };

    // Runs the FICH record `f` and `lignes` through `p` and checks the answer:
    // one ERRE record per line expected rejected, in order, then one for the
    // FICH record when it has errors of its own, and the reply's counters.
    void verifierReponse(P p, Vse f, const std::vector<Ligne>& lignes, const Erreurs& erreursFich = {}) {
        const int n = static_cast<int>(lignes.size());
        f.corpsA(95, six(n));
        std::vector<std::string> tout{f.ligne()};
        std::vector<Ligne> rejets;
        for (const Ligne& l : lignes) {
            tout.push_back(l.texte);
            if (!l.erreurs.empty()) rejets.push_back(l);
        }
        const int nbRejets = static_cast<int>(rejets.size());
        if (!erreursFich.empty()) rejets.push_back({"FICH", f.ligne(), erreursFich});
        const Execution e = lancer(p, tout);
        if (rejets.empty()) {
            EXPECT_EQ(e.statut, 0) << masquerHorodatages(lire(sortie));
            return;
        }
        ASSERT_EQ(e.statut, 2) << e.erreurs;
        const std::vector<std::string> r = resultat();
        ASSERT_EQ(r.size(), rejets.size() + 1) << masquerHorodatages(lire(sortie));
        const int nbErr = static_cast<int>(rejets.size());
        EXPECT_EQ(r[0].substr(94, 24), six(nbErr) + six(n) + six(nbErr) + six(n - nbRejets));
        for (std::size_t k = 0; k < rejets.size(); ++k) {
            SCOPED_TRACE(rejets[k].nom);
            EXPECT_EQ(codesDe(r[k + 1]), rejets[k].erreurs);
            verifierIdentification(r[k + 1], rejets[k].texte, connu(p, rejets[k].texte.substr(21, 4)));
        }
    }
};

// ---------------------------------------------------------------- accepted

// Every record type of each variant with each transaction type its layout
// allows goes through unchanged but for the program's result code in 77-78,
// whatever code it came with where the program lets several through.
TEST_F(E2EVariantes, ChaqueTypeAccepte) {
    using Lignes = std::vector<std::pair<std::string, std::string>>;  // (type, transaction)
    const Lignes communes = {{"ECHA", "CRE"}, {"ENTR", "CRE"}, {"IMPO", "CRE"}, {"JALO", "CRE"}, {"NAIS", "CRE"},
                             {"REBO", "CRE"}, {"SORT", "CRE"}, {"AVER", "DEM"}, {"LIST", "DEM"}};
    Lignes pf = communes;
    pf.insert(pf.end(), {{"ABAT", "CRE"}, {"ABAT", "INV"}, {"ABAT", "MOD"}});
    struct Lot {
        P p;
        const char *e3, *e4;  // the file's sender and receiver (nullptr: the program's own)
        Lignes lignes;
        std::vector<std::string> c3;  // result codes received, taken in turn
    };
    const Lot lots[] = {
        {P::l, nullptr, nullptr, communes, {"10", "  "}},
        {P::d, nullptr, nullptr, communes, {"10", "  "}},
        {P::pf, nullptr, nullptr, pf, {"10"}},
        // A slaughter record may come with any code.
        {P::pf, nullptr, nullptr, {{"ABAT", "CRE"}, {"ABAT", "MOD"}}, {"  ", "40"}},
        // Information requests come from a partner to the national base.
        {P::pf, "NORM02  ", "031BDN  ", {{"INFO", "DEM"}, {"NAIS", "CRE"}}, {"10"}},
    };
    for (const Lot& lot : lots) {
        SCOPED_TRACE(std::string(nom(lot.p)) + " " + (lot.e3 ? lot.e3 : ""));
        Vse f = fich(lot.p, 0);
        if (lot.e3) f.avec(vse::E3, lot.e3).avec(vse::E4, lot.e4);
        std::vector<std::string> lignes, attendu;
        for (const std::string& c3 : lot.c3) {
            for (const auto& [type, e5] : lot.lignes) {
                lignes.push_back(retoucher(vseType(lot.p, type, e5).ligne(), {{pC3, c3}}));
                attendu.push_back(poser(lignes.back(), pC3, std::string{codeResultat(lot.p), '0'}));
            }
        }
        const int n = static_cast<int>(lignes.size());
        f.corpsA(95, six(n));
        lignes.insert(lignes.begin(), f.ligne());
        // The file record: "INF", the count in C6, C9 blank.
        Vse reponse = f;
        reponse.avec(vse::E5, "INF").corpsA(113, six(n)).corpsA(126, blancs(105));
        attendu.insert(attendu.begin(), reponse.ligne());

        const Execution e = lancer(lot.p, lignes);
        EXPECT_EQ(e.statut, 0) << masquerHorodatages(lire(sortie));
        EXPECT_EQ(resultat(), attendu);
        EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out.txt", "run.log"}));
    }
}

// ---------------------------------------------------------------- rejected

// Lines of each variant's own frame, one file per program: the error numbers
// in the order of the checks (file-level checks, header, body rows in table
// order, the result code C3, trailer), at most ten, with the transaction
// types each layout forbids, and the rules of the variant forms. The same
// line gets the same answer from the three programs, but for the result-code
// error: C3 stands for 807 in delvoranpf, 806 in delvoranl and delvorand.
TEST_F(E2EVariantes, ErreursDansLOrdre) {
    constexpr int C3 = -1;
    const std::pair<int, std::string> E9 = {pE9, "AB CDEFG"}, C3X = {pC3, "99"}, F5X = {pF5, "+"};
    const std::string MORTNE = "MORTNE      ";
    struct Cas {
        const char *nom, *type, *e5;
        Morceaux retouches;
        Erreurs attendu;
        bool pfSeul = false;  // ABAT and INFO
    };
    const Cas cas[] = {
        // Header, an early and a late body field written in reverse, C3, trailer.
        {"aver", "AVER", "DEM", {E9, {79, "FR"}, {63, "DE"}, C3X, F5X}, {89, 21, 49, C3, 94}},
        {"list", "LIST", "DEM", {E9, {95, "2"}, {65, "0123456A    "}, C3X, F5X}, {89, 68, 133, C3, 94}},
        {"echa", "ECHA", "CRE", {E9, {175, "0"}, {63, "FR"}, C3X, F5X}, {89, 1, 54, C3, 94}},
        {"entr", "ENTR", "CRE", {E9, {184, "2"}, {79, "32062024"}, C3X, F5X}, {89, 22, 52, 83, C3, 94}},
        {"impo", "IMPO", "CRE", {E9, {181, "1"}, {65, "0123450000  "}, C3X, F5X}, {89, 118, 54, C3, 94}},
        {"jalo", "JALO", "CRE", {E9, {222, "X"}, {93, "01072024"}, C3X, F5X}, {89, 52, 119, C3, 94}},
        {"nais", "NAIS", "CRE", {E9, {159, "2"}, {79, "3"}, C3X, F5X}, {89, 3, 34, C3, 94}},
        {"rebo", "REBO", "CRE", {E9, {229, "X"}, {101, "X"}, C3X, F5X}, {89, 804, 69, C3, 94}},
        {"sort", "SORT", "CRE", {E9, {90, blancs(12)}, {87, "Z"}, C3X, F5X}, {89, 23, 21, 68, C3, 94}},
        // Slaughter records are free of the C3 check; information requests
        // from another sender than NORM02 or PFOC01, to another receiver
        // than the national base, are refused before the header is checked.
        {"abat", "ABAT", "CRE", {E9, {63, "XX"}, C3X, F5X}, {89, 1, 94}, true},
        {"info", "INFO", "DEM", {E9, {63, "XX"}, C3X, F5X}, {110, 85, 89, 1, C3, 94}, true},
        // Transaction types a layout forbids: 86 from the header, then one per
        // rule row of the body; ten at most, then neither C3 nor trailer.
        {"nais INV", "NAIS", "INV", {C3X, F5X}, n86(10)},
        {"entr MOD", "ENTR", "MOD", {}, n86(10)},
        {"rebo INV", "REBO", "INV", {}, n86(10)},
        {"aver INV", "AVER", "INV", {}, n86(6)},
        {"list CRE", "LIST", "CRE", {C3X, F5X}, n86(9, {C3})},
        {"list CRE trailer", "LIST", "CRE", {F5X, {231, "32132024"}}, n86(9, {90})},
        // IMPO checks its country C1 under INV and MOD too.
        {"impo INV", "IMPO", "INV", {{63, "DE"}}, n86(1, {1, 86, 86, 86, 86, 86, 86, 86, 86})},
        {"impo MOD", "IMPO", "MOD", {}, n86(10)},
        // "INF" belongs to the FICH record: no body row applies under it.
        {"nais INF", "NAIS", "INF", {}, n86(10)},
        {"aver INF", "AVER", "INF", {}, n86(6)},
        // The entry flag C12 is free for the causes F and G only.
        {"entr F", "ENTR", "CRE", {{87, "F"}, {102, "DE"}, {184, "X"}}, {}},
        {"entr G", "ENTR", "CRE", {{79, "01062004"}, {87, "G"}, {102, "DE"}, {184, " "}}, {}},
        {"entr A", "ENTR", "CRE", {{184, " "}}, {83}},
        // Cause G ends with 2004; cause J may come up to a year after the
        // creation date (the movement dates read the cause C5).
        {"entr G 2024", "ENTR", "CRE", {{87, "G"}, {102, "DE"}}, {23}},
        {"entr J", "ENTR", "CRE", {{79, "01012025"}, {87, "J"}}, {}},
        {"sort J", "SORT", "CRE", {{79, "01012025"}, {87, "J"}}, {}},
        {"entr A apres", "ENTR", "CRE", {{79, "01012025"}}, {52}},
        // The LIST end date: absent as eight blanks or eight asterisks only.
        {"list ********", "LIST", "DEM", {{87, "********"}}, {}},
        {"list blanc", "LIST", "DEM", {{87, blancs(8)}}, {}},
        {"list **", "LIST", "DEM", {{87, "**      "}}, {22}},
        {"list 32", "LIST", "DEM", {{87, "32062024"}}, {22, 52}},
        {"list apres", "LIST", "DEM", {{87, "16062024"}}, {52}},
        // A calf born dead has the number MORTNE, whatever its holding, and no
        // work number; any other calf a work number and a number of the
        // département of its holding C17.
        {"mort-ne", "NAIS", "CRE", {{65, MORTNE}, {90, "    "}, {139, "02345678    "}}, {}},
        {"mort-ne numero", "NAIS", "CRE", {{65, MORTNE}}, {10}},
        {"sans numero", "NAIS", "CRE", {{90, "    "}}, {10}},
        {"autre dpt", "NAIS", "CRE", {{65, "0223456789  "}}, {805}},
        {"serie nulle", "NAIS", "CRE", {{65, "0123450000  "}}, {67}},
        {"presque mort-ne", "NAIS", "CRE", {{65, "MORTNE     X"}}, {67, 805}},
        // The optional details of a birth, checked only when C9 is "1".
        {"details", "NAIS", "CRE",
         {{104, "1"}, {151, "0"}, {152, "*"}, {153, " "}, {154, "1"}, {155, "12"}, {157, "  "}, {169, "1"},
          {170, "007"}},
         {}},
        {"details absents", "NAIS", "CRE", {{104, "1"}, {151, "*"}, {157, "**"}, {159, "*"}, {170, "***"}}, {}},
        {"details faux", "NAIS", "CRE",
         {{104, "1"}, {151, "2"}, {152, "6"}, {153, "X"}, {154, "9"}, {155, "00"}, {157, "7 "}, {169, "2"},
          {170, "000"}},
         {12, 800, 801, 13, 802, 803, 37, 53}},
        {"details ignores", "NAIS", "CRE",
         {{104, "0"}, {151, "2"}, {152, "6"}, {153, "X"}, {154, "9"}, {155, "00"}, {157, "7 "}, {169, "2"},
          {170, "000"}},
         {}},
        {"C9 2", "NAIS", "CRE", {{104, "2"}, {170, "7  "}}, {38}},
        {"C28 court", "NAIS", "CRE", {{104, "1"}, {170, "7  "}}, {53}},
    };
    for (P p : variantes) {
        SCOPED_TRACE(nom(p));
        const int erreurC3 = p == P::pf ? 807 : 806;
        std::vector<Ligne> lignes;
        for (const Cas& c : cas) {
            if (c.pfSeul && p != P::pf) continue;
            lignes.push_back({c.nom, retoucher(vseType(p, c.type, c.e5).ligne(), c.retouches), c.attendu});
            for (int& x : lignes.back().erreurs) x = x == C3 ? erreurC3 : x;
        }
        verifierReponse(p, fich(p, 0), lignes);
    }
}

// ---------------------------------------------------------------- four programs

// The same bytes through the four programs: the header rules of each
// program, its check of the result code C3 received and the types it knows
// make the answers differ. Expected errors in the order delvoran, delvoranpf,
// delvoranl, delvorand. The lines carry the variants' frame (a holding
// "01234567" in E8, the centre "001IPG  " in E10): delvoran refuses both and
// finds the holdings of its bodies outside that centre's département (50).
TEST_F(E2EVariantes, MemeFichierQuatreProgrammes) {
    using Quatre = std::array<Erreurs, 4>;
    struct Cas {
        const char *nom, *type, *e5;
        Morceaux retouches;
        Quatre attendu;
    };
    struct Fichier {
        const char *e3, *e4;
        Quatre fich;  // the errors of the FICH record itself
        std::vector<Cas> cas;
    };
    const Fichier fichiers[] = {
        // A partner's file to a centre: delvorand wants a holding as sender,
        // delvoran the national base as receiver; delvoranl wants "20" from a
        // partner.
        {"NORM01  ",
         "001IPG  ",
         {Erreurs{96}, {}, {}, {95}},
         {
             {"C3 10", "NAIS", "CRE", {}, {{{87, 88, 50, 50}, {}, {64}, {}}}},
             {"C3 20", "NAIS", "CRE", {{pC3, "20"}}, {{{87, 88, 50, 50}, {807}, {}, {806}}}},
             {"C3 blanc", "NAIS", "CRE", {{pC3, "  "}}, {{{87, 88, 50, 50}, {807}, {64}, {}}}},
             {"C3 xx", "NAIS", "CRE", {{pC3, "xx"}}, {{{87, 88, 50, 50, 64}, {807}, {64}, {806}}}},
             {"point focal", "NAIS", "CRE", {{pE8, "POINTFOC"}, {pE10, "BDN     "}},
              {{{}, {}, {87, 88, 64}, {87, 88}}}},
             {"office", "NAIS", "CRE", {{pE8, "OFFICE01"}, {pE9, blancs(8)}},
              {{{88, 50, 50}, {}, {87, 89, 64}, {87, 89}}}},
             {"E10 POINTFOC", "NAIS", "CRE", {{pE10, "POINTFOC"}}, {{{87, 88, 50, 50}, {88}, {88, 64}, {}}}},
             {"aver", "AVER", "DEM", {}, {{{85, 86, 87, 88}, {}, {64}, {}}}},
             {"list", "LIST", "DEM", {}, {{{85, 86, 87, 88}, {}, {64}, {}}}},
         }},
        // From a partner platform to the national base: only some records may
        // pass (182, after C3); delvoran also checks the sender against each
        // centre (135, first of all).
        {"000PFO  ",
         "031BDN  ",
         {Erreurs{95}, {95}, {95, 96}, {95, 96}},
         {
             {"nais", "NAIS", "CRE", {}, {{{135, 87, 88, 50, 50, 182}, {182}, {182}, {182}}}},
             {"nais C3", "NAIS", "CRE", {{pC3, "20"}},
              {{{135, 87, 88, 50, 50, 182}, {807, 182}, {806, 182}, {806, 182}}}},
             {"jalo", "JALO", "CRE", {}, {{{135, 87, 88, 50}, {}, {}, {}}}},
             {"entr F", "ENTR", "CRE", {{87, "F"}, {102, "DE"}}, {{{135, 87, 88, 50}, {}, {}, {}}}},
             {"entr A", "ENTR", "CRE", {}, {{{135, 87, 88, 50, 182}, {182}, {182}, {182}}}},
             {"sort S", "SORT", "CRE", {{87, "S"}, {102, "DE"}}, {{{135, 87, 88, 50}, {}, {}, {}}}},
             {"sort B", "SORT", "CRE", {}, {{{135, 87, 88, 50, 182}, {182}, {182}, {182}}}},
             {"aver", "AVER", "DEM", {}, {{{135, 85, 86, 87, 88}, {182}, {182}, {182}}}},
         }},
    };
    for (const Fichier& f : fichiers) {
        for (std::size_t i = 0; i < std::size(tousLesProgrammes); ++i) {
            const P p = tousLesProgrammes[i];
            SCOPED_TRACE(std::string(nom(p)) + " " + f.e3);
            std::vector<Ligne> lignes;
            for (const Cas& c : f.cas)
                lignes.push_back({c.nom, retoucher(vseType(P::l, c.type, c.e5).ligne(), c.retouches), c.attendu[i]});
            verifierReponse(p, fich(P::l, 0).avec(vse::E3, f.e3).avec(vse::E4, f.e4), lignes, f.fich[i]);
        }
    }
}

// Each program's own frame and the same body: a fault of a field that both
// forms check is found the same way by the four programs; the variant forms
// check fields the main form leaves out, and the reverse.
TEST_F(E2EVariantes, MemeCorpsQuatreProgrammes) {
    const std::string MORTNE = "MORTNE      ";
    struct Cas {
        const char *nom, *type;
        Morceaux retouches;
        Erreurs principal, variantes;
    };
    const Cas cas[] = {
        // The variant bodies pass the main form too.
        {"echa", "ECHA", {}, {}, {}},
        {"entr", "ENTR", {}, {}, {}},
        {"impo", "IMPO", {}, {}, {}},
        {"jalo", "JALO", {}, {}, {}},
        {"nais", "NAIS", {}, {}, {}},
        {"rebo", "REBO", {}, {}, {}},
        {"sort", "SORT", {}, {}, {}},
        // The same fault, the same answer.
        {"jalo C10", "JALO", {{222, "X"}}, {119}, {119}},
        {"nais C5", "NAIS", {{80, "99"}}, {4}, {4}},
        {"sort C5", "SORT", {{87, "Z"}}, {23}, {23}},
        {"impo C2", "IMPO", {{65, "0123450000  "}}, {118}, {118}},
        {"entr C4", "ENTR", {{79, "16062024"}}, {52}, {52}},
        // The forms differ: exchange countries (CH) in the main form, Union
        // countries only in the variants; a calf of another département is
        // outside the centre (50) or the holding of birth (805); a calf born
        // dead, known to the variants only; fields only the variants check.
        {"echa CH", "ECHA", {{63, "CH"}}, {}, {1}},
        {"nais autre dpt", "NAIS", {{65, "0223456789  "}}, {50}, {805}},
        {"mort-ne", "NAIS", {{65, MORTNE}, {90, "    "}}, {67, 50, 10}, {}},
        {"nais C9", "NAIS", {{104, "2"}}, {}, {38}},
        {"entr C12", "ENTR", {{184, "2"}}, {}, {83}},
        {"rebo C7", "REBO", {{101, "X"}}, {}, {804}},
    };
    for (P p : tousLesProgrammes) {
        SCOPED_TRACE(nom(p));
        std::vector<Ligne> lignes;
        for (const Cas& c : cas) {
            Vse v = vseType(p, c.type, "CRE");
            v.corps = corpsValide(P::l, c.type, "CRE");
            v.corpsA(pC3, "10");
            lignes.push_back({c.nom, retoucher(v.ligne(), c.retouches), p == P::principal ? c.principal : c.variantes});
        }
        verifierReponse(p, fich(p, 0), lignes);
    }
}

// delvoranpf alone adds "_pf" to its temporary names: a directory in the way
// of the moved input stops only the programs that would use its name.
TEST_F(E2EVariantes, NomsTemporaires) {
    for (const char* suffixe : {"_r", "_r_pf"}) {
        for (P p : variantes) {
            SCOPED_TRACE(std::string(nom(p)) + " " + suffixe);
            fs::remove_all(rep.chemin());
            fs::create_directories(rep.chemin() / (nomEntree + suffixe) / "x");
            const Execution e = lancer(p, {fich(p, 1).ligne(), vseType(p).ligne()});
            const bool bloque = (p == P::pf) == (std::string(suffixe) == "_r_pf");
            EXPECT_EQ(e.statut, bloque ? 1 : 0);
            EXPECT_EQ(fs::exists(entree), bloque);
            EXPECT_EQ(fs::exists(sortie), !bloque);
        }
    }
}

}  // namespace
