// Every rule that a row of the four programs names has its meaning, and the
// table of meanings is one that its binary search reads right: sorted, one
// meaning per rule and program, no entry that no table names, short
// printable Latin-1 texts. Every check of the engine has its meaning too,
// and every row of the catalogue carries one.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "engine/rapport.hpp"
#include "rules/sens.hpp"
#include "tools/catalogue/catalogue.hpp"

namespace {

using namespace vse;

static_assert(PROG_DELVORAN == catalogue::DELVORAN && PROG_DELVORANPF == catalogue::DELVORANPF &&
              PROG_DELVORANL == catalogue::DELVORANL && PROG_DELVORAND == catalogue::DELVORAND);

// Per rule name, per function the rows call under it: the programs whose
// tables (header, trailer, FICH body, every dispatched body) name it.
using Nommees = std::map<std::string, std::map<pfVerif_t, unsigned, std::less<>>>;

Nommees reglesNommees() {
    Nommees n;
    for (const catalogue::Programme& p : catalogue::programmes) {
        const Pack& k = *p.pack;
        const auto parcourir = [&](const Table& t) {
            for (int i = 0; i < t.n; ++i)
                if (t.lignes[i].pfVerif != nullptr) n[t.lignes[i].nomRegle][t.lignes[i].pfVerif] |= p.bit;
        };
        parcourir(k.tEntete);
        parcourir(k.tFin);
        parcourir(k.tFich);
        for (int i = 0; i < k.ERR_AIGUILLAGE(); ++i) parcourir(k.tAiguillage[i].tabVerif);
    }
    return n;
}

unsigned programmesDe(const std::map<pfVerif_t, unsigned, std::less<>>& fonctions) {
    unsigned bits = 0;
    for (const auto& f : fonctions) bits |= f.second;
    return bits;
}

unsigned premierBit(unsigned bits) { return bits & (~bits + 1); }

TEST(Sens, ChaqueRegleDesTablesASonSens) {
    const Nommees nommees = reglesNommees();
    ASSERT_FALSE(nommees.empty());
    for (const auto& [nom, fonctions] : nommees) {
        const unsigned bits = programmesDe(fonctions);
        for (const catalogue::Programme& p : catalogue::programmes) {
            if ((bits & p.bit) != 0) {
                EXPECT_NE(sensRegle(nom, p.bit), nullptr) << nom << " in " << p.nom;
            }
        }
        // Two functions under one name (a program's own header rule) are two
        // behaviours: each needs its own meaning.
        for (auto a = fonctions.begin(); a != fonctions.end(); ++a) {
            for (auto b = std::next(a); b != fonctions.end(); ++b)
                EXPECT_NE(sensRegle(nom, premierBit(a->second)), sensRegle(nom, premierBit(b->second))) << nom;
        }
    }
}

TEST(Sens, TableTrieeSansDoublonNiEntreeMorte) {
    const Nommees nommees = reglesNommees();
    const auto t = sensRegles();
    ASSERT_FALSE(t.empty());
    unsigned vusPourCeNom = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const SensRegle& s = t[i];
        SCOPED_TRACE(s.nom);
        EXPECT_NE(s.programmes, 0u);
        EXPECT_EQ(s.programmes & ~TOUS_PROGRAMMES, 0u);
        const int ordre = i == 0 ? -1 : std::string_view(t[i - 1].nom).compare(s.nom);
        EXPECT_LE(ordre, 0) << "sorted by name";
        if (ordre != 0) vusPourCeNom = 0;
        EXPECT_EQ(vusPourCeNom & s.programmes, 0u) << "one meaning per rule and program";
        vusPourCeNom |= s.programmes;

        const auto n = nommees.find(s.nom);
        const unsigned utilisee = n == nommees.end() ? 0 : programmesDe(n->second);
        EXPECT_NE(s.programmes & utilisee, 0u) << "no table names this rule";
        if (s.programmes != TOUS_PROGRAMMES) {
            EXPECT_EQ(s.programmes & ~utilisee, 0u) << "a program of the entry does not name it";
        }
        for (unsigned bit = 1; bit <= TOUS_PROGRAMMES; bit <<= 1) {
            if ((s.programmes & bit) != 0) {
                EXPECT_EQ(sensRegle(s.nom, bit), s.sens) << "found by the search";
            }
        }

        const std::size_t lg = std::strlen(s.sens);
        EXPECT_GT(lg, 0u);
        EXPECT_LE(lg, 160u);
        for (const char* c = s.sens; *c != '\0'; ++c) {
            const auto octet = static_cast<unsigned char>(*c);
            EXPECT_TRUE((octet >= 0x20 && octet <= 0x7E) || octet >= 0xA0) << "byte " << int(octet);
            // An accented letter typed as UTF-8 reads as two Latin-1 bytes: "\xc3" then 0x80-0xBF.
            const auto suivant = static_cast<unsigned char>(c[1]);
            EXPECT_FALSE((octet == 0xC2 || octet == 0xC3) && suivant >= 0x80 && suivant <= 0xBF) << "UTF-8 in the text";
        }
    }
    EXPECT_EQ(sensRegle("fDATEC", 0), nullptr);
    EXPECT_EQ(sensRegle("fInconnue", PROG_DELVORAN), nullptr);
}

// Every check has a meaning in every program that makes it, found by its
// check and number; each meaning is a short printable sentence; and every
// row of every program's catalogue (rules, presence, checks) carries one.
TEST(Sens, ChaqueControleEtChaqueLigneDuCatalogueOntLeurSens) {
    unsigned controles = 0;
    for (const SensControle& c : sensControles()) {
        SCOPED_TRACE(c.erreur);
        controles |= 1u << static_cast<unsigned>(c.controle);
        EXPECT_NE(c.programmes, 0u);
        for (unsigned bit = 1; bit <= TOUS_PROGRAMMES; bit <<= 1) {
            if ((c.programmes & bit) != 0) {
                EXPECT_EQ(sensControle(c.controle, c.erreur, bit), &c);
            }
        }
        const std::string_view t = c.sens;
        EXPECT_GT(t.size(), 20u);
        EXPECT_LE(t.size(), 240u);
        EXPECT_EQ(t.back(), '.');
        for (const char ch : t) {
            const auto o = static_cast<unsigned char>(ch);
            EXPECT_TRUE((o >= 0x20 && o <= 0x7E) || o >= 0xA0) << "byte " << int(o);
        }
    }
    EXPECT_EQ(controles, (1u << (static_cast<unsigned>(Controle::Presence) + 1)) - 1) << "a check without meaning";

    for (const catalogue::Programme& p : catalogue::programmes) {
        for (const catalogue::Entree& e : catalogue::entrees(p)) {
            EXPECT_FALSE(e.description.empty()) << p.nom << " " << e.erreur << " " << e.type << " " << e.champ;
        }
    }
}

}  // namespace
