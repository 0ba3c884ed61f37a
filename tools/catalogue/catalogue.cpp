#include "tools/catalogue/catalogue.hpp"

#include <algorithm>
#include <cstring>
#include <set>

#include "engine/moteur.hpp"
#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"

namespace vse::catalogue {

const Programme programmes[4] = {
    {"delvoran", &principal::pack, DELVORAN},
    {"delvoranpf", &pf::pack, DELVORANPF},
    {"delvoranl", &l::pack, DELVORANL},
    {"delvorand", &d::pack, DELVORAND},
};

const Programme* programme(std::string_view nom) {
    for (const Programme& p : programmes) {
        if (nom == p.nom) return &p;
    }
    return nullptr;
}

const char* nomOrigine(Origine o) {
    switch (o) {
        case Origine::Entete: return "entete";
        case Origine::Fin: return "fin";
        case Origine::Fich: return "fich";
        case Origine::Corps: return "corps";
        case Origine::Presence: return "presence";
        case Origine::Code: return "code";
    }
    return "";
}

std::string texteType(const Entree& e) { return e.saufFich ? e.type + " sauf FICH" : e.type; }

std::string version(const Programme& p) {
    std::string v = p.pack->version;
    while (!v.empty() && v.back() == ' ') v.pop_back();
    return v;
}

// ---------------------------------------------------------------- engine checks

namespace {

// The k-th positioned row of a table (the field the engine cuts k-th), or nullptr.
const sCorps* champCoupe(const Table& t, int k) {
    for (int i = 0; i < t.n; ++i) {
        if (t.lignes[i].debut != 0 && k-- == 0) return &t.lignes[i];
    }
    return nullptr;
}

const Table* tableDuType(const Pack& pack, std::string_view type) {
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        if (type == pack.tAiguillage[i].nomVSE) return &pack.tAiguillage[i].tabVerif;
    }
    return nullptr;
}

}  // namespace

Lieu lieuLu(const Pack& pack, const SensControle& c, std::string_view type) {
    Lieu l;
    const Table* t = nullptr;
    switch (c.lieu) {
        case LieuLu::Ligne:
        case LieuLu::Rangee: return l;
        case LieuLu::Entete: t = &pack.tEntete; l.zone = 'E'; break;
        case LieuLu::FichEntete: t = &pack.tEntete; l.zone = 'E'; l.fich = true; break;
        case LieuLu::FichCorps: t = &pack.tFich; l.zone = 'C'; l.fich = true; break;
        case LieuLu::Corps: t = tableDuType(pack, type); l.zone = 'C'; break;
    }
    l.champ = (l.fich && l.zone == 'E' ? "FICH " : "") + std::string(1, l.zone) + std::to_string(c.champ + 1);
    if (const sCorps* r = t != nullptr ? champCoupe(*t, c.champ) : nullptr) {
        l.debut = r->debut;
        l.fin = r->fin;
    }
    return l;
}

// ---------------------------------------------------------------- global stops

