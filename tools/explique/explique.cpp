#include "tools/explique/explique.hpp"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include <unistd.h>

#ifndef DELVORAN_VERSION
#define DELVORAN_VERSION "?"
#endif

namespace vse::explique {

namespace {

using catalogue::Entree;
using catalogue::Origine;

constexpr std::size_t LG = static_cast<std::size_t>(LG_VSE);

// The records of a file: the texts between line ends (CR LF, LF or CR); a
// last record without line end counts too.
std::vector<std::string_view> enregistrements(std::string_view c) {
    std::vector<std::string_view> r;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] != '\r' && c[i] != '\n') continue;
        r.push_back(c.substr(debut, i - debut));
        if (c[i] == '\r' && i + 1 < c.size() && c[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < c.size()) r.push_back(c.substr(debut));
    return r;
}

// Characters `de` to `a` (1-based, inclusive) of a 256-character record.
std::string_view zone(std::string_view e, int de, int a) {
    return e.substr(static_cast<std::size_t>(de - 1), static_cast<std::size_t>(a - de + 1));
}

// A value between guillemets, or "(blanc)" when it is all blanks.
std::string valeur(std::string_view s) {
    const std::string v = sansBlancsFinaux(s);
    return v.empty() ? "(blanc)" : "\xab " + v + " \xbb";
}

// A six-digit counter of the reply record, without its leading zeros.
std::string compteur(std::string_view s) {
    std::size_t i = 0;
    while (i + 1 < s.size() && s[i] == '0') ++i;
    return std::string(s.substr(i));
}

std::string nomChamp(numCorpsVSE c) {
    std::string n = "C";
    n += std::to_string(static_cast<int>(c) + 1);
    return n;
}

bool contientMot(const std::string& mots, std::string_view mot) {
    std::istringstream s(mots);
    std::string m;
    while (s >> m) {
        if (m == mot) return true;
    }
    return false;
}

// Whether an entry of the catalogue can have recorded its error on a record
// of this type and transaction type.
bool peutVenirDe(const Entree& e, std::string_view type, std::string_view e5, bool aiguille) {
    if (e.type != "*" && e.type != type) return false;
    if (e.saufFich && type == "FICH") return false;
    if (e.aiguille && !aiguille) return false;
    // ECQ is verified with the CRE column.
    const std::string_view colonne = e5 == "ECQ" ? std::string_view("CRE") : e5;
    if (e.origine == Origine::Corps) return contientMot(e.appliquee, colonne);
    if (e.origine == Origine::Presence) return contientMot(e.interdite, colonne);
    return true;
}

std::string positions(const Entree& e) {
    if (e.debut == 0) return "";
    if (e.debut == e.fin) return " (position " + std::to_string(e.debut) + ")";
    return " (positions " + std::to_string(e.debut) + "-" + std::to_string(e.fin) + ")";
}

// The rule, list and dependance of an entry, those it has.
std::string regleListeDependance(const Entree& e) {
    std::string s;
    const auto ajouter = [&s](const std::string& t) { s += (s.empty() ? "" : ", ") + t; };
    if (!e.regle.empty()) ajouter("r\xe8gle " + e.regle);
    if (!e.liste.empty()) ajouter("liste " + e.liste);
    if (!e.dependance.empty()) ajouter("d\xe9pendance " + e.dependance);
    return s;
}

// One line saying where the error comes from.
std::string ou(const Entree& e) {
    const std::string rld = regleListeDependance(e);
    switch (e.origine) {
        case Origine::Entete: return "en-t\xeate " + e.champ + positions(e) + ", " + rld;
        case Origine::Fin: return "fin " + e.champ + positions(e) + ", " + rld;
        case Origine::Fich: return "corps du FICH " + e.champ + positions(e) + ", " + rld;
        case Origine::Corps: return "corps " + e.champ + positions(e) + ", " + rld;
        case Origine::Presence:
            return "corps " + e.champ + positions(e) + " interdit pour " + e.interdite + " (r\xe8gle " + e.regle +
                   " non appliqu\xe9" "e)";
        case Origine::Code: break;
    }
    std::string s = "contr\xf4le du programme";
    if (!e.champ.empty()) s += " sur " + e.champ + positions(e);
    if (!rld.empty()) s += " (" + rld + ")";
    return s;
}

// What the entry demands: the value a rule expects, or what a check requires.
std::string sens(const Entree& e) {
    if (e.description.empty()) return "";
    if (e.origine == Origine::Code || e.origine == Origine::Presence) return e.description;
    return "valeur attendue : " + e.description;
}

// The error numbers of an ERRE record: up to ten "I%03d1" groups in
// positions 112-161, up to the first blank group.
struct Code {
    std::string texte;
    int numero;  // -1 when the group is not "I", three digits, "1"
};
std::vector<Code> codes(std::string_view e) {
    std::vector<Code> r;
    for (int p = 112; p < 112 + 5 * MAX_ERREURS; p += 5) {
        const std::string_view g = zone(e, p, p + 4);
        if (g == "     ") break;
        const bool forme = g[0] == 'I' && g[4] == '1' && std::isdigit(static_cast<unsigned char>(g[1])) &&
                           std::isdigit(static_cast<unsigned char>(g[2])) &&
                           std::isdigit(static_cast<unsigned char>(g[3]));
        r.push_back({std::string(g), forme ? std::atoi(std::string(g.substr(1, 3)).c_str()) : -1});
    }
    return r;
}

}  // namespace

