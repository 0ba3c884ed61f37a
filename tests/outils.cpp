#include "tests/outils.hpp"

#include "tests/corps.hpp"
#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace vse::outils {

namespace fs = std::filesystem;

#ifndef VSE_BIN_DIR
#define VSE_BIN_DIR "."
#endif

// ---------------------------------------------------------------- programs

namespace {
struct Identite {
    Programme p;
    const char* nom;
    char resultat;
    // Frame fields that pass the program's header rules.
    const char* emetteur;  // FICH E3
    const char* recepteur; // FICH E4
    const char* e8;        // holding or organisation of a VSE
    const char* e10;       // organisation code of a VSE
};
constexpr Identite identites[] = {
    //  program               name          result  sender      receiver    E8          E10
    {Programme::principal, "delvoran",   '4',    "001IPG  ", "031BDN  ", "001IPG  ", "BDN     "},
    {Programme::pf,        "delvoranpf", '2',    "OFFICE01", "001IPG  ", "01234567", "001IPG  "},
    {Programme::l,         "delvoranl",  '1',    "99000001", "001IPG  ", "01234567", "001IPG  "},
    {Programme::d,         "delvorand",  '1',    "99000001", "001IPG  ", "01234567", "001IPG  "},
};
const Identite& identite(Programme p) {
    for (const Identite& i : identites) {
        if (i.p == p) return i;
    }
    throw std::logic_error("programme inconnu");
}
}  // namespace

const char* nom(Programme p) { return identite(p).nom; }
std::string chemin(Programme p) { return std::string(VSE_BIN_DIR) + "/" + nom(p); }
char codeResultat(Programme p) { return identite(p).resultat; }

// ---------------------------------------------------------------- VSE lines

