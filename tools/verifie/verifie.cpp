// The check of a file by a program's engine, run here on a private copy with
// a report that gathers every error the run records.
#include "tools/verifie/verifie.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <system_error>

#include "engine/moteur.hpp"
#include "tools/explique/explique.hpp"

#ifndef DELVORAN_VERSION
#define DELVORAN_VERSION "?"
#endif

namespace vse::verifie {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t LG = static_cast<std::size_t>(LG_VSE);

// The lines of a file as a run reads them: the texts before each line end
// (CR LF, LF or a lone CR), up to a Ctrl-Z; the characters after the last
// line end are no line.
std::vector<std::string_view> lignesLues(std::string_view c) {
    std::vector<std::string_view> r;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] == '\x1a') break;
        if (c[i] != '\r' && c[i] != '\n') continue;
        r.push_back(c.substr(debut, i - debut));
        if (c[i] == '\r' && i + 1 < c.size() && c[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    return r;
}

// The report of the run: every error recorded, with the line it is about,
// the field and its positions, the value the line holds there and the
// meaning of the rule or check.
class Collecteur : public Rapport {
public:
    Collecteur(const catalogue::Programme& p, const std::vector<std::string_view>& lignes)
        : programme_(p), lignes_(lignes) {}

    void ligne(int numero, const char*, int) override {
        courante_ = numero;
        vue_ = true;
    }

    void defautDeLigne(int noErr, bool enregistre) override {
        if (!enregistre) return;
        const Controle c = noErr == 106   ? Controle::Caracteres
                                 : noErr == 107 ? Controle::TropLong
                                                : Controle::TropCourt;
        const std::string_view l = texte(courante_);
        Erreur e;
        e.numero = noErr;
        e.ligne = courante_;
        if (c == Controle::Caracteres) {
            for (std::size_t i = 0; i < l.size(); ++i) {
                const auto o = static_cast<unsigned char>(l[i]);
                if (o < 0x20 || o > 0x7E) {
                    e.debut = e.fin = static_cast<int>(i) + 1;
                    break;
                }
            }
        } else if (c == Controle::TropLong) {
            e.debut = LG_VSE + 1;
            e.fin = static_cast<int>(l.size());
        } else {
            e.debut = static_cast<int>(l.size()) + 1;
            e.fin = LG_VSE;
        }
        if (e.debut != 0) e.valeur = explique::lu(l, e.debut, e.fin);
        const SensControle* s = sensControle(c, noErr, programme_.bit);
        if (s != nullptr) e.sens = s->sens;
        erreurs_[courante_].push_back(std::move(e));
    }

    void erreurChamp(const ErreurChamp& ec) override {
        Erreur e;
        e.numero = ec.noErr;
        e.zone = ec.zone;
        e.champ = std::string(1, ec.zone) + std::to_string(ec.ordinal);
        e.debut = ec.debut;
        e.fin = ec.fin;
        e.ligne = courante_;
        e.valeur = explique::lu(texte(courante_), ec.debut, ec.fin);
        const char* nom = ec.rangee->nomRegle != nullptr ? ec.rangee->nomRegle : "";
        if (ec.presence != 0) {
            const SensControle* s = sensControle(Controle::Presence, 86, programme_.bit);
            if (s != nullptr) e.sens = s->sens;
        } else {
            e.regle = nom;
            if (const char* s = sensRegle(nom, programme_.bit)) e.sens = s;
        }
        erreurs_[courante_].push_back(std::move(e));
    }

    void controle(Controle c, int noErr, int numero) override {
        Erreur e;
        e.numero = noErr;
        e.ligne = numero;
        if (const SensControle* s = sensControle(c, noErr, programme_.bit)) {
            e.sens = s->sens;
            const catalogue::Lieu l = catalogue::lieuLu(*programme_.pack, *s, explique::lu(texte(numero), 22, 25));
            e.zone = l.zone;
            // Its name in its zone; `ligne` says it is the FICH record's.
            e.champ = l.fich && l.champ.rfind("FICH ", 0) == 0 ? l.champ.substr(5) : l.champ;
            e.debut = l.debut;
            e.fin = l.fin;
            if (l.fich) e.ligne = 1;
            if (e.debut != 0) e.valeur = explique::lu(texte(e.ligne), e.debut, e.fin);
        }
        erreurs_[numero].push_back(std::move(e));
    }

    void finLigne(int numero, int) override {
        if (numero >= 2) ++lus_;
    }

    const std::map<int, std::vector<Erreur>>& erreurs() const { return erreurs_; }
    int lus() const { return lus_; }
    bool uneLigneVue() const { return vue_; }

private:
    std::string_view texte(int numero) const {
        return numero >= 1 && static_cast<std::size_t>(numero) <= lignes_.size()
                   ? lignes_[static_cast<std::size_t>(numero - 1)]
                   : std::string_view();
    }

    const catalogue::Programme& programme_;
    const std::vector<std::string_view>& lignes_;
    int courante_ = 0;
    bool vue_ = false;
    int lus_ = 0;
    std::map<int, std::vector<Erreur>> erreurs_;
};

// A record and what identifies it in its ERRE record: the first two fields its
// layout cuts and the fields its dispatch entry names (none for a type
// without entry, which its ERRE record identifies by blanks).
Rejet rejet(const Pack& pack, int numero, std::string_view l, std::vector<Erreur> erreurs) {
    Rejet r;
    r.ligne = numero;
    r.enregistrement = std::string(l.substr(0, std::min(l.size(), LG)));
    r.type = explique::sansBlancsFinaux(explique::lu(l, 22, 25));
    r.transaction = explique::sansBlancsFinaux(explique::lu(l, 19, 21));
    r.erreurs = std::move(erreurs);
    // Found as the engine finds it: by E6 as cut (four characters, fewer on a short line).
    const sAiguillage* a = numero == 1 ? nullptr : explique::entreeDe(pack, explique::lu(l, 22, 25));
    if (a == nullptr) return r;
    std::vector<int> champs = {0, 1};
    if (a->champErrC7 != CINC) champs.push_back(a->champErrC7);
    if (a->champErrC8 != CINC) champs.push_back(a->champErrC8);
    for (const int k : champs) {
        if (const sCorps* c = explique::champCoupe(a->tabVerif, k)) {
            // Built by appending: g++ 12 at -O3 warns (-Wrestrict) on a
            // literal + std::string it inlines, wrongly.
            std::string nom(1, 'C');
            nom += std::to_string(c->numChamp + 1);
            r.identification.emplace_back(std::move(nom), std::string(explique::lu(l, c->debut, c->fin)));
        }
    }
    return r;
}

// The stop told by the run's log line ("Le JJ/MM/SSAA a HH:MM:SS : IG015: ..."),
// with its meaning from the error catalogue.
std::optional<Arret> arretDuJournal(const std::string& journal) {
    const std::size_t debut = journal.find(" : ");
    if (journal.rfind("Le ", 0) != 0 || debut == std::string::npos) return std::nullopt;
    Arret a;
    a.message = journal.substr(debut + 3);
    while (!a.message.empty() && (a.message.back() == '\n' || a.message.back() == '\r')) a.message.pop_back();
    a.code = catalogue::codeArret(a.message.c_str());
    a.sens = a.message;
    for (const catalogue::Arret& c : catalogue::arrets()) {
        if (catalogue::codeArret(c.texte) != a.code) continue;
        std::string t = c.texte + a.code.size();
        t.erase(0, t.find_first_not_of(": "));
        a.sens = t + ". " + c.reste;
        break;
    }
    return a;
}

// A scratch directory, removed with what it holds when the object goes.
class RepertoireDeTravail {
public:
    RepertoireDeTravail() {
        const char* tmp = std::getenv("TMPDIR");
        std::string modele = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/delvoran-verifie.XXXXXX";
        if (::mkdtemp(modele.data()) != nullptr) chemin_ = modele;
    }
    ~RepertoireDeTravail() {
        std::error_code ec;
        if (!chemin_.empty()) fs::remove_all(chemin_, ec);
    }
    RepertoireDeTravail(const RepertoireDeTravail&) = delete;
    RepertoireDeTravail& operator=(const RepertoireDeTravail&) = delete;
    const std::string& chemin() const { return chemin_; }

private:
    std::string chemin_;
};

bool ecrireFichier(const std::string& chemin, std::string_view contenu) {
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::size_t fait = 0;
    while (fait < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + fait, contenu.size() - fait);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        fait += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0;
}

// The system's file operations, but the syncs: the run's files are scratch
// copies that no one keeps, and a sync costs milliseconds on a disk.
const OperationsFichier& operationsSansSynchro() {
    static const OperationsFichier o = [] {
        OperationsFichier r = operationsSysteme();
        r.synchroniser = [](int) { return 0; };
        return r;
    }();
    return o;
}

extern "C" void noterSignal(int s) { signalRecu = s; }

// While the engine runs, the signals that stop a program stop it as a stop
// (IG016): the scratch directory is then removed like after any run.
class Signaux {
public:
    Signaux() {
        struct sigaction a{};
        a.sa_handler = noterSignal;
        sigemptyset(&a.sa_mask);
        for (std::size_t i = 0; i < std::size(signaux); ++i) ::sigaction(signaux[i], &a, &avant_[i]);
    }
    ~Signaux() {
        for (std::size_t i = 0; i < std::size(signaux); ++i) ::sigaction(signaux[i], &avant_[i], nullptr);
    }
    Signaux(const Signaux&) = delete;
    Signaux& operator=(const Signaux&) = delete;

private:
    static constexpr int signaux[] = {SIGTERM, SIGINT, SIGHUP, SIGPIPE, SIGXFSZ};
    struct sigaction avant_[std::size(signaux)]{};
};

}  // namespace

