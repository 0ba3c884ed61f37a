// delvoran end to end on each of its 27 record types: every transaction type
// a layout allows is accepted, rejections list their errors in the order of
// the checks, an ERRE answer names the record it rejects, and the checks that
// read another field, the slaughter view, the file's sender or the next
// record.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/corps.hpp"
#include "tests/avec_repertoire.hpp"

namespace {

using namespace vse::outils;
using vse::E3;
using vse::E8;
const Programme P = Programme::principal;

// Per record type: the transaction types it is accepted with, and where the
// two fields that identify it in an ERRE answer (2 and 12 characters) begin
// in the line (0: blank).
struct Type {
    const char* type;
    const char* transactions;
    int identifiant;
};
const Type types[] = {
    {"ABAT", "CRE INV MOD ECQ", 0},       {"ACTI", "CRE INV MOD ECQ", 63},  {"ASSO", "CRE INV MOD ECQ", 63},
    {"DETE", "CRE DEM INV MOD ECQ", 63},  {"DETI", "CRE INV MOD ECQ", 63},  {"ECBO", "CRE INV ECQ", 0},
    {"ECHA", "CRE INV MOD ECQ", 151},     {"EGET", "CRE INV MOD ECQ", 0},   {"ENTR", "CRE INV MOD ECQ", 88},
    {"ERRE", "ECQ", 0},                   {"ERTI", "CRE INV MOD ECQ", 0},   {"EXP1", "CRE INV MOD ECQ", 63},
    {"EXP2", "CRE INV MOD ECQ", 63},      {"GROC", "CRE DEM ECQ", 79},      {"IMOC", "CRE INV ECQ", 79},
    {"IMPO", "CRE INV MOD ECQ", 151},     {"INFO", "DEM", 0},               {"JALO", "CRE ECQ", 79},
    {"NAIS", "CRE DEM INV MOD ECQ", 137}, {"NUMA", "CRE MOD ECQ", 63},      {"NVMN", "CRE INV MOD ECQ", 137},
    {"PASS", "DEM INV EDI", 79},          {"PICO", "CRE ECQ", 63},          {"RACO", "CRE INV MOD ECQ", 63},
    {"RATA", "CRE MOD ECQ", 0},           {"REBO", "CRE INV MOD ECQ", 87},  {"SORT", "CRE INV MOD ECQ", 88},
};

std::vector<std::string> mots(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> r;
    for (std::string m; in >> m;) r.push_back(m);
    return r;
}

// The sender a type needs: a slaughter comes from an office (which is its
// own centre), an information request from a partner.
struct Emetteur {
    std::string code;
    std::string centre;  // E8 of its records; empty: the default "001IPG  "
};
Emetteur emetteurDe(const std::string& type) {
    if (type == "ABAT") return {"OFFICE01", "OFFICE01"};
    if (type == "INFO") return {"NORM02  ", ""};
    return {"001IPG  ", ""};
}

// A valid record of the type, from the sender of its type.
Vse valide(const std::string& type, const std::string& e5) {
    Vse v = vseType(P, type, e5);
    const std::string centre = emetteurDe(type).centre;
    if (!centre.empty()) v.avec(E8, centre);
    return v;
}

class E2EPrincipal : public AvecRepertoire {
protected:
    // Runs delvoran on the records behind a FICH record of `emetteur`.
    Execution lancer(const std::vector<std::string>& lignes, const std::string& emetteur = "001IPG  ") {
        std::vector<std::string> tout{fich(P, static_cast<int>(lignes.size())).avec(E3, emetteur).ligne()};
        tout.insert(tout.end(), lignes.begin(), lignes.end());
        ecrire(rep / "in", fichier(tout));
        return executer(P, {rep / "in", rep / "out", rep / "log"});
    }
    void verifier(const std::vector<struct Cas>& cas);
    // The records of the output after its file record.
    std::vector<std::string> sortie() {
        std::vector<std::string> r = enregistrements(lire(rep / "out"));
        if (!r.empty()) r.erase(r.begin());
        return r;
    }
};

// ---------------------------------------------------------------- accepted

// Every type with every transaction type it allows, an EXP1 or EGET creation
// followed by its EXP2 or RATA creation: the file comes back with each record
// unchanged but for the result code "40" (an ERRE under "ECQ" untouched).
TEST_F(E2EPrincipal, ChaqueTypeEtTransactionAcceptes) {
    const std::pair<std::string, std::string> paires[] = {{"EXP1", "EXP2"}, {"EGET", "RATA"}};
    for (const std::string emetteur : {"001IPG  ", "NORM02  ", "OFFICE01"}) {
        std::vector<std::string> lignes, attendu;
        auto ajouter = [&](const std::string& type, const std::string& e5) {
            const std::string l = valide(type, e5).ligne();
            lignes.push_back(l);
            attendu.push_back(type == "ERRE" ? l : poser(l, 77, "40"));
        };
        for (const Type& t : types) {
            if (emetteurDe(t.type).code != emetteur) continue;
            for (const std::string& e5 : mots(t.transactions)) {
                bool suivant = false, precedent = false;
                for (const auto& [tete, suite] : paires) {
                    suivant = suivant || (tete == t.type && e5 == "CRE");
                    precedent = precedent || (suite == t.type && e5 == "CRE");
                }
                if (precedent) continue;  // written right after its head
                ajouter(t.type, e5);
                if (suivant) ajouter(t.type == std::string("EXP1") ? "EXP2" : "RATA", "CRE");
            }
        }
        SCOPED_TRACE(emetteur);
        const Execution e = lancer(lignes, emetteur);
        EXPECT_EQ(e.statut, 0) << masquerHorodatages(lire(rep / "out"));
        const std::vector<std::string> r = sortie();
        ASSERT_EQ(r.size(), attendu.size());
        for (std::size_t i = 0; i < r.size(); ++i) EXPECT_EQ(r[i], attendu[i]) << i;
    }
}

// ---------------------------------------------------------------- rejected

// A record of the type made from the valid one, with texts written over it
// at their line positions (header and trailer included).
struct Cas {
    const char* type;
    const char* e5;
    Morceaux modifs;
    std::vector<int> codes;  // empty: accepted
    std::string emetteur = "";  // FICH sender; empty: that of the type
};

std::string ligneDe(const Cas& c) {
    std::string l = valide(c.type, c.e5).ligne();
    for (const auto& [position, texte] : c.modifs) l = poser(l, position, texte);
    return l;
}

// The error numbers of an ERRE record.
std::vector<int> codesDe(const std::string& erre) {
    std::vector<int> r;
    for (std::size_t i = 111; i + 5 <= 230 && erre[i] == 'I'; i += 5) r.push_back(std::stoi(erre.substr(i + 1, 3)));
    return r;
}

// What an ERRE answer says of the record it rejects: its type and
// transaction (63-69), its first two fields as cut (70-83; an ERRE record's
// are 4 and 3 characters, then 7 blanks) and the two fields its dispatch
// entry names (98-111).
void verifierIdentification(const std::string& ligne, const std::string& erre) {
    const std::string type = ligne.substr(21, 4);
    int identifiant = -1;
    for (const Type& t : types) {
        if (type == t.type) identifiant = t.identifiant;
    }
    ASSERT_NE(identifiant, -1) << type;
    EXPECT_EQ(erre.substr(62, 7), type + ligne.substr(18, 3));
    EXPECT_EQ(erre.substr(69, 14), type == "ERRE" ? ligne.substr(62, 7) + blancs(7) : ligne.substr(62, 14));
    EXPECT_EQ(erre.substr(83, 14), blancs(14));
    EXPECT_EQ(erre.substr(97, 14), identifiant == 0 ? blancs(14) : ligne.substr(identifiant - 1, 14));
}

// Runs the cases, the accepted ones and the rejected ones in a file of their
// own per sender: the accepted come back unchanged but for the result code,
// each rejected one is answered, in order, by its ERRE record.
void E2EPrincipal::verifier(const std::vector<Cas>& cas) {
    std::vector<std::string> emetteurs;
    for (const Cas& c : cas) {
        const std::string e = c.emetteur.empty() ? emetteurDe(c.type).code : c.emetteur;
        if (std::find(emetteurs.begin(), emetteurs.end(), e) == emetteurs.end()) emetteurs.push_back(e);
    }
    for (const std::string& emetteur : emetteurs) {
        for (const bool accepte : {true, false}) {
            std::vector<const Cas*> lot;
            std::vector<std::string> lignes;
            for (const Cas& c : cas) {
                const std::string e = c.emetteur.empty() ? emetteurDe(c.type).code : c.emetteur;
                if (e != emetteur || c.codes.empty() != accepte) continue;
                lot.push_back(&c);
                lignes.push_back(ligneDe(c));
            }
            if (lot.empty()) continue;
            SCOPED_TRACE(emetteur + (accepte ? " acceptes" : " rejetes"));
            const Execution e = lancer(lignes, emetteur);
            EXPECT_EQ(e.statut, accepte ? 0 : 2);
            const std::vector<std::string> r = sortie();
            ASSERT_EQ(r.size(), lot.size()) << masquerHorodatages(lire(rep / "out"));
            for (std::size_t i = 0; i < r.size(); ++i) {
                SCOPED_TRACE(std::string(lot[i]->type) + " " + lot[i]->e5 + " |" + lignes[i] + "|");
                if (accepte) {
                    EXPECT_EQ(r[i], lot[i]->type == std::string("ERRE") ? lignes[i] : poser(lignes[i], 77, "40"));
                } else {
                    EXPECT_EQ(codesDe(r[i]), lot[i]->codes);
                    verifierIdentification(lignes[i], r[i]);
                }
            }
        }
    }
}

const std::string B2 = "  ";
const std::string B8 = blancs(8);
const std::string B12 = blancs(12);
const std::string B30 = blancs(30);
// Result code "xx" as received (51, or 64 from a partner) and a trailer end
// mark other than "*" (94): the two checks after the body.
const std::pair<int, std::string> XX = {77, "xx"};
const std::pair<int, std::string> FIN = {256, "+"};

// One record per type (two for the larger layouts) failing one field per
// rule family: header errors, then the body rows in table order, the result
// code, the trailer.
TEST_F(E2EPrincipal, ErreursDansLOrdreDesControles) {
    verifier({
        // Nationality 1, holding of another centre 50, sex 3, a day 32 (5, then
        // after the creation date 52), no work number 10, a foreign number
        // without its country 114, no holding (2, 68, 50): ten, the rest is not
        // looked at.
        {"NAIS", "CRE", {{63, "XX"}, {65, "0223456789  "}, {79, "3"}, {82, "32062024"}, {90, "    "},
                         {123, "ABC         "}, {139, B12}, {160, "X"}, XX, FIN},
         {1, 50, 3, 5, 52, 10, 114, 2, 68, 50}},
        {"NAIS", "CRE",
         {{35, "A B     "}, {105, "XX"}, {119, "99"}, {137, "DE"}, {159, "2"}, {161, "20062024"}, XX, FIN},
         {89, 6, 8, 2, 83, 52, 51, 94}},
        // After the phase dates a modified birth names the mother's country, her
        // number and the holding (7, 7, 118, 2, 2, 68); C25 in BOOL (132).
        {"NAIS", "MOD", {{105, B2}, {107, B12}, {137, B2}, {139, B12}, {160, "2"}}, {7, 7, 118, 2, 2, 68, 132}},
        {"NVMN", "CRE", {{65, "0123450000  "}, {80, "99"}, {121, "XX"}, {151, B8}, XX, FIN},
         {67, 4, 14, 114, 134, 51, 94}},
        {"NUMA", "CRE", {{65, "02345678    "}, {81, "012345678A  "}, {93, "001001"}, {108, "XBE123  "},
                         {116, "ABE12   "}, XX, FIN},
         {50, 67, 177, 154, 153, 157, 51, 94}},
        // The last number of the range past 100000000 (179); a modification
        // leaves the date unchecked and checks the tag usage (150).
        {"NUMA", "MOD", {{81, "0199999999  "}, {93, "001000"}, {99, "01062025"}, {107, "9"}}, {179, 150}},
        {"REBO", "CRE", {{63, "DE"}, {65, "DE12        "}, {79, "01132024"}, {89, "0123456     "}, {220, B8}, XX, FIN},
         {1, 28, 52, 68, 153, 51, 94}},
        // Before 2011 a blank model passes, a witness tag "0" does not.
        {"REBO", "MOD", {{79, "01012010"}, {212, "00000000"}, {220, B8}, {228, "0"}}, {28, 191}},
        {"PASS", "DEM", {{63, "XX"}, {79, "DE"}, {81, B12}, {93, "10"}, XX, FIN}, {1, 25, 25, 68, 50, 44, 51, 94}},
        {"PASS", "EDI", {{95, "32012024"}, {105, "01062025"}, {113, "250000"}}, {102, 52, 103}},
        {"PASS", "INV", {{95, "32012024"}, {113, "250000"}, {119, "1"}}, {102, 103}},
        {"PICO", "CRE", {{79, "DE"}, {93, "000000"}, {107, "AZC123  "}, {115, "XX"}, {117, "XX"}, XX, FIN},
         {164, 48, 178, 166, 152, 158, 51, 94}},
        {"RACO", "CRE", {{79, "2024"}, {83, "XXXXXX"}, {89, "00010 "}, XX, FIN}, {168, 169, 170, 137, 51, 94}},
        {"IMOC", "CRE", {{63, "DE"}, {65, "105000      "}, {81, "03234567    "}, {93, "B"}, {94, "29022023"}, XX, FIN},
         {159, 50, 50, 162, 163, 51, 94}},
        {"IMOC", "INV", {{65, "1000001     "}}, {161}},
        {"GROC", "CRE", {{65, "99999912345 "}, {93, "01062025"}, {101, "AZE12A  "}, {109, B2}, {112, B8}, XX, FIN},
         {151, 52, 157, 152, 103, 51, 94}},
        // A consultation checks only the animal and the model.
        {"GROC", "DEM", {{63, "DE"}, {65, "DE123       "}, {81, B12}, {111, "9"}}, {1}},
        {"ABAT", "CRE", {{65, "012345678A  "}, {79, "ZZ"}, {93, "01011997"}, {117, "1000,01"}, {124, "DE"}, XX, FIN},
         {67, 31, 121, 126, 127, 51, 94}},
        // No animal, no holding of origin, a slaughter before 1998, a
        // slaughterhouse, a weight and a notifier malformed: ten.
        {"ABAT", "CRE", {{65, B12}, {81, B12}, {93, B8}, {101, "01011997"}, {109, "#1234567"}, {117, "350,50 "},
                         {126, "01234567890 "}, XX, FIN},
         {1, 67, 31, 68, 123, 68, 128, 125, 68, 51}},
        {"ENTR", "CRE", {{87, "L"}, {90, "02345678    "}, {102, "FR"}, {116, B30 + B30}, {185, "31052024"}, XX, FIN},
         {23, 50, 24, 24, 137, 51, 94}},
        // Cause F outside a creation (23) without its country (24); the date C11
        // without its day (58).
        {"ENTR", "MOD", {{87, "F"}, {176, "  062024"}, XX, FIN}, {23, 24, 58, 51, 94}},
        {"SORT", "CRE",
         {{65, "0123456789AB"}, {87, "S"}, {88, "DE"}, {104, "ABC         "}, {184, "20062024"}, XX, FIN},
         {67, 21, 24, 24, 52, 51, 94}},
        {"SORT", "CRE", {{102, "FR"}, {104, "0234567     "}}, {68}},
        {"IMPO", "CRE", {{65, "0123450000  "}, {82, "********"}, {107, "DE99        "}, {137, "DE"},
                         {139, "AB CD       "}, {165, "FR"}, {181, "1"}, XX, FIN},
         {118, 6, 2, 49, 54, 51, 94}},
        {"IMPO", "CRE", {{82, "  062024"}, {90, "    "}, {137, B2}, {167, blancs(14)}, {183, B8}}, {10, 115, 49, 134}},
        {"ECHA", "CRE", {{63, "FR"}, {105, "FR"}, {107, "0123456788AB"}, {137, B2}, {139, B12}, {175, "0"},
                         {177, "31052024"}, XX, FIN},
         {1, 67, 55, 55, 54, 137, 51, 94}},
        {"EXP1", "CRE", {{65, "0123456     "}, {79, "ETS "}, {113, B30 + B30 + blancs(5) + B30}, {222, "11"}, XX},
         {68, 32, 75, 75, 33, 82, 35, 51}},
        {"EXP2", "CRE", {{65, "02345678    "}, {79, "DE"}, {81, "020         "}, {141, "01062025"}, XX, FIN},
         {50, 30, 30, 52, 51, 94}},
        {"EXP2", "MOD", {{97, "DE"}, {99, B12}, {149, "32062024"}}, {76, 76, 76, 22, 52}},
        {"JALO", "CRE", {{63, "US"}, {65, "US12        "}, {81, "0123456     "}, {93, "00062024"}, {101, blancs(60)},
                         {221, "2"}, {222, "Z"}, XX, FIN},
         {118, 68, 22, 24, 117, 119, 51, 94}},
        {"ACTI", "CRE", {{65, "02345678    "}, {79, "2"}, {80, "31042024"}, {96, "X"}, XX, FIN},
         {50, 81, 36, 131, 51, 94}},
        // An explicit month 00 in a date that may lack its day.
        {"ACTI", "INV", {{80, "31042024"}, {88, "  002024"}}, {29}},
        {"ASSO", "CRE", {{65, "02345678    "}, {85, "73282932000075"}, {113, "31052024"}, XX, FIN},
         {50, 41, 149, 51, 94}},
        {"ASSO", "CRE", {{65, "ABC         "}, {79, "D"}, {105, "32012024"}}, {183, 174}},
        {"ASSO", "CRE", {{80, "AGRSA"}, {85, "9751234" + blancs(13)}}, {184}},
        {"ASSO", "CRE", {{80, "AGRIT"}, {85, "A1234567890" + blancs(9)}, {113, "32062024"}}, {181, 175, 52}},
        {"ASSO", "CRE", {{79, "D"}, {80, "SIREN"}, {85, "732829321" + blancs(11)}}, {136}},
        {"DETE", "CRE", {{65, "002         "}, {79, "MR  "}, {83, B30}, {113, B30 + B30 + blancs(5) + B30},
                         {222, "XX"}, XX, FIN},
         {50, 39, 39, 74, 74, 40, 79, 80, 51, 94}},
        // A request names a département with C12 "D", a holding otherwise.
        {"DETE", "DEM", {{224, "X"}}, {50, 130}},
        {"DETE", "MOD", {{65, "020         "}, {79, "MR  "}}, {50}},
        {"DETI", "CRE", {{65, "020         "}, {79, "X"}, {80, "01062025"}, XX, FIN}, {50, 81, 52, 51, 94}},
        {"DETI", "MOD", {{88, "01132024"}}, {29, 52}},
        {"ECBO", "CRE", {{79, "11"}, {81, "2"}, {82, "X"}, {83, "DE"}, {85, "DE99        "}, {111, "13"}, {113, "FR"},
                         {115, B12}, {137, "11"}, XX, FIN},
         {11, 12, 13, 17, 20, 14, 16, 51, 94}},
        {"EGET", "CRE", {{65, "02ABC       "}, {80, B30 + B30 + blancs(5) + B30}, XX, FIN},
         {50, 141, 141, 142, 143, 51, 94}},
        {"ERTI", "CRE", {{79, "V"}, {89, "31052024"}, {105, "OEUF"}, XX, FIN}, {140, 50, 131, 149, 146, 51, 94}},
        {"ERTI", "MOD", {{81, "01062024"}}, {192}},
        // The establishment's number follows its kind of production: none (140, 50).
        {"RATA", "CRE", {{79, "X"}, {82, "0123456     "}, {108, "01062025"}, XX, FIN},
         {140, 50, 131, 68, 52, 51, 94}},
        {"RATA", "MOD", {{94, "DE"}, {96, B12}, {116, "32062024"}}, {31, 31, 68, 148, 52}},
        {"INFO", "DEM", {{65, "ABC         "}, XX, FIN}, {67, 64, 94}},
        // An error record's third field is its C3 at 70-71, and "xx" there is
        // no result code (1, no 51).
        {"ERRE", "ECQ", {{63, "NAISXYZxx"}, {72, B12}, {98, "DE"}, {100, B12}, {112, "I00 "}, {116, " "}, {162, "DE"},
                         {176, "XX"}, FIN},
         {190, 84, 1, 185, 21, 21, 187, 188, 189, 1}},
        {"ERRE", "ECQ", {{164, "0123456X    "}, {176, "FR"}, {178, "0123456789AB"}, {190, "32012024"},
                         {198, "01062025"}, {214, B8}, {222, "001IPG 1"}, FIN},
         {189, 67, 5, 52, 122, 87, 135, 94}},
        {"ERRE", "ECQ", {{70, "xx"}, FIN}, {1, 94}},
    });
}

// File-level checks come before the header's, the result code and what a
// partner may send to the national base (182) after the body, the trailer
// last.
TEST_F(E2EPrincipal, ControlesDuFichierEtDuPartenaire) {
    verifier({
        // A centre the sender may not send for: 135, and its holdings are not
        // those of the birth (50, 50).
        {"NAIS", "CRE", {{27, "003IPG  "}, {35, "A B     "}}, {135, 89, 50, 50}},
        {"NAIS", "CRE", {{27, "NORMABEV"}, {35, "A B     "}, XX, FIN}, {89, 50, 50, 51, 182, 94}, "NORMABEV"},
        {"ABAT", "CRE", {{27, "001IPG  "}, {35, "A B     "}, XX, FIN}, {129, 89, 64, 94}, "NORM01  "},
        {"ABAT", "CRE", {{27, "NORMABEV"}, {35, B8}}, {}, "NORM01  "},
        {"ABAT", "MOD", {{27, "ONICAB01"}}, {}, "ONICAB01"},
        {"ABAT", "CRE", {{27, "001IPG  "}}, {110}, "001IPG  "},
        {"INFO", "DEM", {}, {110}, "001IPG  "},
    });
}

// Rules that read another field of the record, the slaughter view or the
// file's sender, both ways.
TEST_F(E2EPrincipal, Dependances) {
    verifier({
        // The mother's number by her country C10: foreign for a listed country,
        // French for another one or for France.
        {"NAIS", "CRE", {{105, "DE"}, {107, "ABC123      "}}, {}},
        {"NAIS", "CRE", {{105, "DE"}, {107, "DE1234      "}}, {6}},
        {"NAIS", "CRE", {{105, "US"}, {107, "ABC123      "}}, {118}},
        {"NAIS", "CRE", {{105, "FR"}, {107, "ABC123      "}}, {67}},
        // A birth modified before the phase dates may leave the mother, the
        // reasons and the holding blank (its date without a day).
        {"NAIS", "MOD", {{82, "  061998"}, {105, B2}, {107, B12}, {119, B2}, {135, B2}, {137, B2}, {139, B12}}, {}},
        // The same for the calf's number by C1 in a request.
        {"NAIS", "DEM", {{63, "DE"}, {65, "ABC123      "}}, {}},
        {"NAIS", "DEM", {{63, "DE"}, {65, "DE1234      "}}, {1}},
        {"NAIS", "DEM", {{63, "US"}, {65, "ABC123      "}}, {118}},
        // An entry of cause J: from a holding of any centre, dated up to a year
        // after the creation date, with a reception date before the entry.
        {"ENTR", "CRE", {{79, "01012025"}, {87, "J"}, {90, "02345678    "}, {185, "10062024"}}, {}},
        {"ENTR", "CRE", {{79, "01012025"}, {87, "A"}, {90, "02345678    "}, {185, "10062024"}}, {52, 50, 137}},
        // An exchange before the phase date may leave the holding of birth blank.
        {"ECHA", "CRE", {{82, "  061998"}, {137, B2}, {139, B12}}, {}},
        {"ECHA", "CRE", {{82, "01071999"}, {137, B2}, {139, B12}}, {55, 55}},
        // Name or first name, not neither; the title list of a modification.
        {"EXP1", "ECQ", {{113, B30}}, {}},
        {"EXP1", "ECQ", {{143, B30}}, {}},
        {"EXP1", "ECQ", {{113, B30 + B30}}, {75, 75}},
        {"EXP1", "MOD", {{79, "ETS "}}, {}},
        {"EXP1", "ECQ", {{79, "ETS "}}, {32}},
        // An inventory checks a SIRET without its key.
        {"ASSO", "INV", {{85, "73282932000075"}}, {}},
        // Before 2011 a cattle model and a witness tag may be left blank.
        {"REBO", "MOD", {{79, "01012010"}, {220, B8}, {228, " "}}, {}},
        // The flag C11 of a passport edition releases its date and time.
        {"PASS", "EDI", {{95, "32012024"}, {113, "250000"}, {119, "1"}}, {}},
        // An order of type PR carries R in the number, and a range ten times
        // shorter.
        {"PICO", "CRE", {{81, "100000R9999 "}, {93, "000001"}, {115, "PR"}}, {}},
        {"PICO", "CRE", {{81, "10000099999 "}, {115, "PR"}}, {151, 180}},
        // Establishments with letters: the letters of the centre's list; an
        // ERTI breeding ("V", "M") names its sector and level (C9, C10).
        {"EGET", "INV", {{65, "AAB12       "}, {79, "V"}}, {}},
        {"EGET", "INV", {{65, "CAB12       "}, {79, "V"}}, {50}},
        {"ERTI", "CRE", {{65, "AAB12       "}, {79, "VM"}, {105, "OEUF1   "}}, {}},
        {"ERTI", "CRE", {{65, "AAB12       "}, {79, "VM"}, {105, "OEUF4   "}}, {147}},
        // The body concerned by an error record: the file's sender or a centre
        // it may send for.
        {"ERRE", "ECQ", {{222, "001IPG  "}}, {}},
        // ... and the countries of its holding and animal, read in the line.
        {"ERRE", "ECQ", {{84, "DE"}, {86, "DE1234      "}}, {186}},
        {"ERRE", "ECQ", {{176, "DE"}, {178, "ABC         "}}, {}},
        {"ERRE", "ECQ", {{176, "DE"}, {178, "DE1234      "}}, {1}},
        {"ERRE", "ECQ", {{176, "US"}, {178, "ABC         "}}, {118}},
        {"ERRE", "ECQ", {{222, "003IPG  "}}, {135}},
        {"ERRE", "ECQ", {{27, "004IPG  "}, {222, "005IPG  "}}, {}, "013ARS  "},
        {"ERRE", "ECQ", {{27, "004IPG  "}, {222, "025IPG  "}}, {135}, "013ARS  "},
        // The slaughter view: weight up to 1000,00, slaughter on or after the
        // entry, an office notifying for the slaughterhouse of its holding's
        // and its own country.
        {"ABAT", "CRE", {{117, "1000,00"}, {93, "02062024"}}, {}},
        {"ABAT", "CRE", {{63, "DE"}, {65, "ABC123      "}}, {}},
        {"ABAT", "CRE", {{63, "DE"}, {65, "DE1234      "}}, {1}},
        {"ABAT", "CRE", {{117, "1000,01"}}, {126}},
        {"ABAT", "CRE", {{93, "03062024"}}, {124}},
        {"ABAT", "CRE", {{81, "XYZ         "}, {109, "FRDE    "}, {124, "DE"}, {126, "OFFICEDE    "}}, {}},
        {"ABAT", "CRE", {{81, "XYZ         "}, {109, "FRDE    "}, {124, "FR"}, {126, "OFFICEDE    "}}, {128, 127}},
    });
}

// An accepted EXP1 or EGET creation is paired with the next record: an EXP2
// or RATA creation of the same C2, accepted or not; anything else, or the end
// of the file, releases its prepared answer (105, 138) after that record's.
TEST_F(E2EPrincipal, AppariementSurDeVraisEnregistrements) {
    struct Appariement {
        std::vector<Cas> lignes;
        std::vector<std::pair<std::string, std::vector<int>>> erre;  // (type, codes), in order
    };
    const Cas exp1{"EXP1", "CRE", {}, {}}, eget{"EGET", "CRE", {}, {}};
    const Appariement cas[] = {
        {{exp1, {"EXP2", "CRE", {{65, "01234568    "}}, {}}}, {{"EXP1", {105}}}},
        {{exp1, {"EXP2", "CRE", {{79, "DE"}}, {30}}}, {{"EXP2", {30}}}},
        {{eget, {"RATA", "CRE", {{65, "01ABD       "}}, {}}}, {{"EGET", {138}}}},
        {{eget, {"RATA", "MOD", {}, {}}}, {{"EGET", {138}}}},
        {{{"NAIS", "CRE", {}, {}}, eget}, {{"EGET", {138}}}},
        {{{"EXP1", "ECQ", {}, {}}, {"EGET", "MOD", {}, {}}, {"NAIS", "CRE", {}, {}}}, {}},
    };
    for (const Appariement& c : cas) {
        std::vector<std::string> lignes;
        std::string trace;
        for (const Cas& l : c.lignes) {
            lignes.push_back(ligneDe(l));
            trace += std::string(l.type) + l.e5 + " ";
        }
        SCOPED_TRACE(trace);
        const Execution e = lancer(lignes);
        EXPECT_EQ(e.statut, c.erre.empty() ? 0 : 2);
        if (c.erre.empty()) continue;
        const std::vector<std::string> r = sortie();
        ASSERT_EQ(r.size(), c.erre.size()) << masquerHorodatages(lire(rep / "out"));
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(codesDe(r[i]), c.erre[i].second);
            for (const std::string& l : lignes) {
                if (l.substr(21, 4) == c.erre[i].first) verifierIdentification(l, r[i]);
            }
        }
    }
}

