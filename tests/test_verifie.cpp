// delvoran-verifie against the programs themselves: on the same file, the
// same status and the same error numbers record by record, the file left as
// it was and nothing left behind; the values it shows are those planted in
// the fields; its JSON follows the documented schema and its HTML page is
// well formed and marks exactly the faulty positions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/avec_repertoire.hpp"
#include "tests/corps.hpp"
#include "tools/verifie/verifie.hpp"

namespace {

using namespace vse::outils;
using vse::E10;
using vse::E6;
using vse::E9;
using vse::F5;
using P = Programme;
using Json = nlohmann::json;

const std::string VERIFIE = std::string(VSE_BIN_DIR) + "/delvoran-verifie";

const vse::catalogue::Programme& programme(P p) { return *vse::catalogue::programme(nom(p)); }

// What a reply says: the error numbers of each ERRE record answering a
// record (sorted, as a check lists them by line and a reply may answer a
// pairing after the next record), those of the file, the records read.
struct Reponse {
    std::vector<std::vector<int>> rejets;
    std::vector<int> fichier;
    int lus = 0;
};

Reponse lireReponse(const std::string& contenu) {
    Reponse r;
    const std::vector<std::string> e = enregistrements(contenu);
    if (e.empty()) return r;
    const auto nombre = [&](int debut) { return std::atoi(e[0].substr(static_cast<std::size_t>(debut - 1), 6).c_str()); };
    r.lus = nombre(101);
    const bool fichier = nombre(95) + nombre(113) == r.lus + 1;
    for (std::size_t i = 1; i < e.size(); ++i) {
        std::vector<int> codes;
        for (std::size_t p = 111; p + 5 <= 161 && e[i][p] == 'I'; p += 5) codes.push_back(std::atoi(e[i].substr(p + 1, 3).c_str()));
        (fichier && i + 1 == e.size() ? r.fichier : r.rejets.emplace_back()) = codes;
    }
    std::sort(r.rejets.begin(), r.rejets.end());
    return r;
}

std::vector<int> numeros(const std::vector<vse::verifie::Erreur>& es) {
    std::vector<int> n;
    for (const auto& e : es) n.push_back(e.numero);
    return n;
}

// A value planted in a field: error `numero` on line `ligne` reads `valeur`.
struct Attendu {
    int ligne;
    int numero;
    std::string valeur;
};

struct Cas {
    const char* nom;
    P p;
    std::string contenu;
    int statut;
    std::vector<Attendu> valeurs;
};

// The result code each program refuses from the senders of outils::vseType,
// and the error it gives.
std::pair<const char*, int> codeRefuse(P p) {
    switch (p) {
        case P::principal: return {"xx", 51};
        case P::pf: return {"20", 807};
        default: return {"20", 806};
    }
}

std::vector<Cas> lesCas() {
    std::vector<Cas> cas;
    for (const P p : tousLesProgrammes) {
        cas.push_back({"acceptes", p, fichierMixte(p, 30, false), 0, {}});
        cas.push_back({"rejetes", p, fichierMixte(p, 30, true), 2, {}});
        // Faults of every kind the engine finds, each with the value planted.
        const auto [code, erreurCode] = codeRefuse(p);
        std::string tab = vseType(p).ligne();
        tab[46] = '\t';
        const std::vector<std::string> lignes = {
            fich(p, 9).ligne(),
            vseType(p).avec(E9, "<&>0 001").avec(F5, "X").ligne(),
            vseType(p).corpsA(77, code).ligne(),
            tab,
            vseType(p).ligne().substr(0, 200),
            vseType(p).ligne() + "ZZZ",
            vseType(p, "QQQQ").ligne(),
            vseType(p).ligne(),
        };
        cas.push_back({"defauts", p, fichier(lignes, "\r\n"), 2,
                       {{1, 100, "000009"}, {2, 89, "<&>0 001"}, {2, 94, "X"}, {3, erreurCode, code}, {4, 106, "\t"},
                        {5, 108, ""}, {5, 94, ""}, {6, 107, "ZZZ"}, {7, 85, "QQQQ"}}});
        cas.push_back({"arret", p, fichier({fich(p, 2).ligne(), vseType(p).ligne(), "", vseType(p).ligne()}), 1, {}});
    }
    // The sample of the demo, and the checks of the main program that read
    // the FICH record or pair two records.
    cas.push_back({"exemple", P::principal, lire(std::string(VSE_SOURCE_DIR) + "/exemples/EXP_0042_exemple.vse"), 2,
                   {{4, 5, "30022024"}, {4, 10, "    "}, {6, 23, "L"}, {6, 50, "02345678    "}, {8, 52, "20062024"},
                    {10, 124, "11062024"}, {10, 126, "1050,00"}}});
    cas.push_back({"appariement", P::principal,
                   fichier({fich(P::principal, 3).ligne(), vseType(P::principal, "EXP1").ligne(),
                            vseType(P::principal).ligne(), vseType(P::principal, "ABAT").ligne()}),
                   2, {{2, 105, vseType(P::principal, "EXP1").ligne().substr(64, 12)}, {1, 110, "001IPG  "}}});
    return cas;
}

class Verifie : public AvecRepertoire {
protected:
    void SetUp() override {
        std::filesystem::create_directory(rep / "tmp");
        ::setenv("TMPDIR", (rep / "tmp").c_str(), 1);
        std::filesystem::create_directory(rep / "in");
    }
    void TearDown() override { ::unsetenv("TMPDIR"); }

