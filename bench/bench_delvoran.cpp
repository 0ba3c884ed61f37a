// Speed of the four programs against the floor of any program that reads a
// file once and writes it once: cp of the same file. Each program is run as
// operators run it, one process per file, on a file of 10000 records mixing
// every record type it knows (all accepted), and on a file where every record
// is rejected. Every run is paired with a cp of the same file; the reported
// ratio is the median program time over the median cp time. Processes are
// started with posix_spawn, which does not copy the benchmark's memory. Peak
// memory is the largest resident size of the program, as /usr/bin/time reports
// it (0 when that tool is not installed).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/corps.hpp"
#include "tests/outils.hpp"

namespace {

using namespace vse;
using namespace vse::outils;
namespace fs = std::filesystem;

extern "C" char** environ;

struct Mesure {
    double secondes;
    int statut;
};

Mesure lancer(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto debut = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int statut = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &statut, 0);
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    posix_spawn_file_actions_destroy(&actions);
    return {s, WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
}

// The peak resident size (KiB) of one run of the program, by /usr/bin/time.
long picMemoire(const std::vector<std::string>& args, const std::string& rapport) {
    if (access("/usr/bin/time", X_OK) != 0) return 0;
    std::vector<std::string> avecTime{"/usr/bin/time", "-f", "%M", "-o", rapport};
    avecTime.insert(avecTime.end(), args.begin(), args.end());
    lancer(avecTime);
    // The figure is the last line (a line about the exit status may come first).
    std::string texte = lire(rapport);
    while (!texte.empty() && texte.back() == '\n') texte.pop_back();
    const std::size_t ligne = texte.rfind('\n');
    try {
        return std::stol(ligne == std::string::npos ? texte : texte.substr(ligne + 1));
    } catch (...) {
        return 0;
    }
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_programme(benchmark::State& state, Programme p, bool rejetes) {
    const int n = static_cast<int>(state.range(0));
    RepertoireTemporaire rep;
    const std::string modele = rep / "modele.vse";
    ecrire(modele, fichierMixte(p, n, rejetes));
    const std::string entree = rep / "entree.vse";
    const std::string sortie = rep / "sortie.vse";
    const std::string copie = rep / "copie.vse";
    const std::string journal = rep / "journal.log";
    std::vector<double> tProgramme, tCopie;
    fs::copy_file(modele, entree, fs::copy_options::overwrite_existing);
    const long pic = picMemoire({chemin(p), entree, sortie, journal}, rep / "time.txt");
    for (auto _ : state) {
        fs::copy_file(modele, entree, fs::copy_options::overwrite_existing);
        const Mesure m = lancer({chemin(p), entree, sortie, journal});
        if (m.statut != (rejetes ? 2 : 0)) {
            state.SkipWithError("unexpected exit status: the generated file is not answered as planned");
            break;
        }
        const Mesure c = lancer({"/bin/cp", modele, copie});
        tProgramme.push_back(m.secondes);
        tCopie.push_back(c.secondes);
        state.SetIterationTime(m.secondes);
    }
    const double mp = mediane(tProgramme);
    const double mc = mediane(tCopie);
    state.counters["ms_programme"] = mp * 1000;
    state.counters["ms_cp"] = mc * 1000;
    state.counters["ratio_cp"] = mc > 0 ? mp / mc : 0;
    state.counters["enreg_par_s"] = mp > 0 ? n / mp : 0;
    state.counters["pic_Ko"] = static_cast<double>(pic);
}

void enregistrer() {
    const std::pair<Programme, const char*> programmes[] = {
        {Programme::principal, "delvoran"}, {Programme::pf, "delvoranpf"}, {Programme::l, "delvoranl"},
        {Programme::d, "delvorand"}};
    for (const auto& [p, nomProgramme] : programmes) {
        for (const bool rejetes : {false, true}) {
            const std::string nomBench = std::string(nomProgramme) + (rejetes ? "/rejetes" : "/acceptes");
            benchmark::RegisterBenchmark(nomBench.c_str(), BM_programme, p, rejetes)
                ->Arg(10)
                ->Arg(10000)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(31);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    enregistrer();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