const std::vector<Arret>& arrets() {
    static const std::vector<Arret> t = {
        {msg::IG002,
         "Le fichier temporaire des erreurs (_o) n'a pu \xeatre cr\xe9\xe9 (un r\xe9pertoire sous ce nom, "
         "r\xe9pertoire de sortie non inscriptible) : l'entr\xe9" "e reste sous son nom "
         "temporaire (_r), aucune sortie. Si la r\xe9ponse d'erreur n'a pu \xeatre \xe9" "crite en fin de "
         "traitement : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::IG003,
         "L'entr\xe9" "e n'a pu \xeatre ouverte, ou n'est pas un fichier ordinaire (r\xe9pertoire, FIFO, "
         "p\xe9riph\xe9rique), ou le nom de sortie d\xe9signe autre chose qu'un fichier ordinaire : rien "
         "n'est d\xe9plac\xe9 ni cr\xe9\xe9. Le r\xe9pertoire de sortie n'existe pas, ou la r\xe9ponse "
         "pr\xe9" "c\xe9" "dente sous le nom de sortie n'a pu \xeatre supprim\xe9" "e : l'entr\xe9" "e reste "
         "sous son nom temporaire (_r). Erreur de lecture en cours de route : l'entr\xe9" "e est rendue sous son "
         "nom, aucune sortie."},
        {msg::IG004,
         "Le fichier temporaire des accept\xe9s (_e) n'a pu \xeatre cr\xe9\xe9 (un r\xe9pertoire sous ce nom, "
         "r\xe9pertoire de sortie non inscriptible) : l'entr\xe9" "e reste sous son "
         "nom temporaire (_r), aucune sortie. Si le fichier accept\xe9 n'a pu \xeatre \xe9" "crit ou mis sur "
         "disque en fin de traitement : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::IG008, "Fins de ligne DOS, UNIX et MAC m\xe9lang\xe9" "es : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::IG009,
         "L'entr\xe9" "e n'a pu \xeatre d\xe9plac\xe9" "e au d\xe9part, ou un traitement en cours la d\xe9tient "
         "(sous son nom ou sous son nom temporaire _r, verrouill\xe9" "e), ou autre chose qu'un fichier se trouve "
         "sous son nom temporaire : rien n'est touch\xe9. Elle n'a pu \xeatre "
         "rendue : elle reste sous son nom temporaire (_r), aucune sortie."},
        {msg::IG010,
         "Le r\xe9sultat n'a pu \xeatre renomm\xe9 sous le nom de sortie, ou ce renommage n'a pu \xeatre mis sur "
         "disque : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::IG011,
         "Premi\xe8re ligne autre que FICH, ou aucune ligne compl\xe8te : l'entr\xe9" "e est rendue sous son nom, "
         "aucune sortie."},
        {msg::IG014, "Le fichier ne contient que son FICH : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::IG015, "Ligne vide : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::I073,
         "Plus de 10000 enregistrements apr\xe8s le FICH : l'entr\xe9" "e est rendue sous son nom, aucune sortie."},
        {msg::I099,
         "Num\xe9ro du fichier (C1 du FICH, positions 63-78) blanc : l'entr\xe9" "e est rendue sous son nom, aucune "
         "sortie."},
        {msg::IG016,
         "SIGTERM, SIGINT, SIGHUP, SIGPIPE ou SIGXFSZ re\xe7u avant que la r\xe9ponse soit sous le nom de sortie : "
         "l'entr\xe9" "e est rendue sous son nom, aucune sortie (re\xe7u apr\xe8s : la r\xe9ponse reste, statut 0 "
         "ou 2)."},
        {msg::IG017,
         "L'entr\xe9" "e se trouve sous son nom temporaire (_r) sans qu'aucun traitement la d\xe9tienne : celui qui "
         "la tenait a \xe9t\xe9 tu\xe9 ou s'est arr\xeat\xe9. Rien n'est touch\xe9 ; la sortie d'erreur donne la "
         "commande qui la rend (mv -- <nom>_r <nom>)."},
        {msg::IG018,
         "M\xe9moire \xe9puis\xe9" "e : le caract\xe8re 0x07 suivi de \"llocation m\xe9moire impossible\" sur la "
         "sortie standard, "
         "l'entr\xe9" "e est rendue sous son nom (ou n'a pas \xe9t\xe9 d\xe9plac\xe9" "e), aucune sortie."},
    };
    return t;
}

std::string codeArret(const char* texte) {
    std::string c;
    for (const char* p = texte; *p != '\0' && *p != ':' && *p != ' '; ++p) c += *p;
    return c;
}

// ---------------------------------------------------------------- walking the tables