// ---------------------------------------------------------------- the file sent

std::string_view lu(std::string_view e, int debut, int fin) {
    const std::size_t d = static_cast<std::size_t>(debut - 1);
    if (debut < 1 || fin < debut || d >= e.size()) return {};
    return e.substr(d, static_cast<std::size_t>(fin - debut + 1));
}

std::string sansBlancsFinaux(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

const sCorps* champCoupe(const Table& t, int k) {
    for (int i = 0; i < t.n; ++i) {
        if (t.lignes[i].debut != 0 && k-- == 0) return &t.lignes[i];
    }
    return nullptr;
}

const sAiguillage* entreeDe(const Pack& pack, std::string_view type) {
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        if (type == pack.tAiguillage[i].nomVSE) return &pack.tAiguillage[i];
    }
    return nullptr;
}

std::string texteValeur(std::string_view v) {
    if (v.empty()) return "(absente : ligne trop courte)";
    if (v.find_first_not_of(' ') == std::string_view::npos) {
        return "(" + std::to_string(v.size()) + (v.size() > 1 ? " blancs)" : " blanc)");
    }
    std::string r = "\xab ";
    for (const char ch : v) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            char x[8];
            std::snprintf(x, sizeof x, "\\x%02X", c);
            r += x;
        } else {
            r += ch;
        }
    }
    return r + " \xbb";
}

std::string constatDeLigne(Controle c, std::string_view ligne) {
    if (c == Controle::Caracteres) {
        for (std::size_t i = 0; i < ligne.size(); ++i) {
            const auto o = static_cast<unsigned char>(ligne[i]);
            if (o >= 0x20 && o <= 0x7E) continue;
            char x[80];
            std::snprintf(x, sizeof x, "caract\xe8re 0x%02X en position %zu", o, i + 1);
            return x;
        }
        return "";
    }
    return "ligne de " + std::to_string(ligne.size()) + " caract\xe8res";
}

