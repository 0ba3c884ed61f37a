// Reads an error reply written by one of the four programs and explains it:
// for every ERRE record, the rejected record and each of its error numbers,
// with the fields and rules that can record that number for the record's
// type, taken from the program's own tables (the error catalogue), and what
// each demands; given the file that was sent, the value each field held.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "tools/catalogue/catalogue.hpp"

namespace vse::explique {

struct Explication {
    bool reponse = false;  // false: the text is not an error reply
    std::string texte;     // the explanation, or why the text is not a reply (Latin-1)
};

// Explains the content of a reply file (line ends CR LF, LF or CR) by the
// tables of `p`; with `envoye`, the content of the file that was sent, the
// value read in each field named.
Explication expliquer(std::string_view contenu, const catalogue::Programme& p,
                      std::optional<std::string_view> envoye = std::nullopt);

// The characters `debut` to `fin` (1-based, inclusive) of a record, as far as
// it holds them.
std::string_view lu(std::string_view enregistrement, int debut, int fin);
// The text without the blanks that end it.
std::string sansBlancsFinaux(std::string_view s);
// The k-th positioned row of a table (the field the engine cuts k-th), or nullptr.
const sCorps* champCoupe(const Table& t, int k);
// The dispatch entry of a record type, or nullptr (the closing entry too).
const sAiguillage* entreeDe(const Pack& pack, std::string_view type);
// A value read, for a person: between guillemets, bytes outside the printable
// ones as \xNN; "(n blancs)" when it is all blanks, "(absente : ligne trop
// courte)" when empty. Latin-1.
std::string texteValeur(std::string_view v);
// What a check of the line itself (106, 107, 108) found in a whole line: its
// length, or its first character outside 0x20-0x7E and where.
std::string constatDeLigne(Controle c, std::string_view ligne);

// Whether the command writes UTF-8 rather than Latin-1 on a stream. `locale`
// is the first of LC_ALL, LC_CTYPE, LANG that is set (nullptr when none is).
// A locale that names a character set decides: UTF-8 for UTF-8, Latin-1 for
// any other (ISO-8859-1, a locale without one). None, "C" or "POSIX" name
// none: a terminal (`terminal`) gets UTF-8, which terminals show today, a
// pipe or a file the programs' own Latin-1.
bool enUtf8(const char* locale, bool terminal);

// Writes a Latin-1 text on a stream in the character set `enUtf8` chooses for
// it (from the locale and whether the stream is a terminal).
void ecrire(std::FILE* f, const std::string& latin1);

// The command: delvoran-explique [-p programme] [-f fichier envoye] [-v] <fichier reponse>.
// 0: explained; 1: unreadable, or not an error reply; 3: usage or version.
int commande(int argc, char** argv);

// One option of a companion command: "-p" takes its value joined ("-pX") or
// in the next word; "--html" joined after "=" or in the next word; an
// option without `valeur` is a switch that sets `present`.
struct Option {
    const char* nom;
    const char** valeur = nullptr;
    bool* present = nullptr;
};
enum class LectureOptions {
    lues,             // the options are read; the words left begin at `suite`
    version,          // "-v": the version was printed
    valeurManquante,  // an option lacks its value
    inconnue,         // `fautive` is no option of the command
};
// Reads the options from argv[1] on: "--" ends them, as does the first word
// that does not begin with "-" (or is just "-").
LectureOptions lireOptions(int argc, char** argv, std::initializer_list<Option> options, int& suite,
                           std::string& fautive);

}  // namespace vse::explique