namespace {

const char* const transactions[] = {"CRE", "DEM", "INV", "EDI", "MOD"};

int presence(const sCorps& r, int t) {
    const int codes[] = {r.typeCRE, r.typeDEM, r.typeINV, r.typeEDI, r.typeMOD};
    return codes[t];
}

// The transaction types whose presence code is accepted by `garder`.
template <typename F>
std::string transactionsOu(const sCorps& r, F garder) {
    std::string s;
    for (int t = 0; t < 5; ++t) {
        if (!garder(presence(r, t))) continue;
        if (!s.empty()) s += ' ';
        s += transactions[t];
    }
    return s;
}

std::string nomChamp(char zone, int numChamp) { return zone + std::to_string(numChamp + 1); }

std::string texteDependance(const Dependance& d) {
    switch (d.zone) {
        case Zone::Aucune: return "";
        case Zone::Entete: return nomChamp('E', d.champ);
        case Zone::Corps: return nomChamp('C', d.champ);
        case Zone::Fin: return nomChamp('F', d.champ);
        case Zone::FichEntete: return "FICH " + nomChamp('E', d.champ);
    }
    return "";
}

// A frame rule gated on the record type (dependance E6) checks either the FICH
// record only or every record but the FICH record. Which, is found by trying
// the rule on values no check accepts (blanks, control characters), once with
// the type "FICH" and once with another type.
enum class Portee { Toutes, Fich, SaufFich };

Portee portee(const sCorps& r, int largeur) {
    if (r.dependance.zone != Zone::Entete || r.dependance.champ != E6) return Portee::Toutes;
    static valeurVSE entete[NB_ENTETE], corps[NB_CORPS], fin[NB_FIN], fichCorps[NB_FICH_CORPS];
    static const int largeurs[NB_ENTETE] = {1, 1, 8, 8, 3, 4, 1, 8, 8, 8, 10, 1, 1};
    for (int i = 0; i < NB_ENTETE; ++i) {
        std::memset(entete[i].valeur, ' ', static_cast<std::size_t>(largeurs[i]));
        entete[i].valeur[largeurs[i]] = '\0';
    }
    std::memcpy(entete[E5].valeur, "CRE", 3);
    static const vseCorps cp{};
    Vue vue;
    vue.entete = entete;
    vue.corps = corps;
    vue.fin = fin;
    vue.fichEntete = entete;
    vue.fichCorps = fichCorps;
    vue.fichFin = fin;
    vue.cp = &cp;
    const tValAutorise* liste = r.sverif != nullptr ? r.sverif->v : nullptr;
    const int n = r.sverif != nullptr ? r.sverif->n : 0;
    bool echoueFich = false, echoueAutre = false;
    for (const char remplissage : {' ', '\x01'}) {
        for (const char* type : {"FICH", "NAIS"}) {
            valeurVSE champ{};
            std::memset(champ.valeur, remplissage, static_cast<std::size_t>(largeur));
            const bool echoue = r.pfVerif(vue, type, champ.valeur, liste, n) == 0;
            (type[0] == 'F' ? echoueFich : echoueAutre) |= echoue;
        }
    }
    if (echoueFich && !echoueAutre) return Portee::Fich;
    if (echoueAutre && !echoueFich) return Portee::SaufFich;
    return Portee::Toutes;
}

// The rows of one table that can record an error: every row with a rule
// (its error number when the rule fails) and, in a body, every row with a
// rule that some transaction type forbids (error 86). Continuation rows
// carry the field and positions of the positioned row above them; a
// continuation row before any positioned row is never verified.
bool aiguillable(const Pack& pack, const char* type) {
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        if (std::strcmp(pack.tAiguillage[i].nomVSE, type) == 0) return true;
    }
    return false;
}

void parcourir(const Programme& p, const Table& t, Origine origine, char zone, const std::string& type,
               std::vector<Entree>& out) {
    const Pack& pack = *p.pack;
    const SensControle* presence = sensControle(Controle::Presence, 86, p.bit);
    const sCorps* champ = nullptr;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (r.debut != 0) champ = &r;
        if (champ == nullptr || r.pfVerif == nullptr) continue;
        Entree e;
        e.origine = origine;
        e.type = type;
        e.champ = nomChamp(zone, champ->numChamp);
        e.debut = champ->debut;
        e.fin = champ->fin;
        e.regle = r.nomRegle != nullptr ? r.nomRegle : "";
        e.liste = r.sverif != nullptr && r.sverif->nom != nullptr ? r.sverif->nom : "";
        e.dependance = texteDependance(r.dependance);
        if (const char* sens = sensRegle(e.regle, p.bit)) e.description = sens;
        e.aiguille = origine == Origine::Corps || origine == Origine::Fin;
        if (origine == Origine::Entete || origine == Origine::Fin) {
            const Portee pt = portee(r, champ->fin - champ->debut + 1);
            if (pt == Portee::Fich) e.type = "FICH";
            // The trailer is verified on dispatched records only.
            if (origine == Origine::Fin && pt == Portee::Fich && !aiguillable(pack, "FICH")) {
                e.description += std::string(e.description.empty() ? "" : " ; ") +
                                 "jamais relev\xe9" "e : la fin n'est v\xe9rifi\xe9" "e que sur un enregistrement "
                                 "aiguill\xe9, et le FICH ne l'est pas.";
            }
            e.saufFich = pt == Portee::SaufFich;
        }
        if (origine == Origine::Corps) {
            e.appliquee = transactionsOu(r, [](int c) { return c == 0; });
            e.interdite = transactionsOu(r, [](int c) { return c != 0 && c != 1; });
        } else {
            // The frame is verified without a transaction type.
            e.appliquee = "toutes";
        }
        e.erreur = r.noErr;
        out.push_back(e);
        if (!e.interdite.empty()) {
            e.erreur = 86;
            e.origine = Origine::Presence;
            e.description = presence != nullptr ? presence->sens : "";
            e.controle = presence;
            out.push_back(e);
        }
    }
}

