// Reads an error reply written by one of the four programs and explains it:
// for every ERRE record, the rejected record and each of its error numbers,
// with the fields and rules that can record that number for the record's
// type, taken from the program's own tables (the error catalogue).
#pragma once

#include <string>
#include <string_view>

#include "tools/catalogue/catalogue.hpp"

namespace vse::explique {

struct Explication {
    bool reponse = false;  // false: the text is not an error reply
    std::string texte;     // the explanation, or why the text is not a reply (Latin-1)
};

// Explains the content of a reply file (line ends CR LF, LF or CR) by the
// tables of `p`.
Explication expliquer(std::string_view contenu, const catalogue::Programme& p);

// The command: delvoran-explique [-p programme] [-v] <fichier reponse>.
// 0: explained; 1: unreadable, or not an error reply; 3: usage or version.
int commande(int argc, char** argv);

}  // namespace vse::explique
