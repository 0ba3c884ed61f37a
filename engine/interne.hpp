// Small helpers that the stages of a run share.
#pragma once

#include <cstddef>

#include "model/vse.hpp"

namespace vse::interne {

// Copies at most `n` characters of `s` into `dst` and blank-pads to `n`.
inline void poser(char* dst, const char* s, int n) {
    int i = 0;
    for (; i < n && s[i] != '\0'; ++i) dst[i] = s[i];
    for (; i < n; ++i) dst[i] = ' ';
}

// The number of printable characters (0x20 to 0x7E) at the start of
// p[0, n): a line end, a Ctrl-Z and any other character end the run. By
// sixteen bytes at a time where the processor has 16-byte registers (SSE2),
// by words of eight bytes elsewhere (imprimablesParMots, also the tail of the
// former).
std::size_t imprimables(const char* p, std::size_t n);
std::size_t imprimablesParMots(const char* p, std::size_t n);
// Every one of the n characters at p is printable (no end looked for).
bool toutImprimable(const char* p, std::size_t n);

// The local time as "JJMMSSAAHHMMSS025        *" (26 characters and a zero).
void horodatage(char* out, std::size_t taille);

// A record that no dispatch entry describes is identified by blanks: body
// fields C1 and C2 become 2 and 12 blanks.
void sansIdentifiant(valeurVSE* corps);

}  // namespace vse::interne