int rang(Origine o) {
    switch (o) {
        case Origine::Entete: return 0;
        case Origine::Fich: return 1;
        case Origine::Fin: return 2;
        case Origine::Code: return 3;
        case Origine::Presence: return 4;
        case Origine::Corps: return 5;
    }
    return 6;
}

}  // namespace

std::vector<Entree> entrees(const Programme& p) {
    const Pack& pack = *p.pack;
    std::vector<Entree> out;
    parcourir(p, pack.tEntete, Origine::Entete, 'E', "*", out);
    parcourir(p, pack.tFich, Origine::Fich, 'C', "FICH", out);
    parcourir(p, pack.tFin, Origine::Fin, 'F', "*", out);
    for (const SensControle& c : sensControles()) {
        if ((c.programmes & p.bit) == 0) continue;
        Entree e;
        e.erreur = c.erreur;
        e.origine = Origine::Code;
        e.type = c.type;
        const Lieu l = lieuLu(pack, c, c.type);
        if (c.lieu != LieuLu::Ligne) e.champ = l.champ;
        e.debut = l.debut;
        e.fin = l.fin;
        e.regle = c.regle;
        e.liste = c.liste;
        e.description = c.sens;
        e.controle = &c;
        e.aiguille = c.aiguille;
        out.push_back(e);
    }
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        const sAiguillage& a = pack.tAiguillage[i];
        parcourir(p, a.tabVerif, Origine::Corps, 'C', a.nomVSE, out);
    }
    std::stable_sort(out.begin(), out.end(), [](const Entree& a, const Entree& b) {
        if (a.erreur != b.erreur) return a.erreur < b.erreur;
        if (rang(a.origine) != rang(b.origine)) return rang(a.origine) < rang(b.origine);
        return a.origine != Origine::Code && a.type < b.type;
    });
    return out;
}

// ---------------------------------------------------------------- output

std::string versUtf8(std::string_view latin1) {
    std::string s;
    s.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            s += ch;
        } else {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

namespace {

std::string positions(const Entree& e) {
    if (e.debut == 0) return "";
    if (e.debut == e.fin) return std::to_string(e.debut);
    return std::to_string(e.debut) + "-" + std::to_string(e.fin);
}

// A Markdown table cell: pipes escaped, runs of blanks kept visible inside
// quoted values.
std::string cellule(const std::string& s) {
    std::string r;
    for (const char c : s) {
        if (c == '|') r += "\\|";
        else r += c;
    }
    return versUtf8(r);
}

std::string code(const std::string& s) { return s.empty() ? "" : "`" + s + "`"; }

// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string champCsv(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return versUtf8(s);
    std::string r = "\"";
    for (const char c : s) {
        if (c == '"') r += '"';
        r += c;
    }
    return versUtf8(r + "\"");
}

std::string ligneCsv(const std::vector<std::string>& champs) {
    std::string r;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0) r += ',';
        r += champCsv(champs[i]);
    }
    return r + "\n";
}

std::string numeros(const std::vector<Entree>& es) {
    std::set<int> n;
    for (const Entree& e : es) n.insert(e.erreur);
    std::string r;
    for (const int i : n) r += (r.empty() ? "" : ", ") + std::to_string(i);
    return r;
}

}  // namespace

