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

// Whether the command writes UTF-8 rather than Latin-1 on a stream. `locale`
// is the first of LC_ALL, LC_CTYPE, LANG that is set (nullptr when none is).
// A locale that names a character set decides: UTF-8 for UTF-8, Latin-1 for
// any other (ISO-8859-1, a locale without one). None, "C" or "POSIX" name
// none: a terminal (`terminal`) gets UTF-8, which terminals show today, a
// pipe or a file the programs' own Latin-1.
bool enUtf8(const char* locale, bool terminal);

// The command: delvoran-explique [-p programme] [-v] <fichier reponse>.
// 0: explained; 1: unreadable, or not an error reply; 3: usage or version.
int commande(int argc, char** argv);

}  // namespace vse::explique