namespace {

// The characters of a record from a 1-based position as the engine copies a
// cut field into an ERRE record: up to the record's end or a zero byte, then
// blanks up to the width.
std::string piece(std::string_view l, int debut, int largeur) {
    std::string r;
    for (int i = 0; i < largeur; ++i) {
        const std::size_t k = static_cast<std::size_t>(debut - 1 + i);
        if (k >= l.size() || k >= LG || l[k] == '\0') break;
        r += l[k];
    }
    r.resize(static_cast<std::size_t>(largeur), ' ');
    return r;
}

// The k-th field a layout cuts from a record, at the width of the ERRE
// piece it is copied into (blanks when the layout has no such field).
std::string champ(std::string_view l, const Table& t, int k, int largeur) {
    const sCorps* r = champCoupe(t, k);
    if (r == nullptr) return std::string(static_cast<std::size_t>(largeur), ' ');
    return piece(piece(l, r->debut, r->fin - r->debut + 1), 1, largeur);
}

// What an ERRE record copies from the record it answers, but the error
// numbers: the header pieces (ERRE positions 1-18, 26, 35-42 and 51-69) and
// the identification (70-83, 98-111), in one text.
std::string cleEnvoyee(const Pack& pack, std::string_view l) {
    std::string k = piece(l, 1, 2) + piece(l, 11, 8) + piece(l, 3, 8) + piece(l, 26, 1) + piece(l, 35, 8) +
                    piece(l, 51, 12) + piece(l, 22, 4) + piece(l, 19, 3);
    const sAiguillage* a = entreeDe(pack, sansBlancsFinaux(piece(l, 22, 4)));
    if (a == nullptr) return k + std::string(28, ' ');
    const sCorps* c1 = champCoupe(a->tabVerif, 0);
    const sCorps* c2 = champCoupe(a->tabVerif, 1);
    std::string id;
    if (c1 != nullptr) id += piece(l, c1->debut, c1->fin - c1->debut + 1);
    if (c2 != nullptr) id += piece(l, c2->debut, c2->fin - c2->debut + 1);
    k += piece(id, 1, 14);
    k += a->champErrC7 == CINC ? std::string(2, ' ') : champ(l, a->tabVerif, a->champErrC7, 2);
    k += a->champErrC8 == CINC ? std::string(12, ' ') : champ(l, a->tabVerif, a->champErrC8, 12);
    return k;
}

// The same pieces read in an ERRE record.
std::string cleErre(std::string_view e) {
    return std::string(zone(e, 1, 18)) + std::string(zone(e, 26, 26)) + std::string(zone(e, 35, 42)) +
           std::string(zone(e, 51, 83)) + std::string(zone(e, 98, 111));
}

// Which records of the file sent the ERRE records of a reply answer. An ERRE
// record copies the header pieces and the identification of the record it
// answers (cleEnvoyee): the records sent that give the same pieces are its
// candidates. When the reply holds as many ERRE records with those pieces as
// the file holds records, each answers one, in order (a program answers the
// records in the order of the lines); when the file holds more, the ERRE
// record cannot tell which, and every candidate is named, with the value
// read in each. The file's own errors are those of its first record, the
// FICH: they are answered by the last ERRE record, present when the reply's
// counters show one (errors and accepted records exceed the records read by
// one).
class Correspondance {
public:
    Correspondance(const Pack& pack, std::string_view envoye, const std::vector<std::string_view>& reponse)
        : envoyes_(enregistrements(envoye)), lignes_(reponse.size()) {
        const std::string_view tete = reponse[0];
        const long lus = std::atol(std::string(zone(tete, 101, 106)).c_str());
        const long erreurs = std::atol(std::string(zone(tete, 95, 100)).c_str());
        const long acceptes = std::atol(std::string(zone(tete, 113, 118)).c_str());
        const std::size_t dernier = reponse.size() - 1;
        const bool fichier = erreurs + acceptes == lus + 1 && zone(reponse[dernier], 63, 66) == "FICH";
        std::map<std::string, std::vector<int>> parCle;
        for (std::size_t l = 1; l < envoyes_.size(); ++l) {
            parCle[cleEnvoyee(pack, envoyes_[l])].push_back(static_cast<int>(l) + 1);
        }
        std::map<std::string, std::size_t> total, vus;
        for (std::size_t i = 1; i < reponse.size(); ++i) {
            if (!(fichier && i == dernier)) ++total[cleErre(reponse[i])];
        }
        for (std::size_t i = 1; i < reponse.size(); ++i) {
            if (fichier && i == dernier) {
                if (!envoyes_.empty()) lignes_[i] = {1};
                continue;
            }
            const std::string cle = cleErre(reponse[i]);
            const std::vector<int>& c = parCle[cle];
            if (c.size() > total[cle]) {
                lignes_[i] = c;
            } else if (const std::size_t j = vus[cle]++; j < c.size()) {
                lignes_[i] = {c[j]};
            }
        }
    }
    // The lines (from 1) of the file sent that the i-th record of the reply may answer.
    const std::vector<int>& lignes(std::size_t i) const { return lignes_[i]; }
    std::string_view ligne(int n) const { return envoyes_[static_cast<std::size_t>(n - 1)]; }

private:
    std::vector<std::string_view> envoyes_;
    std::vector<std::vector<int>> lignes_;
};

// What the sent record holds where an entry of the catalogue reads, or "".
std::string valeurEnvoyee(const Entree& en, const Pack& pack, std::string_view type, std::string_view ligne,
                          std::string_view fich) {
    if (en.controle != nullptr && en.controle->lieu == LieuLu::Ligne) return constatDeLigne(en.controle->controle, ligne);
    int debut = en.debut, fin = en.fin;
    bool dansFich = false;
    if (en.controle != nullptr && en.controle->lieu != LieuLu::Rangee) {
        const catalogue::Lieu l = catalogue::lieuLu(pack, *en.controle, type);
        debut = l.debut;
        fin = l.fin;
        dansFich = l.fich;
    }
    if (debut == 0) return "";
    return texteValeur(lu(dansFich ? fich : ligne, debut, fin)) + (dansFich ? " (dans le FICH, ligne 1)" : "");
}

}  // namespace

