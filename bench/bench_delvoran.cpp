// Throughput and peak memory of delvoran on generated exchange files: the
// program is run as operators run it, one process per file.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ligne(const std::string& e5, const std::string& e6, const std::string& corps) {
    std::string l = "01001IPG  031BDN  " + e5 + e6 + " 001IPG  ABCDEFGHBDN     01234567893N";
    l += corps;
    l.resize(230, ' ');
    l += "07122026131445025        *";
    return l;
}

// A FICH record announcing n VSEs, then n birth records.
std::string fichier(int n) {
    char compte[8];
    std::snprintf(compte, sizeof compte, "%06d", n);
    std::string s = ligne("INF", "FICH", std::string("F000000000000042") + std::string(16, ' ') + compte) + "\n";
    const std::string vse = ligne("CRE", "NAIS", "FR0112345678  00") + "\n";
    for (int i = 0; i < n; ++i) s += vse;
    return s;
}

void BM_delvoran(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vse_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    // The input is consumed by each run: it is copied from a model file. The
    // generated text is released before the runs, so that the forked child
    // starts small and its peak memory is the program's own.
    const std::string modele = (dir / "modele.vse").string();
    std::ofstream(modele, std::ios::binary) << fichier(n);
    const std::string entree = (dir / "entree.vse").string();
    const std::string sortie = (dir / "sortie.vse").string();
    const std::string log = (dir / "delvoran.log").string();
    const std::string programme = std::string(VSE_BIN_DIR) + "/delvoran";
    long pic = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(modele, entree, std::filesystem::copy_options::overwrite_existing);
        state.ResumeTiming();
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stdout);
            execl(programme.c_str(), programme.c_str(), entree.c_str(), sortie.c_str(), log.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        int statut = 0;
        rusage usage{};
        wait4(pid, &statut, 0, &usage);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
            state.SkipWithError("delvoran did not accept the generated file");
            break;
        }
        pic = usage.ru_maxrss > pic ? usage.ru_maxrss : pic;
    }
    state.counters["records_per_s"] =
        benchmark::Counter(static_cast<double>(n) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_rss_kB"] = static_cast<double>(pic);
    std::filesystem::remove_all(dir);
}

}  // namespace

// Peak memory must stay flat from 1000 to 10000 records: one line is held at a time.
BENCHMARK(BM_delvoran)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