std::string blancs(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string poser(std::string ligne, int position, const std::string& texte) {
    const std::size_t debut = static_cast<std::size_t>(position - 1);
    if (ligne.size() < debut + texte.size()) ligne.resize(debut + texte.size(), ' ');
    ligne.replace(debut, texte.size(), texte);
    return ligne;
}

const Pack& packDe(Programme p) {
    switch (p) {
        case Programme::principal: return principal::pack;
        case Programme::pf: return pf::pack;
        case Programme::l: return l::pack;
        case Programme::d: return d::pack;
    }
    return principal::pack;
}

std::vector<Contenu> contenus(Programme p) {
    Vse mauvais = vseType(p);
    mauvais.avec(E9, "AB CDEFG");
    return {
        {"accepte", fichier({fich(p, 2).ligne(), vseType(p).ligne(), vseType(p).ligne()}), 0},
        {"reponse", fichier({fich(p, 2).ligne(), vseType(p).ligne(), mauvais.ligne()}, "\r\n"), 2},
        {"arret", fichier({fich(p, 1).ligne()}), 1},
    };
}

namespace {
std::string largeur(const std::string& s, int n) {
    std::string r = s.substr(0, static_cast<std::size_t>(n));
    r.resize(static_cast<std::size_t>(n), ' ');
    return r;
}
}  // namespace

Vse& Vse::corpsA(int position, const std::string& v) {
    corps = poser(largeur(corps, LG_CORPS), position - DEBUT_CORPS + 1, v);
    return *this;
}

std::string Vse::ligne() const {
    std::string l;
    for (int i = 0; i < NB_ENTETE; ++i) l += largeur(E[static_cast<std::size_t>(i)], largeurE[i]);
    l += largeur(corps, LG_CORPS);
    for (int i = 0; i < NB_FIN; ++i) l += largeur(F[static_cast<std::size_t>(i)], largeurF[i]);
    return l;
}

namespace {
Vse cadre(Programme p, const std::string& type, const std::string& e5) {
    const Identite& id = identite(p);
    Vse v;
    v.E = {"A", "B", id.emetteur, id.recepteur, e5, type, "C", id.e8, "00000001", id.e10, "ONZE000011", "3", "N"};
    v.corps = blancs(LG_CORPS);
    v.F = {"15062024", "120000", "025", "        ", "*"};
    return v;
}
}  // namespace

Vse fich(Programme p, int nbVSE) {
    char compte[16];
    std::snprintf(compte, sizeof compte, "%06d", nbVSE);
    Vse v = cadre(p, "FICH", "INF");
    v.corpsA(63, "FIC0000000000001").corpsA(95, compte).corpsA(101, "000000000000000000000000").corpsA(125, "0");
    return v;
}

Vse vseType(Programme p, const std::string& type, const std::string& e5) {
    Vse v = cadre(p, type, e5);
    v.corps = corpsValide(p, type, e5);
    // Result code "10" as received: what every program lets through.
    return v.corpsA(77, "10");
}

std::string fichier(const std::vector<std::string>& lignes, const std::string& fin) {
    std::string r;
    for (const std::string& l : lignes) r += l + fin;
    return r;
}

std::vector<std::string> enregistrements(const std::string& contenu) {
    std::vector<std::string> r;
    std::string courant;
    for (std::size_t i = 0; i < contenu.size(); ++i) {
        const char c = contenu[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
            r.push_back(courant);
            courant.clear();
        } else {
            courant += c;
        }
    }
    if (!courant.empty()) r.push_back(courant);
    return r;
}

std::string masquerHorodatages(const std::string& contenu) {
    std::string r = contenu;
    bool premier = true;
    std::size_t debut = 0;
    while (debut < r.size()) {
        std::size_t fin = r.find_first_of("\r\n", debut);
        if (fin == std::string::npos) fin = r.size();
        if (fin - debut == static_cast<std::size_t>(LG_VSE)) {
            const std::string_view vse(r.data() + debut, LG_VSE);
            const bool erre = vse.substr(18, 7) == "ERRERRE";
            const bool reponse = premier && vse.substr(18, 7) == "INFFICH" && vse[124] == '1';
            const std::size_t h = debut + 230;
            const bool chiffres =
                std::all_of(r.begin() + static_cast<long>(h), r.begin() + static_cast<long>(h + 14),
                            [](char c) { return c >= '0' && c <= '9'; });
            if ((erre || reponse) && chiffres) r.replace(h, 14, 14, '#');
        }
        premier = false;
        // Past one line end (CR LF, LF or CR).
        debut = fin;
        if (debut < r.size()) debut += r[debut] == '\r' && debut + 1 < r.size() && r[debut + 1] == '\n' ? 2 : 1;
    }
    return r;
}

std::string horodatageMasque() { return std::string(14, '#') + "025" + blancs(8) + "*"; }

// ---------------------------------------------------------------- files

std::string lire(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void ecrire(const fs::path& p, const std::string& contenu) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
}

std::vector<std::string> contenuDe(const fs::path& rep) {
    std::vector<std::string> r;
    for (const fs::directory_entry& e : fs::directory_iterator(rep)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

namespace {
// Scratch directories go to memory (/dev/shm) unless TMPDIR says otherwise:
// every answer is synced to the disk, which on a disk costs milliseconds a run.
fs::path racineTemporaire() {
    std::error_code ec;
    if (std::getenv("TMPDIR") == nullptr && fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    return fs::temp_directory_path();
}
}  // namespace

RepertoireTemporaire::RepertoireTemporaire() {
    static std::atomic<int> compteur{0};
    static const fs::path racine = racineTemporaire();
    for (;;) {
        chemin_ = racine /
                  ("vse_essai_" + std::to_string(::getpid()) + "_" + std::to_string(compteur++));
        if (fs::create_directory(chemin_)) break;
    }
}

RepertoireTemporaire::~RepertoireTemporaire() {
    std::error_code ec;
    fs::remove_all(chemin_, ec);
}

// ---------------------------------------------------------------- running

namespace {
// An unlinked scratch file for one captured stream.
int fichierDeCapture() {
    std::string modele = (fs::temp_directory_path() / "vse_capture_XXXXXX").string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) throw std::runtime_error("mkstemp");
    ::unlink(modele.c_str());
    return fd;
}

std::string relire(int fd) {
    std::string r;
    ::lseek(fd, 0, SEEK_SET);
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n <= 0) break;
        r.append(tampon, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return r;
}
}  // namespace

Execution executer(const std::string& programme, const std::vector<std::string>& arguments,
                   const fs::path& repertoire) {
    std::vector<std::string> mots{programme};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots) argv.push_back(m.data());
    argv.push_back(nullptr);
    const std::string rep = repertoire.string();

    const int sortie = fichierDeCapture();
    const int erreurs = fichierDeCapture();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        const int vide = ::open("/dev/null", O_RDONLY);
        if (vide < 0 || ::dup2(vide, 0) < 0 || ::dup2(sortie, 1) < 0 || ::dup2(erreurs, 2) < 0) ::_exit(126);
        if (!rep.empty() && ::chdir(rep.c_str()) != 0) ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int etat = 0;
    while (::waitpid(pid, &etat, 0) < 0 && errno == EINTR) {
    }
    Execution e;
    e.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    e.sortie = relire(sortie);
    e.erreurs = relire(erreurs);
    return e;
}

namespace {

void ecartSurErreurs(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

// The log's message, its date aside.
std::string messageDuJournal(const std::string& journal) { return journal.size() > 27 ? journal.substr(27) : journal; }

struct Resultat {
    int statut;
    std::string sortie;  // the output file, time stamps masked ("" when none)
    std::string journal;
};

Resultat resultat(const Execution& e, const fs::path& sortie, const fs::path& journal) {
    std::error_code ec;
    const std::string s = fs::is_regular_file(sortie, ec) ? masquerHorodatages(lire(sortie)) : "";
    return {e.statut, s, messageDuJournal(fs::is_regular_file(journal, ec) ? lire(journal) : "")};
}

}  // namespace

void (*signalerEcart)(const std::string& message) = ecartSurErreurs;

Execution executer(Programme p, const std::vector<std::string>& arguments, const fs::path& repertoire) {
    const bool sansOption = arguments.size() == 3 && !arguments[0].empty() && arguments[0][0] != '-';
    auto absolu = [&](const std::string& a) { return fs::path(a).is_absolute() || repertoire.empty() ? fs::path(a) : repertoire / a; };
    std::error_code ec;
    if (!sansOption || !fs::is_regular_file(absolu(arguments[0]), ec)) return executer(chemin(p), arguments, repertoire);

    RepertoireTemporaire temoin;
    const fs::path entree = temoin.chemin() / absolu(arguments[0]).filename();
    fs::copy_file(absolu(arguments[0]), entree, ec);
    if (ec) return executer(chemin(p), arguments, repertoire);
    const Execution t = executer(chemin(p), {"-i", entree.string(), temoin / "sortie", temoin / "journal"});
    const Resultat attendu = resultat(t, temoin / "sortie", temoin / "journal");

    const Execution e = executer(chemin(p), arguments, repertoire);
    const Resultat obtenu = resultat(e, absolu(arguments[1]), absolu(arguments[2]));
    // A run stopped by its surroundings (a file in the way, a full disk) while
    // the witness, in a clean directory, went through is no difference of
    // paths; any other difference is.
    const bool arreteParLeMilieu = obtenu.statut == 1 && attendu.statut != 1;
    if (!arreteParLeMilieu &&
        (obtenu.statut != attendu.statut || obtenu.sortie != attendu.sortie || obtenu.journal != attendu.journal)) {
        signalerEcart(std::string(nom(p)) + " answers " + arguments[0] + " differently with -i: status " +
                      std::to_string(attendu.statut) + " with -i, " + std::to_string(obtenu.statut) + " without");
    }
    return e;
}

// ---------------------------------------------------------------- bench

Banc::Banc(const Pack& pack) : m_(std::make_unique<Moteur>(pack)) {
    m_->name_tmp_emis = rep_ / "emis";
    m_->name_erre = rep_ / "erre";
    if (!m_->emis.ouvrir(m_->name_tmp_emis) || !m_->erre.ouvrir(m_->name_erre))
        throw std::runtime_error("fichiers du banc");
}

std::string Banc::emis() {
    m_->emis.vider();
    return lire(m_->name_tmp_emis);
}

std::string Banc::erre() {
    m_->erre.vider();
    return lire(m_->name_erre);
}

}  // namespace vse::outils
