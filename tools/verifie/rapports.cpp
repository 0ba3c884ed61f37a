// The result of a check shown three ways: French text for a person (each
// rejected record drawn with a marker line under its faulty fields, as a
// compiler marks a token), one JSON document for other tools, and one HTML
// page where each record is drawn as its 256 positions.
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <string>

#include "tools/explique/explique.hpp"
#include "tools/verifie/verifie.hpp"

namespace vse::verifie {

namespace {

constexpr int LARGEUR_RANGEE = 64;  // positions drawn per row: 4 rows of 64 for a record

std::string code(int numero) {
    char c[16];
    std::snprintf(c, sizeof c, "I%03d1", numero);
    return c;
}

std::string positions(const Erreur& e) {
    if (e.debut == 0) return "";
    if (e.debut == e.fin) return "position " + std::to_string(e.debut);
    return "positions " + std::to_string(e.debut) + "-" + std::to_string(e.fin);
}

const char* nomZone(char z) {
    switch (z) {
        case 'E': return "en-t\xeate";
        case 'C': return "corps";
        case 'F': return "fin";
        default: return "la ligne";
    }
}

// The field an error names, as a person reads it: "corps C6", "en-tête E3 du
// FICH (ligne 1)" when read in the FICH record for another record.
std::string champ(const Erreur& e, int ligneDuRejet) {
    std::string s = nomZone(e.zone);
    if (!e.champ.empty()) s += " " + e.champ;
    if (e.ligne != ligneDuRejet) s += e.ligne == 1 ? " du FICH (ligne 1)" : " (ligne " + std::to_string(e.ligne) + ")";
    return s;
}

// What the line held where the error reads: the value, or for a defect of the
// line itself its length or its character.
std::string constat(const Erreur& e) {
    if (e.zone != 0 || e.debut == 0) return e.debut == 0 ? "" : "valeur lue " + explique::texteValeur(e.valeur);
    if (e.numero == 107) return "ligne de " + std::to_string(e.fin) + " caract\xe8res";
    if (e.numero == 108) return "ligne de " + std::to_string(e.debut - 1) + " caract\xe8res";
    char x[32];
    std::snprintf(x, sizeof x, "caract\xe8re 0x%02X", e.valeur.empty() ? 0 : static_cast<unsigned char>(e.valeur[0]));
    return x;
}

// The positions of a record that its errors mark, in its own line.
std::array<bool, LG_VSE + 1> marques(const Rejet& r) {
    std::array<bool, LG_VSE + 1> m{};
    for (const Erreur& e : r.erreurs) {
        if (e.ligne != r.ligne || e.debut < 1) continue;
        for (int p = e.debut; p <= e.fin && p <= LG_VSE; ++p) m[static_cast<std::size_t>(p)] = true;
    }
    return m;
}

// A character of a record as drawn: a byte outside the printable ones as a
// middle dot (Latin-1 0xB7).
char dessine(char c) {
    const auto o = static_cast<unsigned char>(c);
    return (o < 0x20 || (o >= 0x7F && o < 0xA0)) ? '\xb7' : c;
}


// ---------------------------------------------------------------- text

std::string texteErreurs(const Rejet& r) {
    std::string t;
    for (const Erreur& e : r.erreurs) {
        t += "  erreur " + std::to_string(e.numero) + " (" + code(e.numero) + ") : " + champ(e, r.ligne);
        if (const std::string p = positions(e); !p.empty()) t += ", " + p;
        if (const std::string c = constat(e); !c.empty()) t += ", " + c;
        t += "\n      ";
        t += e.regle.empty() ? "contr\xf4le du programme : " : "r\xe8gle " + e.regle + ", valeur attendue : ";
        t += e.sens + "\n";
    }
    // The record in rows of 64 positions, each row with a marker line under
    // the faulty positions it holds.
    const std::array<bool, LG_VSE + 1> m = marques(r);
    t += "\n";
    for (int debut = 1; debut <= LG_VSE; debut += LARGEUR_RANGEE) {
        char num[16];
        std::snprintf(num, sizeof num, "  %5d ", debut);
        std::string rangee = num, marque(8, ' ');
        bool marquee = false;
        for (int p = debut; p < debut + LARGEUR_RANGEE; ++p) {
            const std::size_t k = static_cast<std::size_t>(p - 1);
            if (k < r.enregistrement.size()) rangee += dessine(r.enregistrement[k]);
            marque += m[static_cast<std::size_t>(p)] ? '^' : ' ';
            marquee = marquee || m[static_cast<std::size_t>(p)];
        }
        t += rangee + "\n";
        if (marquee) t += explique::sansBlancsFinaux(marque) + "\n";
    }
    return t;
}

std::string identification(const Rejet& r) {
    std::string s;
    for (const auto& [nom, valeur] : r.identification) {
        const std::string v = explique::sansBlancsFinaux(valeur);
        s += (s.empty() ? "" : ", ") + nom + " " + (v.empty() ? std::string("(blanc)") : "\xab " + v + " \xbb");
    }
    return s.empty() ? "aucune (type sans table : blancs dans l'ERRE)" : s;
}

}  // namespace

std::string texte(const Verification& v) {
    std::string t = "delvoran-verifie : \xab " + v.fichier + " \xbb v\xe9rifi\xe9 avec les tables de " + v.programme +
                    " " + v.version + "\n";
    const std::string lus = std::to_string(v.lus) + " enregistrement(s) lu(s) apr\xe8s le FICH";
    const bool erreursFichier = !v.fich.erreurs.empty();
    if (v.statut == 0) {
        t += lus + ", tous accept\xe9s : " + v.programme + " les transmettrait (statut 0).\n";
    } else if (v.statut == 2) {
        t += lus + ", " + std::to_string(v.rejets.size()) + " rejet\xe9(s)" +
             (erreursFichier ? ", et des erreurs du fichier" : "") + " : " + v.programme +
             " r\xe9pondrait par une r\xe9ponse d'erreur (statut 2).\n";
    } else if (v.arret) {
        t += v.programme + " s'arr\xeaterait (statut 1) apr\xe8s " + lus + ", sans r\xe9ponse.\n";
        t += "\nArr\xeat " + v.arret->code;
        if (v.arret->ligne != 0) t += " \xe0 la ligne " + std::to_string(v.arret->ligne);
        t += " : " + v.arret->sens + "\n";
        if (erreursFichier || !v.rejets.empty()) t += "\nErreurs relev\xe9" "es avant l'arr\xeat :\n";
    }
    if (erreursFichier) {
        t += "\nErreurs du fichier (enregistrement FICH, ligne 1), dans le dernier ERRE de la r\xe9ponse\n";
        t += texteErreurs(v.fich);
    }
    for (const Rejet& r : v.rejets) {
        t += "\nLigne " + std::to_string(r.ligne) + " : \xab " + r.type + " \xbb, transaction \xab " + r.transaction +
             " \xbb, rejet\xe9\n";
        t += "  identification : " + identification(r) + "\n";
        t += texteErreurs(r);
    }
    return t;
}

// ---------------------------------------------------------------- JSON

namespace {

using Json = nlohmann::ordered_json;

std::string u8(const std::string& latin1) { return catalogue::versUtf8(latin1); }

// A path as given: kept when it is UTF-8, read as Latin-1 otherwise.
std::string cheminU8(const std::string& s) {
    try {
        (void)Json(s).dump();
        return s;
    } catch (const Json::exception&) {
        return u8(s);
    }
}

const char* zoneJson(char z) {
    switch (z) {
        case 'E': return "entete";
        case 'C': return "corps";
        case 'F': return "fin";
        default: return nullptr;
    }
}

Json erreursJson(const std::vector<Erreur>& es) {
    Json a = Json::array();
    for (const Erreur& e : es) {
        Json j;
        j["numero"] = e.numero;
        j["code"] = code(e.numero);
        j["zone"] = zoneJson(e.zone) != nullptr ? Json(zoneJson(e.zone)) : Json(nullptr);
        j["champ"] = e.champ.empty() ? Json(nullptr) : Json(e.champ);
        j["positions"] = e.debut == 0 ? Json(nullptr) : Json::array({e.debut, e.fin});
        j["ligne"] = e.ligne;
        j["valeur"] = e.debut == 0 ? Json(nullptr) : Json(u8(e.valeur));
        j["regle"] = e.regle.empty() ? Json(nullptr) : Json(e.regle);
        j["sens"] = u8(e.sens);
        a.push_back(std::move(j));
    }
    return a;
}

}  // namespace

std::string json(const Verification& v) {
    Json j;
    j["programme"] = v.programme;
    j["version"] = v.version;
    j["fichier"] = cheminU8(v.fichier);
    j["statut"] = v.statut;
    j["enregistrements_lus"] = v.lus;
    j["rejets"] = Json::array();
    for (const Rejet& r : v.rejets) {
        Json o;
        o["ligne"] = r.ligne;
        o["type"] = u8(r.type);
        o["transaction"] = u8(r.transaction);
        Json id = Json::object();
        for (const auto& [nom, valeur] : r.identification) id[nom] = u8(valeur);
        o["identification"] = std::move(id);
        o["erreurs"] = erreursJson(r.erreurs);
        j["rejets"].push_back(std::move(o));
    }
    j["erreurs_fichier"] = erreursJson(v.fich.erreurs);
    if (v.arret) {
        j["arret"] = {{"code", v.arret->code},
                      {"sens", u8(v.arret->sens)},
                      {"ligne", v.arret->ligne == 0 ? Json(nullptr) : Json(v.arret->ligne)},
                      {"message", u8(v.arret->message)}};
    } else {
        j["arret"] = nullptr;
    }
    return j.dump(2) + "\n";
}

// ---------------------------------------------------------------- HTML

namespace {

// Latin-1 text escaped for HTML, in UTF-8; a control character (which no
// page may hold) shown as \xNN.
std::string h(const std::string& latin1) {
    std::string r;
    for (const char c : latin1) {
        const auto o = static_cast<unsigned char>(c);
        switch (c) {
            case '&': r += "&amp;"; break;
            case '<': r += "&lt;"; break;
            case '>': r += "&gt;"; break;
            case '"': r += "&quot;"; break;
            case '\'': r += "&#39;"; break;
            default:
                if (o < 0x20 || (o >= 0x7F && o < 0xA0)) {
                    char x[8];
                    std::snprintf(x, sizeof x, "\\x%02X", o);
                    r += x;
                } else {
                    r += c;
                }
        }
    }
    return u8(r);
}

const char* const STYLE = R"(
body { font-family: sans-serif; margin: 1.5em; color: #222; background: #fff; }
h1 { font-size: 1.3em; } h2 { font-size: 1.1em; margin: 0 0 .4em 0; }
.legende span { display: inline-block; padding: 0 .6em; margin-right: .6em; border: 1px solid #aaa; }
.arret { border-left: 6px solid #b71c1c; padding: .5em 1em; background: #fdecea; }
section { margin: 1.2em 0; padding: .8em 1em; border: 1px solid #ccc; border-radius: 6px; }
.id { color: #555; margin: 0 0 .6em 0; }
.dispo { display: flex; gap: 1.5em; align-items: flex-start; }
.vse { font-family: monospace; font-size: 14px; line-height: 1.25; }
.r { display: flex; white-space: pre; }
.n { width: 3.2em; text-align: right; padding-right: .6em; color: #888; }
.p, .m { display: inline-block; width: 1.25ch; text-align: center; }
.e { background: #dbe8f6; } .c { background: #e2f0dc; } .f { background: #f6edcf; }
.absent { background: repeating-linear-gradient(45deg, #eee, #eee 2px, #fff 2px, #fff 4px); }
.p.faute { background: #c62828; color: #fff; font-weight: bold; }
.m { color: #c62828; font-size: 11px; overflow: visible; }
ol.erreurs { margin: 0; padding-left: 1.4em; flex: 1 1 20em; min-width: 18em; }
ol.erreurs li { margin-bottom: .5em; }
.no { font-weight: bold; color: #c62828; }
code { background: #f3f3f3; padding: 0 .2em; white-space: pre; }
.sens { color: #333; }
)";

std::string classeZone(int p) { return p <= 62 ? "e" : p <= 230 ? "c" : "f"; }

// One record drawn as its 256 positions, four rows of 64, the zones shaded
// and the faulty positions marked (class "faute"), with the error numbers
// under the first position of each faulty field; beside it, its errors.
std::string dessinHtml(const Rejet& r) {
    const std::array<bool, LG_VSE + 1> m = marques(r);
    std::array<std::string, LG_VSE + 1> etiquettes{};
    for (const Erreur& e : r.erreurs) {
        if (e.ligne != r.ligne || e.debut < 1 || e.debut > LG_VSE) continue;
        std::string& et = etiquettes[static_cast<std::size_t>(e.debut)];
        et += (et.empty() ? "" : ",") + std::to_string(e.numero);
    }
    std::string s = "<div class=\"dispo\">\n<div class=\"vse\" data-ligne=\"" + std::to_string(r.ligne) + "\">\n";
    for (int debut = 1; debut <= LG_VSE; debut += LARGEUR_RANGEE) {
        s += "<div class=\"r\"><span class=\"n\">" + std::to_string(debut) + "</span>";
        std::string sous = "<div class=\"r\"><span class=\"n\"></span>";
        for (int p = debut; p < debut + LARGEUR_RANGEE; ++p) {
            const std::size_t k = static_cast<std::size_t>(p - 1);
            const bool faute = m[static_cast<std::size_t>(p)];
            std::string classe = "p " + classeZone(p);
            if (k >= r.enregistrement.size()) classe += " absent";
            if (faute) classe += " faute";
            s += "<span class=\"" + classe + "\"";
            if (faute) s += " title=\"position " + std::to_string(p) + "\"";
            s += ">";
            if (k < r.enregistrement.size()) s += h(std::string(1, dessine(r.enregistrement[k])));
            s += "</span>";
            sous += "<span class=\"m\">" + etiquettes[static_cast<std::size_t>(p)] + "</span>";
        }
        s += "</div>\n" + sous + "</div>\n";
    }
    s += "</div>\n<ol class=\"erreurs\">\n";
    for (const Erreur& e : r.erreurs) {
        s += "<li><span class=\"no\">" + std::to_string(e.numero) + "</span> (" + code(e.numero) + ") " +
             h(champ(e, r.ligne));
        if (const std::string p = positions(e); !p.empty()) s += ", " + h(p);
        if (e.zone != 0 && e.debut != 0) {
            const bool blanc = e.valeur.find_first_not_of(' ') == std::string::npos;
            s += ", valeur lue " + (blanc ? h(explique::texteValeur(e.valeur)) : "<code>" + h(e.valeur) + "</code>");
        } else if (const std::string c = constat(e); !c.empty()) {
            s += ", " + h(c);
        }
        s += "<br/><span class=\"sens\">";
        s += e.regle.empty() ? h("contr\xf4le du programme : ")
                             : h("r\xe8gle ") + "<code>" + h(e.regle) + "</code>, " + h("valeur attendue : ");
        s += h(e.sens) + "</span></li>\n";
    }
    return s + "</ol>\n</div>\n";
}

}  // namespace

std::string html(const Verification& v) {
    std::string s =
        "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
        h("V\xe9rification de " + v.fichier) + "</title>\n<style>" + STYLE + "</style>\n</head>\n<body>\n";
    s += "<h1>" + h("V\xe9rification de \xab " + v.fichier + " \xbb par " + v.programme + " " + v.version) + "</h1>\n";
    std::string resume = std::to_string(v.lus) + " enregistrement(s) lu(s) apr\xe8s le FICH, ";
    if (v.statut == 0) resume += "tous accept\xe9s (statut 0).";
    if (v.statut == 2) resume += std::to_string(v.rejets.size()) + " rejet\xe9(s) : r\xe9ponse d'erreur (statut 2).";
    if (v.statut == 1) resume += "puis arr\xeat du programme (statut 1), sans r\xe9ponse.";
    s += "<p class=\"resume\">" + h(resume) + "</p>\n";
    s += "<p class=\"legende\"><span class=\"e\">" + h("en-t\xeate 1-62") + "</span><span class=\"c\">corps 63-230</span>"
         "<span class=\"f\">fin 231-256</span><span class=\"p faute\" style=\"width:auto\">" +
         h("champ en faute") + "</span></p>\n";
    if (v.arret) {
        std::string a = "Arr\xeat " + v.arret->code;
        if (v.arret->ligne != 0) a += " \xe0 la ligne " + std::to_string(v.arret->ligne);
        s += "<div class=\"arret\"><p><strong>" + h(a) + "</strong> : " + h(v.arret->message) + "</p><p>" +
             h(v.arret->sens) + "</p></div>\n";
    }
    if (!v.fich.erreurs.empty()) {
        s += "<section id=\"ligne-1\">\n<h2>" + h("Erreurs du fichier : enregistrement FICH, ligne 1") + "</h2>\n";
        s += dessinHtml(v.fich) + "</section>\n";
    }
    for (const Rejet& r : v.rejets) {
        s += "<section id=\"ligne-" + std::to_string(r.ligne) + "\">\n<h2>" +
             h("Ligne " + std::to_string(r.ligne) + " : " + r.type + ", transaction " + r.transaction) + "</h2>\n";
        s += "<p class=\"id\">identification : " + h(identification(r)) + "</p>\n";
        s += dessinHtml(r) + "</section>\n";
    }
    return s + "</body>\n</html>\n";
}

}  // namespace vse::verifie
