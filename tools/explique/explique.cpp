#include "tools/explique/explique.hpp"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
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

std::string sansBlancsFinaux(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
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

// The dispatch entry of a record type, or nullptr.
const sAiguillage* entreeDe(const Pack& pack, std::string_view type) {
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        if (type == pack.tAiguillage[i].nomVSE) return &pack.tAiguillage[i];
    }
    return nullptr;
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
    if (!e.champ.empty()) s += " sur " + e.champ;
    if (!rld.empty()) s += " (" + rld + ")";
    return s + " : " + e.description;
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

Explication expliquer(std::string_view contenu, const catalogue::Programme& p) {
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
    "Usage : delvoran-explique [-p programme] [-v] <fichier r\xe9ponse>\n"
    "         -p : delvoran (par d\xe9" "faut), delvoranpf, delvoranl ou delvorand\n"
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

void ecrire(std::FILE* f, const std::string& latin1) {
    const std::string s = enUtf8(localeDesCaracteres(), ::isatty(::fileno(f)) == 1) ? catalogue::versUtf8(latin1) : latin1;
    std::fwrite(s.data(), 1, s.size(), f);
}

}  // namespace

bool enUtf8(const char* locale, bool terminal) {
    const std::string l = locale == nullptr ? "" : locale;
    if (l.empty() || l == "C" || l == "POSIX") return terminal;
    std::string minuscules = l;
    for (char& c : minuscules) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return minuscules.find("utf-8") != std::string::npos || minuscules.find("utf8") != std::string::npos;
}

int commande(int argc, char** argv) {
    const char* nomProgramme = "delvoran";
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
            return 3;
        }
        if (a.compare(0, 2, "-p") == 0) {
            if (a.size() > 2) {
                nomProgramme = argv[i] + 2;
            } else if (i + 1 < argc) {
                nomProgramme = argv[++i];
            } else {
                ecrire(stderr, USAGE);
                return 3;
            }
            continue;
        }
        ecrire(stderr, "delvoran-explique: option inconnue " + a + "\n" + USAGE);
        return 3;
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
    std::string contenu;
    if (chemin == "-") {
        contenu.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream f(chemin, std::ios::binary);
        if (!f) {
            ecrire(stderr, "delvoran-explique: impossible de lire " + chemin + "\n");
            return 1;
        }
        contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        if (f.bad()) {
            ecrire(stderr, "delvoran-explique: impossible de lire " + chemin + "\n");
            return 1;
        }
    }
    const Explication x = expliquer(contenu, *p);
    if (!x.reponse) {
        ecrire(stderr, "delvoran-explique: " + chemin + " n'est pas une r\xe9ponse d'erreur : " + x.texte + "\n");
        return 1;
    }
    ecrire(stdout, x.texte);
    return 0;
}

}  // namespace vse::explique
