// The optimised paths against the plain ones: every run of a built program in
// the tests is checked against a witness run with -i (tests/outils.cpp), and
// the lists looked up by their index answer as a walk of the list does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interne.hpp"
#include "engine/moteur.hpp"
#include "packs/main/pack.hpp"
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

// Every list a program names, looked up by its index, answers as a walk of
// its entries does, for each entry, texts close to an entry and a few others:
// whole values, their first two or three characters, their first character.
TEST(CheminsOptimises, ListesIndexeesCommeParcourues) {
    std::vector<const Liste*> listes(listesDuModule().begin(), listesDuModule().end());
    for (const Liste* l : {&principal::listesE6.CRE, &principal::listesE6.INV, &principal::listesE6.MOD})
        listes.push_back(l);
    std::vector<std::string> essais = {"", " ", "FR", "FR ", "F", "ZZ", "  ", "NORMABEV", "NORM01  ", "PFOC01  ",
                                       "NORM01", "001IPG  ", "001IPG", "0", "00", "~~", "ABAT", "ZZZZ",
                                       "AAAAAAAAA", "SA  ", "SA", std::string(8, ' ')};
    int indexees = 0;
    for (const Liste* l : listes) {
        indexerListe(*l);
        if (indexDe(l->v, l->n) != nullptr) ++indexees;
        for (int i = 0; i < l->n; ++i) {
            const std::string e = l->v[i];
            essais.push_back(e);
            essais.push_back(e + " ");
            if (!e.empty()) {
                essais.push_back(e.substr(0, e.size() - 1));
                std::string suivant = e;
                ++suivant.back();
                essais.push_back(suivant);
            }
        }
    }
    // The long lists of codes are indexed: a regression here is a walk again.
    for (const Liste* l : {&TP, &TD, &TDC, &TDD, &principal::tE6, &principal::listesE6.CRE})
        EXPECT_NE(indexDe(l->v, l->n), nullptr) << l->nom;
    EXPECT_GE(indexees, 30);
    for (const Liste* l : listes) {
        for (const std::string& e : essais) {
            // The walk of the list, entry by entry; the allowed-value test also
            // lets the four partner codes through.
            bool egalPlain = false;
            for (int i = 0; i < l->n; ++i) egalPlain = egalPlain || e == l->v[i];
            const bool partenaire = e == "NORMABEV" || e == "NORM01  " || e == "NORM02  " || e == "PFOC01  ";
            EXPECT_EQ(estDans(e.c_str(), l->v, l->n), partenaire || egalPlain) << l->nom << " '" << e << "'";
            EXPECT_EQ(egalAUneEntree(e.c_str(), *l), egalPlain) << l->nom << " '" << e << "'";
            // A prefix of the value against the entries' prefixes, and the
            // one-character text of its first character.
            for (std::size_t lg : {2u, 3u}) {
                bool debutPlain = false;
                for (int i = 0; i < l->n; ++i)
                    debutPlain = debutPlain || e.substr(0, lg) == std::string(l->v[i]).substr(0, lg);
                EXPECT_EQ(debutDansListe(e.c_str(), l->v, l->n, static_cast<int>(lg)), debutPlain)
                    << l->nom << " '" << e << "' " << lg;
            }
            const std::string premier = e.substr(0, 1);
            bool caracterePlain = false;
            for (int i = 0; i < l->n; ++i) caracterePlain = caracterePlain || premier == l->v[i];
            EXPECT_EQ(caractereDansListe(e.empty() ? '\0' : e[0], l->v, l->n), caracterePlain)
                << l->nom << " '" << e << "'";
        }
    }
    // A list is known by the address of its entries and their number.
    EXPECT_EQ(indexDe(TP.v, TP.n - 1), nullptr);
}

}  // namespace

