// What every layout table of the four programs must hold, whatever its record
// type: rows that the verification pass and the answers can rely on.
#include <gtest/gtest.h>

#include <string>

#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"

namespace {

using namespace vse;

const Pack* const packs[] = {&principal::pack, &pf::pack, &l::pack, &d::pack};

bool codePresenceValide(int c) { return c == 0 || c == 1 || c == 2; }

TEST(Tables, LignesDesCorps) {
    for (const Pack* p : packs) {
        for (int i = 0; i < p->ERR_AIGUILLAGE(); ++i) {
            const sAiguillage& a = p->tAiguillage[i];
            const Table& t = a.tabVerif;
            SCOPED_TRACE(std::string(p->VARIANTE) + " " + a.nomVSE);
            ASSERT_GT(t.n, 0);
            ASSERT_NE(t.lignes[0].debut, 0) << "the first row has positions";
            int finPrecedente = 62;
            int champPrecedent = -1;
            int positionnes = 0;
            for (int k = 0; k < t.n; ++k) {
                const sCorps& r = t.lignes[k];
                SCOPED_TRACE(k);
                EXPECT_EQ(r.debut == 0, r.fin == 0) << "both positions or neither";
                for (int c : {r.typeCRE, r.typeDEM, r.typeINV, r.typeEDI, r.typeMOD}) EXPECT_TRUE(codePresenceValide(c));
                EXPECT_EQ(r.pfVerif != nullptr, r.nomRegle[0] != '\0') << "a rule is named by its name";
                if (r.pfVerif == nullptr) {
                    EXPECT_EQ(r.noErr, 0);
                    EXPECT_EQ(r.sverif, nullptr);
                } else {
                    EXPECT_GT(r.noErr, 0) << r.nomRegle;
                }
                if (r.sverif != nullptr) {
                    EXPECT_GT(r.sverif->n, 0) << r.sverif->nom;
                    EXPECT_NE(r.sverif->nom[0], '\0');
                }
                if (r.dependance.zone == Zone::Corps) {
                    EXPECT_LT(r.dependance.champ, NB_CORPS);
                }
                if (r.debut == 0) {
                    EXPECT_EQ(r.numChamp, champPrecedent) << "a continuation row names the field above";
                    continue;
                }
                // Inside the body, in order, without overlap.
                EXPECT_GT(r.debut, finPrecedente);
                EXPECT_LE(r.debut, r.fin);
                EXPECT_LE(r.fin, 230);
                EXPECT_GT(r.numChamp, champPrecedent) << "fields in increasing order";
                finPrecedente = r.fin;
                champPrecedent = r.numChamp;
                ++positionnes;
                // The third field is the result code: 77-78, without rule (an ERRE
                // record carries its own layout there and is never checked on it).
                if (positionnes == 3 && a.code != ERRE) {
                    EXPECT_EQ(r.numChamp, C3);
                    EXPECT_EQ(r.debut, 77);
                    EXPECT_EQ(r.fin, 78);
                    EXPECT_EQ(r.pfVerif, nullptr);
                }
            }
            EXPECT_LE(positionnes, NB_CORPS);
            // A dependance on a body field points at a field the layout cuts.
            for (int k = 0; k < t.n; ++k) {
                if (t.lignes[k].dependance.zone == Zone::Corps) {
                    EXPECT_LT(t.lignes[k].dependance.champ, positionnes);
                }
            }
            // The fields that identify a rejected record exist in its layout.
            for (numCorpsVSE c : {a.champErrC7, a.champErrC8}) {
                if (c != CINC) {
                    EXPECT_LT(c, positionnes);
                }
            }
        }
    }
}

// The dispatch tables: sorted by name, closed by "ZZZZ" without layout.
TEST(Tables, Aiguillage) {
    for (const Pack* p : packs) {
        SCOPED_TRACE(p->VARIANTE);
        const sAiguillage& fin = p->tAiguillage[p->ERR_AIGUILLAGE()];
        EXPECT_STREQ(fin.nomVSE, "ZZZZ");
        EXPECT_EQ(fin.code, -1);
        EXPECT_EQ(fin.tabVerif.n, 0);
        for (int i = 1; i < p->LEN_AIGUILLAGE; ++i)
            EXPECT_LT(std::string(p->tAiguillage[i - 1].nomVSE), p->tAiguillage[i].nomVSE);
    }
}

}  // namespace