Explication expliquer(std::string_view contenu, const catalogue::Programme& p, std::optional<std::string_view> envoye) {
    Explication x;
    const std::vector<std::string_view> enr = enregistrements(contenu);
    if (enr.empty()) {
        x.texte = "fichier vide";
        return x;
    }
    for (std::size_t i = 0; i < enr.size(); ++i) {
        if (enr[i].size() != LG) {
            x.texte = "l'enregistrement " + std::to_string(i + 1) + " a " +
                                    std::to_string(enr[i].size()) + " caract\xe8res au lieu de 256";
            return x;
        }
    }
    const std::string_view tete = enr[0];
    if (zone(tete, 19, 25) != "INFFICH" || tete[124] != '1') {
        x.texte = 
            "le premier enregistrement n'est pas l'enregistrement d'une r\xe9ponse (FICH, transaction INF, "
            "\xab 1 \xbb en position 125)";
        return x;
    }
    if (enr.size() == 1) {
        x.texte = "aucun enregistrement ERRE";
        return x;
    }
    for (std::size_t i = 1; i < enr.size(); ++i) {
        if (zone(enr[i], 19, 25) != "ERRERRE") {
            x.texte = "l'enregistrement " + std::to_string(i + 1) +
                                    " n'est pas un ERRE (\xab ERR \xbb et \xab ERRE \xbb en positions 19-25)";
            return x;
        }
    }

    const std::vector<Entree> catalogue = catalogue::entrees(p);
    std::string t;
    t += "R\xe9ponse d'erreur lue avec les tables de " + std::string(p.nom) + " " + catalogue::version(p) + "\n";
    t += "Fichier " + valeur(zone(tete, 63, 78)) + " de " + valeur(zone(tete, 11, 18)) + " \xe0 " +
         valeur(zone(tete, 3, 10)) + " : " + compteur(zone(tete, 101, 106)) + " enregistrement(s) lu(s), " +
         compteur(zone(tete, 95, 100)) + " r\xe9ponse(s) d'erreur, " + compteur(zone(tete, 113, 118)) +
         " sans erreur.\n";

    std::optional<Correspondance> envoi;
    if (envoye) envoi.emplace(*p.pack, *envoye, enr);
    const std::size_t n = enr.size() - 1;
    for (std::size_t i = 1; i < enr.size(); ++i) {
        const std::string_view e = enr[i];
        const std::string type(zone(e, 63, 66));
        const std::string e5 = sansBlancsFinaux(zone(e, 67, 69));
        const sAiguillage* a = entreeDe(*p.pack, type);
        t += "\nEnregistrement rejet\xe9 " + std::to_string(i) + "/" + std::to_string(n) + " : " +
             valeur(type) + ", transaction " + valeur(e5);
        if (type == "FICH") {
            t += " (erreurs du fichier, ou FICH ailleurs qu'en premi\xe8re ligne)";
        } else if (a == nullptr) {
            t += " (type inconnu de " + std::string(p.nom) + " : en-t\xeate seul v\xe9rifi\xe9)";
        }
        t += "\n";
        t += "  identification : C1 C2 " + valeur(zone(e, 70, 83));
        if (a != nullptr && a->champErrC7 != CINC) t += ", " + nomChamp(a->champErrC7) + " " + valeur(zone(e, 98, 99));
        if (a != nullptr && a->champErrC8 != CINC) {
            t += ", " + nomChamp(a->champErrC8) + " " + valeur(zone(e, 100, 111));
        }
        t += "\n";
        // The records sent that it answers, and the value each holds where an entry reads.
        std::vector<int> lignes;
        if (envoi) {
            lignes = envoi->lignes(i);
            t += "  dans le fichier envoy\xe9 : ";
            if (lignes.empty()) t += "aucun enregistrement ne porte cette identification";
            for (std::size_t k = 0; k < lignes.size(); ++k) {
                t += (k == 0 ? (lignes.size() > 1 ? "lignes " : "ligne ") : ", ") + std::to_string(lignes[k]);
            }
            if (lignes.size() > 1) t += " (m\xeame identification : valeur lue dans chacune)";
            t += "\n";
        }
        const auto valeursLues = [&](const Entree& en) {
            std::string v;
            std::string premiere;
            bool differentes = false;
            for (const int l : lignes) {
                const std::string lue = valeurEnvoyee(en, *p.pack, type, envoi->ligne(l), envoi->ligne(1));
                if (lue.empty()) return std::string();
                if (v.empty()) premiere = lue;
                differentes = differentes || lue != premiere;
                v += (v.empty() ? "" : ", ") + ("ligne " + std::to_string(l) + " ") + lue;
            }
            return differentes ? v : premiere;
        };
        const std::vector<Code> cs = codes(e);
        if (cs.empty()) t += "  aucun num\xe9ro d'erreur\n";
        for (const Code& c : cs) {
            if (c.numero < 0) {
                t += "  " + c.texte + " : code illisible\n";
                continue;
            }
            t += "  " + c.texte + " : erreur " + std::to_string(c.numero) + "\n";
            int trouves = 0;
            for (const Entree& en : catalogue) {
                if (en.erreur != c.numero || !peutVenirDe(en, type, e5, a != nullptr)) continue;
                t += "      " + ou(en) + "\n";
                if (const std::string sn = sens(en); !sn.empty()) t += "          " + sn + "\n";
                if (const std::string v = valeursLues(en); !v.empty()) t += "          valeur lue : " + v + "\n";
                ++trouves;
            }
            if (trouves == 0) {
                t += "      aucun champ ni contr\xf4le de " + std::string(p.nom) + " ne donne cette erreur \xe0 " +
                     valeur(type) + " " + valeur(e5) + "\n";
            }
        }
    }
    x.reponse = true;
    x.texte = t;
    return x;
}

