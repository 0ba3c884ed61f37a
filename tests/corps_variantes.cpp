// Valid bodies of the variant programs' record types.
#include <map>

#include "tests/corps.hpp"

namespace vse::outils {

namespace {

const std::map<std::string, Morceaux> corps = {
    // Request about a holding of département 01 for a country outside the exchange countries.
    {"AVER", {{63, "FR"}, {65, "01234567    "}, {79, "US"}, {81, "NUMERO"}}},
    // Birth of a calf of holding 01234567: optional details absent (C9 "0").
    {"NAIS", {{63, "FR"}, {65, "0123456789  "}, {79, "1"}, {80, "10"}, {82, "01062024"}, {90, "ABCD"},
              {104, "0"}, {105, "FR"}, {107, "0123456788  "}, {119, "10"}, {135, "10"}, {137, "FR"},
              {139, "01234567    "}, {159, "0"}}},
};

}  // namespace

Morceaux corpsVariante(const std::string& type, const std::string&) {
    const auto it = corps.find(type);
    return it == corps.end() ? Morceaux{} : it->second;
}

}  // namespace vse::outils
