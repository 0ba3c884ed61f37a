// What the rule tests share: values in blocks of their exact size, and record
// views holding given body fields.
#pragma once

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "model/vse.hpp"

namespace vse::essai {

// A writable value held in a heap block of exactly its length plus the
// terminating zero, so that any read past the zero is caught by ASan.
struct Tampon {
    std::unique_ptr<char[]> p;
    explicit Tampon(const std::string& s) : p(new char[s.size() + 1]) {
        std::memcpy(p.get(), s.c_str(), s.size() + 1);
    }
    char* c() { return p.get(); }
};

// A record view whose body holds the given fields (the others empty).
struct VueCorps {
    valeurVSE corps[NB_CORPS]{};
    Vue vue;
    VueCorps(std::initializer_list<std::pair<numCorpsVSE, const char*>> champs) {
        for (const auto& [n, v] : champs) std::strcpy(corps[n].valeur, v);
        vue.corps = corps;
    }
    VueCorps(numCorpsVSE c, const char* valeur) : VueCorps({{c, valeur}}) {}
    VueCorps(const VueCorps&) = delete;
    VueCorps& operator=(const VueCorps&) = delete;
};

}  // namespace vse::essai