std::vector<std::string> ligneDeCommande(const std::string& programme, const std::string& chemin,
                                         const std::string& copie, const std::string& reponse,
                                         const std::string& journal) {
    return {programme, "-D" + chemin, copie, reponse, journal};
}

Verification verifier(const std::string& chemin, const catalogue::Programme& p) {
    Verification v;
    v.programme = p.nom;
    v.version = catalogue::version(p);
    v.fichier = chemin;

    // The file read once, whole; only a regular file, as the programs take.
    struct stat st{};
    if (chemin.empty()) errno = ENOENT;
    if (chemin.empty() || ::stat(chemin.c_str(), &st) != 0) {
        v.raison = "impossible d'acc\xe9" "der \xe0 " + chemin + " : " + std::strerror(errno);
        return v;
    }
    if (!S_ISREG(st.st_mode)) {
        v.raison = chemin + " n'est pas un fichier ordinaire";
        return v;
    }
    std::string contenu;
    {
        std::ifstream f(chemin, std::ios::binary);
        if (f) contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
        if (!f || f.bad()) {
            v.raison = "impossible de lire " + chemin;
            return v;
        }
    }

    // The copy and the run's other names in a scratch directory of their own.
    const RepertoireDeTravail rep;
    if (rep.chemin().empty()) {
        v.raison = std::string("impossible de cr\xe9" "er un r\xe9pertoire temporaire : ") + std::strerror(errno);
        return v;
    }
    const std::string copie = rep.chemin() + "/fichier";
    const std::string reponse = rep.chemin() + "/reponse";
    const std::string journal = rep.chemin() + "/journal";
    if (!ecrireFichier(copie, contenu)) {
        v.raison = std::string("impossible de copier le fichier dans ") + rep.chemin() + " : " + std::strerror(errno);
        return v;
    }

    const std::vector<std::string_view> lignes = lignesLues(contenu);
    Collecteur collecteur(p, lignes);
    std::vector<std::string> mots = ligneDeCommande(p.nom, chemin, copie, reponse, journal);
    char* argv[] = {mots[0].data(), mots[1].data(), mots[2].data(), mots[3].data(), mots[4].data(), nullptr};
    int statut = 1;
    int nombreDeVSE = 0;
    signalRecu = 0;
    {
        const Signaux signaux;
        const auto moteur = std::make_unique<Moteur>(*p.pack, operationsSansSynchro());
        moteur->rapport = &collecteur;
        statut = moteur->delvoran(5, argv);
        nombreDeVSE = moteur->nombreDeVSE;
    }
    if (signalRecu != 0) {
        v.raison = "interrompu par le signal " + std::to_string(static_cast<int>(signalRecu));
        return v;
    }

    v.lus = collecteur.lus();
    for (const auto& [numero, erreurs] : collecteur.erreurs()) {
        const std::string_view l =
            static_cast<std::size_t>(numero) <= lignes.size() ? lignes[static_cast<std::size_t>(numero - 1)] : "";
        if (numero == 1) {
            v.fich = rejet(*p.pack, 1, l, erreurs);
        } else {
            v.rejets.push_back(rejet(*p.pack, numero, l, erreurs));
        }
    }
    if (v.fich.ligne == 0 && !lignes.empty()) v.fich = rejet(*p.pack, 1, lignes[0], {});

    if (statut == 0 || statut == 2) {
        v.statut = statut;
        return v;
    }
    std::string texteJournal;
    {
        std::ifstream f(journal, std::ios::binary);
        texteJournal.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    v.arret = arretDuJournal(texteJournal);
    if (!v.arret) {
        v.raison = "le programme s'est arr\xea" "t\xe9 sans message (statut " + std::to_string(statut) + ")";
        return v;
    }
    // The line the run was at: the one read when a stop of the reading came,
    // the 10001st record for I073; none before the first line or at the end.
    int ligne = v.arret->code == "I073" ? nombreDeVSE - 1 : nombreDeVSE;
    if (!collecteur.uneLigneVue() || v.arret->code == "IG014" || ligne < 1 ||
        static_cast<std::size_t>(ligne) > lignes.size()) {
        ligne = 0;
    }
    v.arret->ligne = ligne;
    v.statut = 1;
    return v;
}

// ---------------------------------------------------------------- command

namespace {

const char* const USAGE =
    "Usage : delvoran-verifie [-p programme] [--json | --html FICHIER.html] [-v] <fichier>\n"
    "         -p : delvoran (par d\xe9" "faut), delvoranpf, delvoranl ou delvorand\n"
    "         --json : le rapport en un document JSON (UTF-8)\n"
    "         --html : le rapport en une page HTML \xe9" "crite dans FICHIER.html\n"
    "         -v : donne la version de delvoran-verifie\n";

int usage(const std::string& message = "") {
    explique::ecrire(stderr, message + USAGE);
    return 3;
}

// Whether two paths name one file (the same path, or the same device and inode).
bool memeFichier(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::weakly_canonical(fs::absolute(a, ec), ec) == fs::weakly_canonical(fs::absolute(b, ec), ec) && !ec) {
        return true;
    }
    struct stat sa{}, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

int commande(int argc, char** argv) {
    const char* nomProgramme = "delvoran";
    bool enJson = false;
    const char* pageHtml = nullptr;
    int i = 1;
    std::string fautive;
    switch (explique::lireOptions(argc, argv, {{"-p", &nomProgramme}, {"--json", nullptr, &enJson}, {"--html", &pageHtml}},
                                  i, fautive)) {
        case explique::LectureOptions::lues: break;
        case explique::LectureOptions::version: return 3;
        case explique::LectureOptions::valeurManquante: return usage();
        case explique::LectureOptions::inconnue: return usage("delvoran-verifie: option inconnue " + fautive + "\n");
    }
    if (argc - i != 1 || (enJson && pageHtml != nullptr) || (pageHtml != nullptr && *pageHtml == '\0')) return usage();
    const catalogue::Programme* p = catalogue::programme(nomProgramme);
    if (p == nullptr) return usage("delvoran-verifie: programme inconnu " + std::string(nomProgramme) + "\n");
    const std::string chemin = argv[i];
    if (pageHtml != nullptr && memeFichier(pageHtml, chemin)) {
        explique::ecrire(stderr, "delvoran-verifie: la page HTML ne peut pas remplacer le fichier v\xe9rifi\xe9 " +
                                     chemin + "\n");
        return 1;
    }

    const Verification v = verifier(chemin, *p);
    if (!v.raison.empty()) {
        explique::ecrire(stderr, "delvoran-verifie: " + v.raison + "\n");
        return 1;
    }
    if (v.arret) {
        std::string m = "delvoran-verifie: " + chemin + " : " + p->nom + " s'arr\xeaterait";
        if (v.arret->ligne != 0) m += " \xe0 la ligne " + std::to_string(v.arret->ligne);
        explique::ecrire(stderr, m + " : " + v.arret->message + "\n");
    }
    if (pageHtml != nullptr) {
        std::ofstream f(pageHtml, std::ios::binary | std::ios::trunc);
        const std::string page = html(v);
        f.write(page.data(), static_cast<std::streamsize>(page.size()));
        f.close();
        if (!f) {
            explique::ecrire(stderr, "delvoran-verifie: impossible d'\xe9" "crire " + std::string(pageHtml) + "\n");
            return 1;
        }
    } else if (enJson) {
        const std::string j = json(v);
        std::fwrite(j.data(), 1, j.size(), stdout);
    } else {
        explique::ecrire(stdout, texte(v));
    }
    return v.statut;
}

}  // namespace vse::verifie
