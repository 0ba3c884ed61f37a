// Checks an exchange file as one of the four programs would, without
// consuming it: the program's engine runs in this process on a private copy,
// and its report tells every error it records. The result says, for every
// rejected record, each error with the field, its positions, the value read
// there and what the field or the check demands; the file's own errors and a
// stop the same way. Shown as French text, as JSON or as an HTML page.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/catalogue/catalogue.hpp"

namespace vse::verifie {

// One error the run recorded. Texts are Latin-1.
struct Erreur {
    int numero = 0;
    char zone = 0;           // 'E' header, 'C' body, 'F' trailer; 0: the line itself (106, 107, 108)
    std::string champ;       // "C6", "E8"; empty for the line itself
    int debut = 0, fin = 0;  // the positions read, 1-based, inclusive; 0 when none
    int ligne = 0;           // the line they are read in: the record's own, or 1 (the FICH record)
    std::string valeur;      // what that line holds there
    std::string regle;       // the rule's name; empty for a check of the engine
    std::string sens;        // what the value must be (a rule) or what must hold (a check)
};

// A record answered by an ERRE record, or the FICH record with the file's errors.
struct Rejet {
    int ligne = 0;
    std::string enregistrement;  // the record as read (its first 256 characters)
    std::string type, transaction;
    // The fields that identify it in its ERRE record, with their values.
    std::vector<std::pair<std::string, std::string>> identification;
    std::vector<Erreur> erreurs;
};

// A stop of the run: the code of its log line, what it means, where.
struct Arret {
    std::string code;     // "IG015", "I073"
    std::string message;  // the log text, as the program writes it
    std::string sens;     // its meaning (the error catalogue's)
    int ligne = 0;        // the line it stopped at; 0: none (before the lines, or at the end)
};

struct Verification {
    std::string programme, version, fichier;
    // 0 every record accepted, 2 errors, 1 a stop or no check at all (`raison`).
    int statut = 1;
    std::string raison;  // why the file could not be checked (Latin-1); empty when it was
    int lus = 0;         // records read after the FICH record
    std::vector<Rejet> rejets;
    Rejet fich;          // line 1, with the file's own errors
    std::optional<Arret> arret;
};

// Checks the file at `chemin` as program `p` run on that path would: the
// same status, the same errors. The file is read once and copied into a
// temporary directory that is removed; it is never moved or written.
Verification verifier(const std::string& chemin, const catalogue::Programme& p);

// The command line the engine runs with: the program, then "-D" joined to the
// path as given (the engine takes the code between the first two '_' of its
// first word from it, as from the path in a run on that path; -D is otherwise
// ignored), the copy, the answer and the log.
std::vector<std::string> ligneDeCommande(const std::string& programme, const std::string& chemin,
                                         const std::string& copie, const std::string& reponse,
                                         const std::string& journal);

std::string texte(const Verification& v);  // Latin-1
std::string json(const Verification& v);   // UTF-8, one document
std::string html(const Verification& v);   // UTF-8, one self-contained page

// The command: delvoran-verifie [-p programme] [--json | --html FICHIER.html] [-v] <fichier>.
// 0 all accepted, 2 errors, 1 a stop or no check, 3 usage or version.
int commande(int argc, char** argv);

}  // namespace vse::verifie