// Every type cut short anywhere in its body or trailer: answered, the short
// line first (108), the fields it lacks cut empty and never read past.
TEST_F(E2EPrincipal, EnregistrementsCourts) {
    for (const std::string emetteur : {"001IPG  ", "NORM02  ", "OFFICE01"}) {
        std::vector<std::string> lignes;
        for (const Type& t : types) {
            if (emetteurDe(t.type).code != emetteur) continue;
            const std::string e5 = mots(t.transactions)[0];
            for (std::size_t lg = 63; lg < 256; lg += 7) lignes.push_back(valide(t.type, e5).ligne().substr(0, lg));
        }
        SCOPED_TRACE(emetteur);
        EXPECT_EQ(lancer(lignes, emetteur).statut, 2);
        const std::vector<std::string> r = sortie();
        ASSERT_EQ(r.size(), lignes.size());
        for (std::size_t i = 0; i < r.size(); ++i) {
            SCOPED_TRACE(lignes[i]);
            ASSERT_FALSE(codesDe(r[i]).empty());
            EXPECT_EQ(codesDe(r[i])[0], 108);
            verifierIdentification(lignes[i] + blancs(256 - static_cast<int>(lignes[i].size())), r[i]);
        }
    }
}

// The sample file of the demonstration: a partner's file mixing births,
// entries, exits, slaughters, a holder's identity and a passport request,
// four of them rejected.
TEST_F(E2EPrincipal, FichierDExemple) {
    const std::filesystem::path exemple =
        std::filesystem::path(VSE_DATA_DIR).parent_path().parent_path() / "exemples" / "EXP_0042_exemple.vse";
    const std::string contenu = lire(exemple);
    ASSERT_EQ(contenu.find('\r'), std::string::npos);
    ecrire(rep / "in", contenu);
    const Execution e = executer(P, {"-i", rep / "in", rep / "out", rep / "log"});
    EXPECT_EQ(e.statut, 2);
    EXPECT_EQ(e.sortie, "C6.5;C7.10;C5.23;C7.50;C4.52;C7.124;C9.126;");
    const std::vector<std::string> r = enregistrements(lire(rep / "out"));
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].substr(94, 31), "0000040000120000040000080000011");
    const std::vector<std::vector<int>> codes = {{5, 10}, {23, 50}, {52}, {124, 126}};
    for (std::size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(codesDe(r[i + 1]), codes[i]);
}