    // The file to check, under a name that carries a code between '_'.
    std::string entree(const std::string& contenu) {
        const std::string f = rep / "in/EXP_0042_essai.vse";
        ecrire(f, contenu);
        return f;
    }
};

TEST_F(Verifie, CommeLeProgrammeSansToucherAuFichier) {
    for (const Cas& c : lesCas()) {
        SCOPED_TRACE(std::string(c.nom) + " " + nom(c.p));
        const std::string f = entree(c.contenu);
        const vse::verifie::Verification v = vse::verifie::verifier(f, programme(c.p));
        EXPECT_TRUE(v.raison.empty()) << v.raison;
        // The file as it was, beside nothing new, and no scratch file left.
        EXPECT_EQ(lire(f), c.contenu);
        EXPECT_EQ(contenuDe(rep / "in"), std::vector<std::string>{"EXP_0042_essai.vse"});
        EXPECT_TRUE(contenuDe(rep / "tmp").empty());

        // The program on the same path.
        const Execution e = executer(c.p, {f, rep / "reponse", rep / "log"});
        ASSERT_EQ(v.statut, e.statut) << e.erreurs;
        EXPECT_EQ(v.statut, c.statut);
        if (e.statut == 2) {
            const Reponse r = lireReponse(lire(rep / "reponse"));
            std::vector<std::vector<int>> rejets;
            for (const auto& rj : v.rejets) rejets.push_back(numeros(rj.erreurs));
            std::sort(rejets.begin(), rejets.end());
            EXPECT_EQ(rejets, r.rejets);
            EXPECT_EQ(numeros(v.fich.erreurs), r.fichier);
            EXPECT_EQ(v.lus, r.lus);
        }
        if (e.statut == 1) {
            ASSERT_TRUE(v.arret.has_value());
            EXPECT_NE(lire(rep / "log").find(v.arret->message), std::string::npos) << v.arret->message;
            EXPECT_EQ(v.arret->code, "IG015");
            EXPECT_EQ(v.arret->ligne, 3);
            EXPECT_FALSE(v.arret->sens.empty());
        }

        // Every error: a meaning, positions inside its zone, and the planted values.
        std::vector<const vse::verifie::Erreur*> toutes;
        for (const auto& rj : v.rejets)
            for (const auto& er : rj.erreurs) toutes.push_back(&er);
        for (const auto& er : v.fich.erreurs) toutes.push_back(&er);
        for (const vse::verifie::Erreur* er : toutes) {
            EXPECT_FALSE(er->sens.empty()) << er->numero;
            const std::map<char, std::pair<int, int>> zones = {{'E', {1, 62}}, {'C', {63, 230}}, {'F', {231, 256}}};
            if (er->zone != 0 && er->debut != 0) {
                EXPECT_GE(er->debut, zones.at(er->zone).first) << er->numero;
                EXPECT_LE(er->fin, zones.at(er->zone).second) << er->numero;
            }
        }
        for (const Attendu& a : c.valeurs) {
            const bool trouve = std::any_of(toutes.begin(), toutes.end(), [&](const vse::verifie::Erreur* er) {
                return er->ligne == a.ligne && er->numero == a.numero && er->valeur == a.valeur;
            });
            EXPECT_TRUE(trouve) << "erreur " << a.numero << " ligne " << a.ligne << " \"" << a.valeur << "\"";
        }
    }
}

// The engine reads a code from the first word of its command line: through
// -D it reads the same code as from the path in a run on that path.
TEST(VerifieLigneDeCommande, LeCodeDuCheminCommeDansUneExecution) {
    for (const std::string chemin : {"EXP_0042_x.vse", "/a/b_c/EXP_0042_x.vse", "C:\\data\\EXP_0042_x.txt",
                                     "x__y_z.vse", "sans.vse", "-x_7", "_"}) {
        const std::vector<std::string> mots = vse::verifie::ligneDeCommande("delvoran", chemin, "c", "r", "j");
        ASSERT_EQ(mots.size(), 5u);
        EXPECT_EQ(vse::extraireC11(mots[1].c_str()), vse::extraireC11(chemin.c_str())) << chemin;
        EXPECT_EQ(mots[1].rfind("-D", 0), 0u);
    }
}

// ---------------------------------------------------------------- the command

// A page whose tags nest and close, whose attributes are quoted, whose
// entities are XML's own and which holds no control character (partner data
// may): what an XML parser accepts.
bool bienFormee(const std::string& s, std::string& pourquoi) {
    std::vector<std::string> pile;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) < 0x20 && s[i] != '\n') {
            pourquoi = "control character at " + std::to_string(i);
            return false;
        }
        if (s[i] == '&') {
            const std::size_t f = s.find(';', i);
            const std::string ent = s.substr(i, f == std::string::npos ? 0 : f - i + 1);
            if (ent != "&amp;" && ent != "&lt;" && ent != "&gt;" && ent != "&quot;" && ent != "&#39;") {
                pourquoi = "entity at " + std::to_string(i);
                return false;
            }
            continue;
        }
        if (s[i] == '>') {
            pourquoi = "stray > at " + std::to_string(i);
            return false;
        }
        if (s[i] != '<') continue;
        std::size_t f = i + 1;
        bool cite = false;
        for (; f < s.size() && (cite || s[f] != '>'); ++f) {
            if (s[f] == '"') cite = !cite;
            if (!cite && s[f] == '<') {
                pourquoi = "< inside a tag at " + std::to_string(f);
                return false;
            }
        }
        const std::string tag = s.substr(i + 1, f - i - 1);
        i = f;
        if (tag.empty() || tag[0] == '!') continue;
        if (tag[0] == '/') {
            if (pile.empty() || pile.back() != tag.substr(1)) {
                pourquoi = "</" + tag.substr(1) + "> closes " + (pile.empty() ? "nothing" : pile.back());
                return false;
            }
            pile.pop_back();
        } else if (tag.back() != '/') {
            pile.push_back(tag.substr(0, tag.find(' ')));
        }
    }
    pourquoi = pile.empty() ? "" : "<" + pile.back() + "> not closed";
    return pile.empty();
}