// ---------------------------------------------------------------- command

namespace {

const char* const USAGE =
    "Usage : delvoran-explique [-p programme] [-f fichier envoy\xe9] [-v] <fichier r\xe9ponse>\n"
    "         -p : delvoran (par d\xe9" "faut), delvoranpf, delvoranl ou delvorand\n"
    "         -f : le fichier envoy\xe9 auquel la r\xe9ponse r\xe9pond : la valeur lue dans chaque champ\n"
    "         -v : donne la version de delvoran-explique\n"
    "         \xab - \xbb lit la r\xe9ponse sur l'entr\xe9" "e standard\n";

// The locale of the character set: the first of LC_ALL, LC_CTYPE, LANG that
// is set, or none.
const char* localeDesCaracteres() {
    for (const char* v : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* s = std::getenv(v);
        if (s != nullptr && *s != '\0') return s;
    }
    return nullptr;
}

// The whole content of a file ("-": standard input); false when it cannot be read.
bool lireTout(const std::string& chemin, std::string& contenu) {
    if (chemin == "-") {
        contenu.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

}  // namespace

void ecrire(std::FILE* f, const std::string& latin1) {
    const std::string s = enUtf8(localeDesCaracteres(), ::isatty(::fileno(f)) == 1) ? catalogue::versUtf8(latin1) : latin1;
    std::fwrite(s.data(), 1, s.size(), f);
}

bool enUtf8(const char* locale, bool terminal) {
    const std::string l = locale == nullptr ? "" : locale;
    if (l.empty() || l == "C" || l == "POSIX") return terminal;
    std::string minuscules = l;
    for (char& c : minuscules) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return minuscules.find("utf-8") != std::string::npos || minuscules.find("utf8") != std::string::npos;
}

LectureOptions lireOptions(int argc, char** argv, std::initializer_list<Option> options, int& suite,
                           std::string& fautive) {
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a.size() < 2 || a[0] != '-') break;
        if (a == "-v") {
            std::printf("%s\n", DELVORAN_VERSION);
            return LectureOptions::version;
        }
        const Option* o = nullptr;
        std::size_t colle = 0;  // where a joined value begins
        for (const Option& c : options) {
            const std::string nom = c.nom;
            if (a == nom) {
                o = &c;
                colle = a.size();
            } else if (c.valeur != nullptr && nom.size() == 2 && a.compare(0, 2, nom) == 0) {
                o = &c;
                colle = 2;
            } else if (c.valeur != nullptr && nom.size() > 2 && a.compare(0, nom.size() + 1, nom + "=") == 0) {
                o = &c;
                colle = nom.size() + 1;
            }
            if (o != nullptr) break;
        }
        if (o == nullptr) {
            fautive = a;
            return LectureOptions::inconnue;
        }
        if (o->valeur == nullptr) {
            *o->present = true;
        } else if (colle < a.size() || a.back() == '=') {
            *o->valeur = argv[i] + colle;
        } else if (i + 1 < argc) {
            *o->valeur = argv[++i];
        } else {
            return LectureOptions::valeurManquante;
        }
    }
    suite = i;
    return LectureOptions::lues;
}