// A transaction type a record type does not allow: error 86 from the header
// (none under "ECQ", which allows every type), then 86 on each rule row the
// layout forbids it, ten at most. Rows whose rule is merely skipped add
// nothing: a slaughter under DEM or EDI, RATA under INV, an error record
// outside "ECQ" (whose rules, where applied, pass).
TEST_F(E2EPrincipal, TransactionsInterdites) {
    const std::map<std::string, int> moinsDeDix = {
        {"ABAT DEM", 1}, {"ABAT EDI", 1}, {"DETI DEM", 9}, {"DETI EDI", 9}, {"INFO CRE", 6}, {"INFO INV", 6},
        {"INFO EDI", 6}, {"INFO MOD", 6}, {"INFO ECQ", 5}, {"RATA INV", 1},
    };
    std::vector<Cas> cas;
    for (const Type& t : types) {
        const std::vector<std::string> permises = mots(t.transactions);
        auto permise = [&](const std::string& e5) {
            return std::find(permises.begin(), permises.end(), e5) != permises.end();
        };
        for (const char* e5 : {"CRE", "DEM", "INV", "EDI", "MOD", "ECQ"}) {
            if (permise(e5) || (e5 == std::string("ECQ") && permise("CRE"))) continue;
            const auto n = moinsDeDix.find(std::string(t.type) + " " + e5);
            const int nb = t.type == std::string("ERRE") ? 1 : n == moinsDeDix.end() ? 10 : n->second;
            cas.push_back({t.type, e5, {}, std::vector<int>(static_cast<std::size_t>(nb), 86)});
        }
    }
    verifier(cas);
}

}  // namespace
