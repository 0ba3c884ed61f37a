// The index of the allowed-value lists: the key tables of the lists, and the
// directory that finds them by the address of their entries.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "rules/valautorise.hpp"

namespace vse {

namespace index {
// Empty until the index fills it: a lookup before that walks the list.
constinit Case annuaire[1 << BITS_ANNUAIRE] = {};
}  // namespace index

namespace {

// A list can be indexed: enough entries to gain by it, none longer than eight characters.
bool indexable(const tValAutorise* entrees, int n) {
    if (entrees == nullptr || n < 4) return false;
    for (int i = 0; i < n; ++i) {
        std::uint64_t k = 0;
        if (!index::cle(entrees[i], k)) return false;
    }
    return true;
}

// The key tables of the lists indexed, owned for the life of the program.
struct Tables {
    std::vector<std::unique_ptr<std::uint64_t[]>> cases;
};

Tables& tables() {
    static Tables t;
    return t;
}

constexpr std::size_t NB_CASES = std::size_t{1} << index::BITS_ANNUAIRE;

// The directory's slot of a list, or nullptr when the list is unknown.
const index::Case* connue(const tValAutorise* entrees) {
    for (std::size_t c = index::caseDe(entrees); index::annuaire[c].entrees != nullptr; c = (c + 1) & (NB_CASES - 1)) {
        if (index::annuaire[c].entrees == entrees) return &index::annuaire[c];
    }
    return nullptr;
}

void inscrire(const tValAutorise* entrees, int n, const IndexListe* ix) {
    std::size_t c = index::caseDe(entrees);
    while (index::annuaire[c].entrees != nullptr) c = (c + 1) & (NB_CASES - 1);
    index::annuaire[c] = {entrees, ix != nullptr ? n : -1, ix != nullptr ? *ix : IndexListe{}};
}

// The width of every entry, 0 when they differ.
int largeurCommune(const tValAutorise* entrees, int n) {
    const std::size_t largeur = std::strlen(entrees[0]);
    for (int i = 1; i < n; ++i)
        if (std::strlen(entrees[i]) != largeur) return 0;
    return static_cast<int>(largeur);
}

void indexer(const tValAutorise* entrees, int n) {
    if (entrees == nullptr || n < 4 || connue(entrees) != nullptr) return;
    Tables& t = tables();
    // Past half full the directory takes no more lists: those are walked.
    if (2 * (t.cases.size() + 1) > NB_CASES) return;
    // A list that cannot be indexed is known all the same (walked), so that
    // it is not examined again.
    if (!indexable(entrees, n)) {
        t.cases.emplace_back();
        inscrire(entrees, n, nullptr);
        return;
    }
    std::size_t taille = 8;
    int decalage = 61;
    while (taille < 2 * static_cast<std::size_t>(n)) {
        taille *= 2;
        --decalage;
    }
    auto cases = std::make_unique<std::uint64_t[]>(taille);  // zeros: every slot empty
    IndexListe ix{cases.get(), static_cast<std::uint32_t>(taille - 1), static_cast<std::uint8_t>(decalage),
                  static_cast<std::uint8_t>(largeurCommune(entrees, n)), false};
    for (int i = 0; i < n; ++i) {
        std::uint64_t k = 0;
        index::cle(entrees[i], k);
        if (k == 0) {
            ix.vide = true;
            continue;
        }
        std::size_t c = static_cast<std::size_t>((k * index::MELANGE) >> decalage);
        while (cases[c] != 0 && cases[c] != k) c = (c + 1) & ix.masque;
        cases[c] = k;
    }
    t.cases.push_back(std::move(cases));
    inscrire(entrees, n, &ix);
}

// The lists of the module, indexed when the program starts.
const bool moduleIndexe = [] {
    for (const Liste* l : listesDuModule()) indexer(l->v, l->n);
    return true;
}();

}  // namespace

void indexerListe(const Liste& l) { indexer(l.v, l.n); }

}  // namespace vse
