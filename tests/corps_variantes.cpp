// Valid bodies of the variant programs' record types.
//
// A variant layout asks one transaction type of each record type (DEM for
// AVER and LIST, CRE for the others; IMPO lets C1 alone be checked under INV
// and MOD too), so one body per type serves every transaction: the presence
// codes decide what is checked. The bodies of the types the main program also
// knows (ECHA, ENTR, IMPO, JALO, NAIS, REBO, SORT) pass its form as well, for
// the centre "001IPG  ", so that one line can go through the four programs.
#include <map>

#include "tests/corps.hpp"

namespace vse::outils {

namespace {

// An animal and a holding of département 01; a foreign animal of country DE
// (letters and digits, not beginning with its country code).
const std::string ANIMAL = "0123456789  ";
const std::string CHEPTEL = "01234567    ";
const std::string ETRANGER = "1234567890  ";

const std::map<std::string, Morceaux> corps = {
    // Request about a holding for a country outside the exchange countries.
    {"AVER", {{63, "FR"}, {65, CHEPTEL}, {79, "US"}, {81, "NUMERO"}}},
    // List of a holding from 1 June 2024, end date 2 June 2024, flag 0.
    {"LIST", {{63, "FR"}, {65, CHEPTEL}, {79, "01062024"}, {87, "02062024"}, {95, "0"}}},
    // Exchange of a German animal born in Germany (C16, C17), kept on holding
    // C19; no mother (C10, C11) and no foreign identity (C13, C14). The main
    // form also asks for the date C23 at 177.
    {"ECHA", {{63, "DE"}, {65, ETRANGER}, {79, "1"}, {80, "10"}, {82, "01062024"}, {90, "ABCD"}, {137, "DE"},
              {139, "ABC123      "}, {151, "FR"}, {153, CHEPTEL}, {175, "1"}, {177, "05062024"}}},
    // Entry of cause A: no other holding, a name and address, flag C12 "0".
    {"ENTR", {{63, "FR"}, {65, ANIMAL}, {79, "01062024"}, {87, "A"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}, {184, "0"}}},
    // Import of a French-numbered animal whose mother (C10, C11) is German,
    // kept on holding C19, coming from Germany (C20). The main form also asks
    // for the date C24 at 183.
    {"IMPO", {{63, "FR"}, {65, ANIMAL}, {79, "1"}, {80, "10"}, {82, "01062024"}, {90, "ABCD"}, {105, "DE"},
              {107, ETRANGER}, {151, "FR"}, {153, CHEPTEL}, {165, "DE"}, {167, "NUMERO"}, {181, "0"},
              {183, "05062024"}}},
    {"JALO", {{63, "FR"}, {65, ANIMAL}, {79, "FR"}, {81, CHEPTEL}, {93, "01062024"}, {101, "LIBELLE"},
              {161, "ADRESSE"}, {221, "0"}, {222, "A"}}},
    // Birth of a calf of holding 01234567, optional details not given (C9
    // "0"). The main form also asks for C25 and the date C26 at 160.
    {"NAIS", {{63, "FR"}, {65, ANIMAL}, {79, "1"}, {80, "10"}, {82, "01062024"}, {90, "ABCD"}, {104, "0"},
              {105, "FR"}, {107, "0123456788  "}, {119, "10"}, {135, "10"}, {137, "FR"}, {139, CHEPTEL},
              {159, "0"}, {160, "0"}, {161, "10062024"}}},
    // Holding C6 of an animal, C7 "T", C26 "C". The main form also asks for
    // the date C4 and, for a date from 2011 on, the model C24 at 220.
    {"REBO", {{63, "FR"}, {65, ANIMAL}, {79, "01062024"}, {87, "FR"}, {89, CHEPTEL}, {101, "T"},
              {220, "ABE123  "}, {229, "C"}}},
    // Exit of cause B: no other holding, a name and address.
    {"SORT", {{63, "FR"}, {65, ANIMAL}, {79, "01062024"}, {87, "B"}, {88, "FR"}, {90, CHEPTEL},
              {116, "NOM ET ADRESSE"}}},
};

}  // namespace

Morceaux corpsVariante(const std::string& type, const std::string&) {
    const auto it = corps.find(type);
    return it == corps.end() ? Morceaux{} : it->second;
}

}  // namespace vse::outils
