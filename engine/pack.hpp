// What makes one of the four programs: its identity, its switches, its frame
// and dispatch tables, and its file-level checks.
#pragma once

#include "model/vse.hpp"
#include "rules/base.hpp"

namespace vse {

struct Pack {
    const char* VARIANTE;  // 10 characters
    const char* version;   // printed by -v
    char (*delvoranRES)();  // result digit written in positions 77 of accepted VSEs
    int (*dependanceVSE)();  // 1: EXP1/EXP2 and EGET/RATA pairing checks
    int (*maxAutoVSE)();     // non-zero: at most 10000 VSEs per file
    const sAiguillage* tAiguillage;  // sorted by name, closed by "ZZZZ"
    int LEN_AIGUILLAGE;
    Table tEntete;
    Table tFin;
    Table tFich;
    const char* suffixeTemporaire;  // appended to the temporary names ("" or "_pf")
    // Checks that the file's sender may send for the centre of each VSE (error
    // 135) against this list of (sender, centre) pairs; none: no such check.
    const Liste* coherenceEmetteur;
    // The check on body field C3 (the result code as received): the error
    // number, or 0.
    int (*erreurC3)(const char* emetteur, const char* c3, const char* e6);
    // The VSE types each transaction type admits (the header rule of E6).
    const ListesE6* listesE6;

    int ERR_AIGUILLAGE() const { return LEN_AIGUILLAGE - 1; }
};

}  // namespace vse