// The JSON document for the file with faults of every kind and for a stopped
// file, read against the schema of the manual page; the HTML page for the
// first, well formed, each record's faulty positions exactly those of its
// errors in the JSON, partner data escaped.
TEST_F(Verifie, JsonEtHtml) {
    const std::vector<Cas> cas = lesCas();
    for (const Cas& c : cas) {
        if (c.p != P::l || (std::string(c.nom) != "defauts" && std::string(c.nom) != "arret")) continue;
        SCOPED_TRACE(c.nom);
        const std::string f = entree(c.contenu);
        const Execution e = executer(VERIFIE, {"-p", "delvoranl", "--json", f});
        EXPECT_EQ(e.statut, c.statut) << e.erreurs;
        const Json j = Json::parse(e.sortie);
        EXPECT_EQ(j.at("programme"), "delvoranl");
        EXPECT_EQ(j.at("statut"), c.statut);
        EXPECT_TRUE(j.at("enregistrements_lus").is_number_integer());
        const auto erreurOk = [](const Json& er) {
            const std::set<std::string> zones = {"entete", "corps", "fin"};
            EXPECT_TRUE(er.at("numero").is_number_integer());
            EXPECT_TRUE(er.at("zone").is_null() || zones.count(er.at("zone").get<std::string>()) == 1);
            EXPECT_TRUE(er.at("champ").is_null() || er.at("champ").is_string());
            const Json& pos = er.at("positions");
            EXPECT_TRUE(pos.is_null() || (pos.is_array() && pos.size() == 2 && pos[0] <= pos[1]));
            EXPECT_TRUE(er.at("ligne").is_number_integer());
            EXPECT_TRUE(er.at("valeur").is_null() || er.at("valeur").is_string());
            EXPECT_TRUE(er.at("regle").is_null() || er.at("regle").is_string());
            EXPECT_FALSE(er.at("sens").get<std::string>().empty());
        };
        for (const Json& r : j.at("rejets")) {
            for (const char* k : {"ligne", "type", "transaction", "identification", "erreurs"}) EXPECT_TRUE(r.contains(k)) << k;
            EXPECT_TRUE(r.at("identification").is_object());
            for (const Json& er : r.at("erreurs")) erreurOk(er);
        }
        for (const Json& er : j.at("erreurs_fichier")) erreurOk(er);
        if (c.statut == 1) {
            EXPECT_EQ(j.at("arret").at("code"), "IG015");
            EXPECT_EQ(j.at("arret").at("ligne"), 3);
            EXPECT_TRUE(j.at("arret").at("sens").is_string());
            continue;
        }
        EXPECT_TRUE(j.at("arret").is_null());
        EXPECT_EQ(j.at("rejets").size(), 6u);

        const std::string page = rep / "page.html";
        ASSERT_EQ(executer(VERIFIE, {"-p", "delvoranl", "--html", page, f}).statut, 2);
        const std::string h = lire(page);
        std::string pourquoi;
        EXPECT_TRUE(bienFormee(h, pourquoi)) << pourquoi;
        EXPECT_EQ(h.find("<script"), std::string::npos);
        EXPECT_EQ(h.find("http"), std::string::npos);
        EXPECT_NE(h.find("&lt;&amp;&gt;0 001"), std::string::npos);
        EXPECT_EQ(h.find("<&>"), std::string::npos);
        std::vector<Json> records(j.at("rejets").begin(), j.at("rejets").end());
        Json fichier = {{"ligne", 1}, {"erreurs", j.at("erreurs_fichier")}};
        records.push_back(fichier);
        for (const Json& r : records) {
            const int ligne = r.at("ligne");
            std::set<int> attendu;
            for (const Json& er : r.at("erreurs")) {
                if (er.at("ligne") != ligne || er.at("positions").is_null()) continue;
                for (int p = er.at("positions")[0]; p <= er.at("positions")[1] && p <= 256; ++p) attendu.insert(p);
            }
            const std::size_t debut = h.find("<div class=\"vse\" data-ligne=\"" + std::to_string(ligne) + "\"");
            ASSERT_NE(debut, std::string::npos) << ligne;
            const std::size_t fin = h.find("<ol", debut);
            std::set<int> marquees;
            int position = 0;
            for (std::size_t k = h.find("<span class=\"p ", debut); k < fin; k = h.find("<span class=\"p ", k + 1)) {
                ++position;
                const std::string classe = h.substr(k, h.find('"', k + 13) - k);
                if (classe.find("faute") != std::string::npos) marquees.insert(position);
            }
            EXPECT_EQ(position, 256) << ligne;
            EXPECT_EQ(marquees, attendu) << "ligne " << ligne;
        }
    }
}

