// What a run tells while it checks a file, through one hook: the console
// reports of -i and -d are drawn from it, and so is the command that explains
// a file's errors in words. A run without report has no hook and pays one
// test of a null pointer per line and per row.
#pragma once

#include "model/vse.hpp"

namespace vse {

// One error recorded by a layout row: its rule failed, or the row is
// forbidden for the line's transaction type (error 86).
struct ErreurChamp {
    char zone;             // 'E' header, 'C' body, 'F' trailer
    int ordinal;           // the field's rank in its zone, from 1 (positioned rows)
    const sCorps* rangee;  // the row that recorded the error
    int debut, fin;        // the field's positions, 1-based, inclusive
    const char* valeur;    // the value as the rule saw it
    int noErr;             // the number recorded
    int presence;          // 0: the rule failed; otherwise the presence code met (86)
};

class Rapport {
public:
    virtual ~Rapport() = default;

    // A line read (numbered from 1), before it is cut.
    virtual void ligne(int /*numero*/, const char* /*ligne*/, int /*lg*/) {}
    // A layout has cut the line.
    virtual void coupe() {}
    // A defect of the line itself (106, 107 or 108); `enregistre` is false
    // when the line's list of ten errors is already full.
    virtual void defautDeLigne(int /*noErr*/, bool /*enregistre*/) {}
    // A row of a layout is reached, with or without a rule.
    virtual void rangee(const sCorps& /*r*/) {}
    // The row's rule is not applied for the line's transaction type.
    virtual void ignoree(const sCorps& /*r*/, const char* /*valeur*/) {}
    // The row's rule is about to be applied to the value.
    virtual void appliquee(const sCorps& /*r*/, const char* /*valeur*/) {}
    // A row recorded an error.
    virtual void erreurChamp(const ErreurChamp& /*e*/) {}
    // A check of the engine recorded an error about line `numero`.
    virtual void controle(Controle /*c*/, int /*noErr*/, int /*numero*/) {}
    // The line is answered: accepted (no error) or by an ERRE record.
    virtual void finLigne(int /*numero*/, int /*nbErreur*/) {}
};

// The console reports: -i (compact, visu 1) and -d (detailed, visu 2).
class RapportConsole : public Rapport {
public:
    explicit RapportConsole(int visu) : visu_(visu) {}
    void ligne(int numero, const char* ligne, int lg) override;
    void coupe() override;
    void defautDeLigne(int noErr, bool enregistre) override;
    void rangee(const sCorps& r) override;
    void ignoree(const sCorps& r, const char* valeur) override;
    void appliquee(const sCorps& r, const char* valeur) override;
    void erreurChamp(const ErreurChamp& e) override;

private:
    int visu_;
};

}  // namespace vse