std::string markdown() {
    std::string m;
    m += "# Catalogue des erreurs de delvoran, delvoranpf, delvoranl et delvorand\n\n";
    m += versUtf8(
        "G\xe9n\xe9r\xe9 par `delvoran-catalogue` \xe0 partir des tables sur lesquelles tournent les programmes : "
        "ne pas le modifier \xe0 la main (`tools/verifier-catalogue --ecrire` le r\xe9\xe9" "crit).\n\n"
        "Chaque num\xe9ro d'erreur est \xe9" "crit \xab I%03d1 \xbb (85 donne `I0851`) dans l'enregistrement ERRE "
        "qui r\xe9pond \xe0 l'enregistrement rejet\xe9, dix au plus ; `delvoran-explique` relit une r\xe9ponse "
        "et explique chacun.\n\n"
        "- *Origine* : `entete` (en-t\xeate E1-E13, toute ligne), `fich` (corps du FICH), `fin` (fin F1-F5, "
        "tout enregistrement aiguill\xe9), `code` (contr\xf4le \xe9" "crit dans le moteur), `presence` (champ "
        "interdit pour la transaction, erreur 86), `corps` (table du type d'enregistrement).\n"
        "- *Champ* : C1.. corps, E1.. en-t\xeate, F1.. fin ; une ligne de continuation rel\xe8ve du champ "
        "au-dessus d'elle.\n"
        "- *Transactions* : types E5 o\xf9 la r\xe8gle s'applique (code de pr\xe9sence 0 ; ECQ suit la colonne "
        "CRE) ; `toutes` pour l'en-t\xeate, la fin et le FICH, v\xe9rifi\xe9s sans type de transaction. "
        "*Interdit* : types E5 o\xf9 le champ donne l'erreur 86 (code de pr\xe9sence 2).\n"
        "- *D\xe9pendance* : le champ de la ligne que la r\xe8gle re\xe7oit en plus du sien (`FICH E3` : "
        "l'en-t\xeate du FICH).\n"
        "- *Description* : pour une r\xe8gle, ce que doit \xeatre la valeur du champ (\xab la valeur doit "
        "\xeatre \xbb ...) ; pour un contr\xf4le du moteur, ce qu'il exige, et le champ qu'il lit.\n\n");

    m += versUtf8("## Arr\xeats du traitement\n\n");
    m += versUtf8(
        "Un arr\xeat \xe9" "crit une ligne dat\xe9" "e dans le journal (\xab Le JJ/MM/SSAA a HH:MM:SS : \xbb puis le "
        "texte) et rend le statut 1. Les noms temporaires sont ceux de l'entr\xe9" "e suivis de `_r` (dans son "
        "r\xe9pertoire), `_e` et `_o` (dans celui de la sortie) ; delvoranpf y ajoute `_pf`.\n\n");
    m += versUtf8("| Code | Texte du journal | Ce qui reste sur le disque |\n|---|---|---|\n");
    for (const Arret& a : arrets()) {
        m += "| " + codeArret(a.texte) + " | " + cellule(a.texte) + " | " + cellule(a.reste) + " |\n";
    }

    for (const Programme& p : programmes) {
        const std::vector<Entree> es = entrees(p);
        m += "\n## " + std::string(p.nom) + " " + version(p) + "\n\n";
        m += versUtf8("Num\xe9ros : ") + numeros(es) + ".\n\n";
        std::string decrits, vides;
        for (int i = 0; i < p.pack->ERR_AIGUILLAGE(); ++i) {
            const sAiguillage& a = p.pack->tAiguillage[i];
            std::string& l = a.tabVerif.n > 0 ? decrits : vides;
            l += (l.empty() ? "" : ", ") + std::string(a.nomVSE);
            if (a.tabVerif.n > 0) l += " (" + std::to_string(a.tabVerif.n) + ")";
        }
        m += versUtf8("Types d'enregistrement et lignes de leur table : ") + (decrits.empty() ? "aucun" : decrits) +
             ".";
        if (!vides.empty()) {
            m += versUtf8(" Sans table de corps (en-t\xeate et fin seulement) : ") + vides + ".";
        }
        m += "\n\n";
        m += versUtf8(
            "| Erreur | Origine | Type | Champ | Positions | Transactions | Interdit | R\xe8gle | Liste | "
            "D\xe9pendance | Description |\n|---|---|---|---|---|---|---|---|---|---|---|\n");
        for (const Entree& e : es) {
            m += "| " + std::to_string(e.erreur) + " | " + nomOrigine(e.origine) + " | " + cellule(texteType(e)) + " | " +
                 cellule(e.champ) + " | " + positions(e) + " | " + cellule(e.appliquee) + " | " +
                 cellule(e.interdite) + " | " + code(cellule(e.regle)) + " | " + code(cellule(e.liste)) + " | " +
                 cellule(e.dependance) + " | " + cellule(e.description) + " |\n";
        }
    }
    return m;
}

std::string csv() {
    std::string c = ligneCsv({"programme", "version", "erreur", "origine", "type", "champ", "debut", "fin",
                              "appliquee", "interdite", "regle", "liste", "dependance", "description"});
    for (const Programme& p : programmes) {
        for (const Entree& e : entrees(p)) {
            c += ligneCsv({p.nom, version(p), std::to_string(e.erreur), nomOrigine(e.origine), texteType(e), e.champ,
                           e.debut != 0 ? std::to_string(e.debut) : "", e.fin != 0 ? std::to_string(e.fin) : "",
                           e.appliquee, e.interdite, e.regle, e.liste, e.dependance, e.description});
        }
    }
    // The global stops: every program, status 1, code in place of a number.
    for (const Arret& a : arrets()) {
        c += ligneCsv({"*", "", codeArret(a.texte), "arret", "", "", "", "", "", "", "", "", "",
                       std::string(a.texte) + " / " + a.reste});
    }
    return c;
}

}  // namespace vse::catalogue
