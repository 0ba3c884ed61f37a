// Valid bodies of the main program's record types.
#include <map>

#include "tests/corps.hpp"

namespace vse::outils {

namespace {

// An animal of département 01, a holding of département 01 (the centre of
// E8 "001IPG  "), dates before the trailer date 15062024.
const std::string ANIMAL = "0123456789  ";
const std::string CHEPTEL = "01234567    ";

const std::map<std::string, Morceaux> corps = {
    // Birth: the same body passes CRE, DEM, INV and MOD.
    {"NAIS", {{63, "FR"}, {65, ANIMAL}, {79, "1"}, {80, "10"}, {82, "01062024"}, {90, "ABCD"}, {105, "FR"},
              {107, "0123456788  "}, {119, "10"}, {135, "10"}, {137, "FR"}, {139, CHEPTEL}, {159, "0"},
              {160, "0"}, {161, "10062024"}}},
    // Entry and exit of cause A and B: no other holding, a name and address.
    {"ENTR", {{63, "FR"}, {65, ANIMAL}, {79, "01062024"}, {87, "A"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}}},
    {"SORT", {{63, "FR"}, {65, ANIMAL}, {79, "01062024"}, {87, "B"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}}},
    {"ABAT", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, "01062024"}, {101, "02062024"},
              {109, "01234567"}, {117, "0350,50"}, {124, "FR"}, {126, "0123456     "}, {138, "0"}}},
    {"INFO", {{63, "FR"}, {65, ANIMAL}}},
    {"JALO", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, "01062024"}, {101, "LIBELLE"},
              {161, "ADRESSE"}, {221, "0"}, {222, "A"}}},
    {"EXP1", {{63, "FR"}, {65, CHEPTEL}, {79, "EARL"}, {113, "NOM"}, {143, "PRENOM"}, {173, "01000"},
              {178, "VILLE"}, {222, "10"}}},
    {"EXP2", {{63, "FR"}, {65, CHEPTEL}, {79, "FR"}, {81, "001         "}, {97, "FR"}, {99, "001         "},
              {141, "01062024"}, {149, "01062024"}}},
    {"EGET", {{63, "FR"}, {65, "01ABC       "}, {79, "P"}, {80, "RAISON"}, {110, "SOCIALE"}, {140, "01000"},
              {145, "VILLE"}}},
    {"RATA", {{63, "FR"}, {65, "01ABC       "}, {79, "P"}, {80, "FR"}, {82, CHEPTEL}, {108, "01062024"}}},
    // An error record answering a slaughter record, received with "ECQ".
    {"ERRE", {{63, "ABAT"}, {67, "CRE"}, {70, "FR"}, {72, ANIMAL}, {84, "FR"}, {86, CHEPTEL}, {98, "FR"},
              {100, "0123456     "}, {112, "I0011"}, {214, "02062024"}}},
    {"ACTI", {{63, "FR"}, {65, CHEPTEL}, {79, "0"}, {80, "01062024"}, {96, "B"}}},
};

}  // namespace

Morceaux corpsPrincipal(const std::string& type, const std::string&) {
    const auto it = corps.find(type);
    return it == corps.end() ? Morceaux{} : it->second;
}

}  // namespace vse::outils
