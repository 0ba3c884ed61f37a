// Valid bodies of the main program's record types: one body per type that
// every transaction type its layout allows accepts, and the few pieces that
// one transaction type needs on top of it.
#include <map>

#include "tests/corps.hpp"

namespace vse::outils {

namespace {

// Of département 01 (the centre of E8 "001IPG  "): a calf and its mother, a
// holding, a département code, an establishment, a small ruminant of the
// centre's block range (100000-104999) and the first block of that range.
const std::string ANIMAL = "0123456789  ";
const std::string MERE = "0123456788  ";
const std::string CHEPTEL = "01234567    ";
const std::string DEPARTEMENT = "001         ";
const std::string ETABLISSEMENT = "01ABC       ";
const std::string OVIN = "10000012345 ";
const std::string BLOC = "100000      ";
// A foreign animal of a German mother.
const std::string ETRANGER = "ABC123456   ";
// Dates before the creation date 15062024 and after every phase date, so
// that every date must be complete and every phased field given.
const std::string DATE = "01062024";
const std::string DATE_RECEPTION = "10062024";
// Tag models: a small ruminant's (letters A, Z, E) and a cattle one's (A, B, E).
const std::string MODELE_OC = "AZE123  ";
const std::string MODELE_BV = "ABE123  ";

// A birth of a French calf of a French mother on a holding of 01 (NAIS; NVMN
// reads the same positions and has its reception date at 151, which NAIS
// never looks at).
const Morceaux NAISSANCE = {{63, "FR"},   {65, ANIMAL}, {79, "1"},      {80, "10"},   {82, DATE},
                            {90, "ABCD"}, {105, "FR"},  {107, MERE},    {119, "10"},  {135, "10"},
                            {137, "FR"},  {139, CHEPTEL}, {151, DATE_RECEPTION}, {159, "0"}, {160, "0"},
                            {161, DATE_RECEPTION}};

const std::map<std::string, Morceaux> corps = {
    // Slaughter of a French animal from a French holding, notified by a
    // slaughterhouse of 01.
    {"ABAT", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, DATE}, {101, "02062024"},
              {109, "01234567"}, {117, "0350,50"}, {124, "FR"}, {126, "0123456     "}, {138, "0"}}},
    {"ACTI", {{63, "FR"}, {65, CHEPTEL}, {79, "0"}, {80, DATE}, {88, DATE}, {96, "B"}}},
    // A company number: a holding named by its SIRET.
    {"ASSO", {{63, "FR"}, {65, CHEPTEL}, {79, "E"}, {80, "SIRET"}, {85, "73282932000074"}, {105, DATE}}},
    // A holder of département 001 (C12 "D" names a département in a request).
    {"DETE", {{63, "FR"}, {65, DEPARTEMENT}, {79, "EARL"}, {83, "NOM"}, {113, "PRENOM"}, {173, "01000"},
              {178, "VILLE"}, {222, "FR"}, {224, "D"}}},
    {"DETI", {{63, "FR"}, {65, DEPARTEMENT}, {79, "0"}, {80, DATE}, {88, DATE}}},
    // Its optional group given: a German number of code 10.
    {"ECBO", {{63, "FR"}, {65, ANIMAL}, {79, "10"}, {81, "0"}, {82, "0"}, {83, "FR"}, {85, CHEPTEL},
              {111, "12"}, {113, "DE"}, {115, "ABC123      "}, {137, "10"}}},
    // Exchange of a German calf of a German mother, born on a French holding.
    {"ECHA", {{63, "DE"}, {65, ETRANGER}, {79, "1"}, {80, "10"}, {82, DATE}, {90, "ABCD"}, {105, "DE"},
              {107, "ABC99       "}, {119, "10"}, {135, "10"}, {137, "FR"}, {139, CHEPTEL}, {151, "FR"},
              {153, CHEPTEL}, {175, "1"}, {176, "0"}, {177, DATE_RECEPTION}}},
    {"EGET", {{63, "FR"}, {65, ETABLISSEMENT}, {79, "P"}, {80, "RAISON"}, {110, "SOCIALE"}, {140, "01000"},
              {145, "VILLE"}}},
    // Entry and exit of causes A and B: no other holding, a name and address.
    {"ENTR", {{63, "FR"}, {65, ANIMAL}, {79, DATE}, {87, "A"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}, {176, DATE}}},
    // An error record answering a slaughter record, received with "ECQ".
    {"ERRE", {{63, "ABAT"}, {67, "CRE"}, {70, "FR"}, {72, ANIMAL}, {84, "FR"}, {86, CHEPTEL}, {98, "FR"},
              {100, "0123456     "}, {112, "I0011"}, {214, "02062024"}}},
    {"ERTI", {{63, "FR"}, {65, ETABLISSEMENT}, {79, "P"}, {97, DATE}}},
    {"EXP1", {{63, "FR"}, {65, CHEPTEL}, {79, "EARL"}, {113, "NOM"}, {143, "PRENOM"}, {173, "01000"},
              {178, "VILLE"}, {222, "10"}}},
    {"EXP2", {{63, "FR"}, {65, CHEPTEL}, {79, "FR"}, {81, DEPARTEMENT}, {97, "FR"}, {99, DEPARTEMENT},
              {141, DATE}, {149, DATE}}},
    {"GROC", {{63, "FR"}, {65, OVIN}, {79, "FR"}, {81, CHEPTEL}, {93, DATE}, {101, MODELE_OC}, {109, "FR"},
              {111, "1"}, {112, DATE}, {122, "120000"}}},
    {"IMOC", {{63, "FR"}, {65, BLOC}, {79, "FR"}, {81, CHEPTEL}, {93, "Z"}, {94, DATE}}},
    // Import of a French-numbered calf of a German mother, passport of Germany.
    {"IMPO", {{63, "FR"}, {65, ANIMAL}, {79, "1"}, {80, "10"}, {82, DATE}, {90, "ABCD"}, {105, "DE"},
              {107, "ABC99       "}, {119, "10"}, {135, "10"}, {137, "FR"}, {139, CHEPTEL}, {151, "FR"},
              {153, CHEPTEL}, {165, "DE"}, {167, "PASSEPORT"}, {181, "0"}, {182, "0"}, {183, DATE_RECEPTION}}},
    {"INFO", {{63, "FR"}, {65, ANIMAL}}},
    {"JALO", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, DATE}, {101, "LIBELLE"},
              {161, "ADRESSE"}, {221, "0"}, {222, "A"}}},
    {"NAIS", NAISSANCE},
    // Ten numbers from the calf's.
    {"NUMA", {{63, "FR"}, {65, CHEPTEL}, {79, "FR"}, {81, ANIMAL}, {93, "000010"}, {99, DATE}, {107, "1"},
              {108, MODELE_BV}, {116, MODELE_BV}}},
    {"NVMN", NAISSANCE},
    {"PASS", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, "01"}, {95, DATE}, {105, DATE},
              {113, "120000"}, {119, "0"}}},
    // Ten identification numbers from the small ruminant's, order type I1.
    {"PICO", {{63, "FR"}, {65, CHEPTEL}, {79, "FR"}, {81, OVIN}, {93, "000010"}, {99, DATE}, {107, MODELE_OC},
              {115, "I1"}, {117, "FR"}, {119, "1"}}},
    {"RACO", {{63, "FR"}, {65, CHEPTEL}, {79, "2023"}, {83, "EFOLAN"}, {89, "000100"}, {95, DATE}}},
    {"RATA", {{63, "FR"}, {65, ETABLISSEMENT}, {79, "P"}, {80, "FR"}, {82, CHEPTEL}, {94, "FR"}, {96, CHEPTEL},
              {108, DATE}, {116, DATE}}},
    {"REBO", {{63, "FR"}, {65, ANIMAL}, {79, DATE}, {87, "FR"}, {89, CHEPTEL}, {212, DATE}, {220, MODELE_BV},
              {228, "1"}}},
    {"SORT", {{63, "FR"}, {65, ANIMAL}, {79, DATE}, {87, "B"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}, {176, DATE}}},
};

// What one transaction type needs on top of the body ("ECQ" reads as "CRE"):
// an ERTI date of creation, which a modification must leave blank.
const std::map<std::pair<std::string, std::string>, Morceaux> ajouts = {
    {{"ERTI", "CRE"}, {{81, DATE}}},
};

}  // namespace

Morceaux corpsPrincipal(const std::string& type, const std::string& e5) {
    const auto it = corps.find(type);
    if (it == corps.end()) return {};
    Morceaux r = it->second;
    const auto plus = ajouts.find({type, e5 == "ECQ" ? "CRE" : e5});
    if (plus != ajouts.end()) r.insert(r.end(), plus->second.begin(), plus->second.end());
    return r;
}

}  // namespace vse::outils