int commande(int argc, char** argv) {
    const char* nomProgramme = "delvoran";
    const char* envoye = nullptr;
    int i = 1;
    std::string fautive;
    switch (lireOptions(argc, argv, {{"-p", &nomProgramme}, {"-f", &envoye}}, i, fautive)) {
        case LectureOptions::lues: break;
        case LectureOptions::version: return 3;
        case LectureOptions::valeurManquante: ecrire(stderr, USAGE); return 3;
        case LectureOptions::inconnue: ecrire(stderr, "delvoran-explique: option inconnue " + fautive + "\n" + USAGE); return 3;
    }
    if (argc - i != 1) {
        ecrire(stderr, USAGE);
        return 3;
    }
    const catalogue::Programme* p = catalogue::programme(nomProgramme);
    if (p == nullptr) {
        ecrire(stderr, "delvoran-explique: programme inconnu " + std::string(nomProgramme) + "\n" + USAGE);
        return 3;
    }

    const std::string chemin = argv[i];
    std::string contenu, original;
    if (!lireTout(chemin, contenu)) {
        ecrire(stderr, "delvoran-explique: impossible de lire " + chemin + "\n");
        return 1;
    }
    // Standard input gives one of the two files at most.
    if (envoye != nullptr && ((chemin == "-" && std::string(envoye) == "-") || !lireTout(envoye, original))) {
        ecrire(stderr, "delvoran-explique: impossible de lire le fichier envoy\xe9 " + std::string(envoye) + "\n");
        return 1;
    }
    const Explication x =
        expliquer(contenu, *p, envoye != nullptr ? std::optional<std::string_view>(original) : std::nullopt);
    if (!x.reponse) {
        ecrire(stderr, "delvoran-explique: " + chemin + " n'est pas une r\xe9ponse d'erreur : " + x.texte + "\n");
        return 1;
    }
    ecrire(stdout, x.texte);
    return 0;
}

}  // namespace vse::explique