namespace {

using namespace vse;

// One line as the reader must take it, character by character: the outcome,
// the characters kept (256 at most) and the line's flags.
struct LigneLue {
    int ret;
    std::string ligne;
    int codLong;
    int codCaract;
    bool operator==(const LigneLue&) const = default;
};

LigneLue lireCaractereParCaractere(const std::string& s, std::size_t& pos) {
    LigneLue l{DVRAN_EOF, "", 0, 0};
    for (;;) {
        if (pos == s.size()) return {DVRAN_EOF, "", 0, 0};
        const auto c = static_cast<unsigned char>(s[pos++]);
        if (c == 26) return {DVRAN_CTRLZ, "", 0, 0};
        if (c == '\r') {
            if (pos < s.size() && s[pos] == '\n') {
                ++pos;
                l.ret = DVRAN_DOS;
            } else {
                l.ret = DVRAN_MAC;
            }
            break;
        }
        if (c == '\n') {
            l.ret = DVRAN_UNIX;
            break;
        }
        if (c < 0x20 || c > 0x7E) l.codCaract = 1;
        if (l.ligne.size() == static_cast<std::size_t>(LG_VSE)) {
            l.codLong = 1;
        } else {
            l.ligne += static_cast<char>(c);
        }
    }
    if (l.ligne.empty()) return {DVRAN_LONGNULLE, "", 0, 0};
    if (l.ligne.size() < static_cast<std::size_t>(LG_VSE)) l.codLong = 2;
    return l;
}

// The frame's rules leave their values as cut: a line's header and trailer
// values after every frame rule was applied to them are the line's own
// characters. The answers kept per frame, and the header of an ERRE record
// copied from the line, rest on it.
TEST(CheminsOptimises, CadreLaisseSesValeurs) {
    const std::pair<numEnteteVSE, const char*> entetes[] = {
        {E3, "OFFICE42"}, {E5, "XYZ"}, {E5, "INF"}, {E6, "ZZZZ"}, {E6, "FICH"}, {E8, "00000000"},
        {E8, "NORMABEV"}, {E9, "        "}, {E9, "A B"}, {E10, "SPIE0001"}, {E12, "5"}, {E13, "X"}};
    const std::pair<numFinVSE, const char*> fins[] = {
        {F1, "00002024"}, {F1, "  122024"}, {F1, "310220 4"}, {F2, "246060"}, {F2, " 1    "}, {F3, "024"}, {F5, "+"}};
    for (const outils::Programme p : outils::tousLesProgrammes) {
        outils::Banc m(outils::packDe(p));
        m->traitement(outils::fich(p, 1).ligne().c_str(), noVisu, 1, FORMAT_UNIX);
        std::vector<std::string> lignes;
        for (const char* type : {"NAIS", "ENTR", "SORT", "AVER", "ABAT", "INFO"}) {
            lignes.push_back(outils::vseType(p, type).ligne());
            for (const auto& [e, v] : entetes) lignes.push_back(outils::vseType(p, type).avec(e, v).ligne());
            for (const auto& [f, v] : fins) lignes.push_back(outils::vseType(p, type).avec(f, v).ligne());
        }
        for (const std::string& ligne : lignes) {
            // With a report every frame rule is applied.
            testing::internal::CaptureStdout();
            m->traitement(ligne.c_str(), infVisu, 2, FORMAT_UNIX);
            testing::internal::GetCapturedStdout();
            valeurVSE entete[NB_ENTETE], fin[NB_FIN];
            getvseChamps(outils::packDe(p).tEntete, ligne.c_str(), entete, noVisu);
            getvseChamps(outils::packDe(p).tFin, ligne.c_str(), fin, noVisu);
            for (int k = 0; k < NB_ENTETE; ++k) ASSERT_STREQ(m->valEnteteVSE[k].valeur, entete[k].valeur) << ligne;
            for (int k = 0; k < NB_FIN; ++k) ASSERT_STREQ(m->valFinVSE[k].valeur, fin[k].valeur) << ligne;
        }
    }
}

// Both scans of printable characters (sixteen bytes at a time, and by words
// of eight bytes, the other processors' one) stop where a walk stops, at any
// offset, whatever byte ends the run.
TEST(CheminsOptimises, ImprimablesCommeUnParcours) {
    std::string tampon(100, 'A');
    for (std::size_t debut = 0; debut < 9; ++debut) {
        for (std::size_t n = 0; n + debut <= tampon.size(); n += 7) {
            for (std::size_t pos = 0; pos <= n; ++pos) {
                for (const unsigned char c : {0x00, 0x0a, 0x1a, 0x1f, 0x7f, 0x80, 0xe9, 0xff}) {
                    std::string t = tampon;
                    if (pos < n) t[debut + pos] = static_cast<char>(c);
                    if (pos + 1 < n) t[debut + pos + 1] = '\x01';  // a second stop, after the first
                    const char* p = t.data() + debut;
                    ASSERT_EQ(interne::imprimables(p, n), pos) << debut << " " << n << " " << int(c);
                    ASSERT_EQ(interne::imprimablesParMots(p, n), pos) << debut << " " << n << " " << int(c);
                    ASSERT_EQ(interne::toutImprimable(p, n), pos == n) << debut << " " << n << " " << int(c);
                }
            }
        }
    }
}

// The reader takes runs of printable characters many at a time: on any
// content it reads the same lines as a walk character by character.
TEST(CheminsOptimises, LecteurParBlocsCommeCaractereParCaractere) {
    const std::string piscine = std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 *~") + '\0' + "\t\r\n\x1a\x7f\xe9\x80\xff\x1f";
    unsigned graine = 12345;
    auto hasard = [&graine](unsigned n) {
        graine = graine * 1103515245u + 12345u;
        return (graine >> 16) % n;
    };
    outils::RepertoireTemporaire rep;
    for (int essai = 0; essai < 300; ++essai) {
        std::string contenu;
        const unsigned lignes = 1 + hasard(6);
        for (unsigned i = 0; i < lignes; ++i) {
            const unsigned lg = hasard(4) == 0 ? hasard(300) : 250 + hasard(12);
            for (unsigned k = 0; k < lg; ++k) {
                const bool rare = hasard(40) == 0;
                contenu += rare ? piscine[39 + hasard(static_cast<unsigned>(piscine.size()) - 39)]
                                : piscine[hasard(39)];
            }
            contenu += hasard(3) == 0 ? "\r\n" : "\n";
        }
        outils::ecrire(rep / "entree", contenu);
        Moteur m(principal::pack);
        ASSERT_TRUE(m.recu.ouvrir(rep / "entree"));
        std::size_t pos = 0;
        for (;;) {
            const LigneLue attendu = lireCaractereParCaractere(contenu, pos);
            const int ret = m.dvranFgets();
            const bool ligne = ret == DVRAN_DOS || ret == DVRAN_UNIX || ret == DVRAN_MAC;
            const LigneLue lu{ret, ligne ? std::string(m.tampon, static_cast<std::size_t>(m.lgTampon)) : "",
                              ligne ? m.codLong : 0, ligne ? m.codCaract : 0};
            ASSERT_EQ(lu, attendu) << "essai " << essai;
            if (!ligne) break;
        }
    }
}

}  // namespace
