// The optimised paths against the plain ones: every run of a built program in
// the tests is checked against a witness run with -i (tests/outils.cpp), and
// the lists searched by their sorted keys answer as a walk of the list does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/base.hpp"
#include "rules/valautorise.hpp"
#include "tests/outils.hpp"

namespace {

using namespace vse;

// A witness run that answers differently fails the test that ran it.
const bool ecartsEnEchec = [] {
    outils::signalerEcart = [](const std::string& message) { ADD_FAILURE() << message; };
    return true;
}();

TEST(CheminsOptimises, ListesTrieesCommeParcourues) {
    const Liste* listes[] = {&TP, &TR, &TD, &TDC, &TDD, &TRG, &TCEE, &TECH, &TCPNOCEE, &TCPNOECH, &TRSCRE, &TRSMOD,
                             &principal::TEC, &variante::TEC, &principal::tE6};
    std::vector<std::string> essais = {"", " ", "FR", "FR ", "F", "ZZ", "  ", "NORMABEV", "NORM01  ", "PFOC01  ",
                                       "NORM01", "001IPG  ", "001IPG", "0", "00", "~~", "ABAT", "ZZZZ",
                                       "AAAAAAAAA", "SA  ", "SA", std::string(8, ' ')};
    for (const Liste* l : listes) {
        ASSERT_NE(listeTriee(l->v, l->n), nullptr) << l->nom;
        for (int i = 0; i < l->n; ++i) {
            const std::string e = l->v[i];
            essais.push_back(e);
            essais.push_back(e + " ");
            essais.push_back(e.substr(0, e.size() - 1));
            std::string suivant = e;
            ++suivant.back();
            essais.push_back(suivant);
        }
    }
    for (const Liste* l : listes) {
        for (const std::string& e : essais)
        {
            EXPECT_EQ(estDans(e.c_str(), l->v, l->n), estDansLineaire(e.c_str(), l->v, l->n)) << l->nom << " '" << e << "'";
            // Plain equality: the same, the partner codes aside.
            bool egalPlain = false;
            for (int i = 0; i < l->n; ++i) egalPlain = egalPlain || e == l->v[i];
            EXPECT_EQ(egalAUneEntree(e.c_str(), *l), egalPlain) << l->nom << " '" << e << "'";
        }
    }
    // A list known by the address of its entries and their number only.
    EXPECT_EQ(listeTriee(TP.v, TP.n - 1), nullptr);
}

}  // namespace