// The sample of the demo in words: its four rejected records, each value, the
// marker lines; and the command line.
TEST_F(Verifie, LExempleEnClairEtLaLigneDeCommande) {
    const std::string exemple = std::string(VSE_SOURCE_DIR) + "/exemples/EXP_0042_exemple.vse";
    const Execution e = executer("/usr/bin/env", {"LC_ALL=C", VERIFIE, exemple});
    EXPECT_EQ(e.statut, 2) << e.erreurs;
    for (const char* m : {"4 rejet\xe9(s)", "Ligne 4 : \xab NAIS \xbb", "Ligne 6 : \xab ENTR \xbb", "Ligne 8 : \xab SORT \xbb",
                          "Ligne 10 : \xab ABAT \xbb", "valeur lue \xab 30022024 \xbb", "valeur lue \xab L \xbb",
                          "valeur lue \xab 20062024 \xbb", "valeur lue \xab 1050,00 \xbb", "\n                         ^^^^^^^^^^^^\n"}) {
        EXPECT_NE(e.sortie.find(m), std::string::npos) << m << "\n" << e.sortie;
    }

    const std::string f = entree(fichierMixte(P::d, 3, false));
    struct Ligne {
        std::vector<std::string> arguments;
        int statut;
    };
    const Ligne lignes[] = {
        // delvoran's frame is not the variants'.
        {{f}, 2}, {{"-p", "delvorand", f}, 0}, {{}, 3}, {{"--json", "--html", rep / "p.html", f}, 3},
        {{"-p", "delvoranx", f}, 3}, {{"-q", f}, 3}, {{"--html"}, 3}, {{rep / "absent.vse"}, 1},
        {{rep / "in"}, 1},
        // The page may not replace the file checked.
        {{"-p", "delvorand", "--html", f, f}, 1},
    };
    const std::string avant = lire(f);
    for (const Ligne& l : lignes) {
        const Execution x = executer(VERIFIE, l.arguments);
        EXPECT_EQ(x.statut, l.statut) << testing::PrintToString(l.arguments) << x.erreurs;
        if (l.statut == 1) {
            EXPECT_FALSE(x.erreurs.empty());
        }
    }
    EXPECT_EQ(lire(f), avant);
}

}  // namespace
