// Character tests on field values. A value may be shorter than its field (a
// field cut from a short line), so fixed-position reads never go past its
// terminating zero: a missing character reads as the zero, which is neither a
// digit, nor a letter, nor a blank.
#pragma once

#include <cstring>
#include <initializer_list>

namespace vse {

// Character i of s, or '\0' when s ends before it.
inline char carOuNul(const char* s, int i) {
    for (int k = 0; k < i; ++k)
        if (s[k] == '\0') return '\0';
    return s[i];
}

// Digits, capital letters and both, by a table of the 256 characters: one
// load and one test instead of range tests.
inline constexpr struct ClassesCaracteres {
    enum : unsigned char { CHIFFRE = 1, LETTRE = 2 };
    unsigned char classe[256];
    constexpr ClassesCaracteres() : classe() {
        for (int c = '0'; c <= '9'; ++c) classe[c] = CHIFFRE;
        for (int c = 'A'; c <= 'Z'; ++c) classe[c] = LETTRE;
    }
} CLASSES_CARACTERES{};

inline unsigned char classeDe(char c) { return CLASSES_CARACTERES.classe[static_cast<unsigned char>(c)]; }
inline bool estChiffre(char c) { return (classeDe(c) & ClassesCaracteres::CHIFFRE) != 0; }
inline bool estLettre(char c) { return (classeDe(c) & ClassesCaracteres::LETTRE) != 0; }
inline bool estAlphanum(char c) { return classeDe(c) != 0; }

// The whole value equals the text.
inline bool egal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// The same compared in place: short texts (codes, list entries) are compared
// faster than by a call to the library, long ones slower.
inline bool memeTexte(const char* a, const char* b) {
    // Four characters a turn, each read after an equal character that is not
    // the zero.
    for (;; a += 4, b += 4) {
        if (a[0] != b[0]) return false;
        if (a[0] == '\0') return true;
        if (a[1] != b[1]) return false;
        if (a[1] == '\0') return true;
        if (a[2] != b[2]) return false;
        if (a[2] == '\0') return true;
        if (a[3] != b[3]) return false;
        if (a[3] == '\0') return true;
    }
}

// The order of two texts as the library's comparison gives it (by unsigned
// characters), compared in place: negative, zero or positive.
inline int ordreTextes(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const auto x = static_cast<unsigned char>(*a);
        const auto y = static_cast<unsigned char>(*b);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

// The whole value equals the literal text, compared in place (the walk stops
// at the first difference, so never past the end of the value).
template <std::size_t N>
inline bool vaut(const char* a, const char (&b)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The value begins with the text (compared over the text's length; the walk
// stops at the first difference, so never past the end of the value).
inline bool commencePar(const char* v, const char* prefixe) {
    for (; *prefixe != '\0'; ++v, ++prefixe)
        if (*v != *prefixe) return false;
    return true;
}

// The text `t` equals the first n characters of `s` (all of `s` when it is
// shorter), compared in place.
inline bool egalDebut(const char* t, const char* s, int n) {
    for (int i = 0; i < n; ++i) {
        if (t[i] != s[i]) return false;
        if (t[i] == '\0') return true;
    }
    return t[n] == '\0';
}

// The order of the first n characters of two texts as the library's bounded
// comparison gives it, compared in place: negative, zero or positive.
inline int ordreDebuts(const char* a, const char* b, int n) {
    for (int i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

// The value begins with one of the texts.
inline bool commenceParUn(const char* v, std::initializer_list<const char*> prefixes) {
    for (const char* p : prefixes)
        if (commencePar(v, p)) return true;
    return false;
}

// The value holds at least n characters.
inline bool auMoins(const char* s, int n) {
    for (int k = 0; k < n; ++k)
        if (s[k] == '\0') return false;
    return true;
}

// The n characters from p are all digits, p being a character of a value or
// its terminating zero (the walk stops at the zero, which is no digit).
inline bool chiffresIci(const char* p, int n) {
    for (int i = 0; i < n; ++i)
        if (!estChiffre(p[i])) return false;
    return true;
}

// The n characters from p are all blanks (p as above).
inline bool blancsIci(const char* p, int n) {
    for (int i = 0; i < n; ++i)
        if (p[i] != ' ') return false;
    return true;
}

// Characters debut..debut+n-1 (from 0) exist and are all digits.
inline bool chiffres(const char* s, int debut, int n) { return auMoins(s, debut) && chiffresIci(s + debut, n); }

// Characters debut..debut+n-1 (from 0) exist and are all blanks.
inline bool blancs(const char* s, int debut, int n) { return auMoins(s, debut) && blancsIci(s + debut, n); }

// The first n characters of a and b are equal; a value shorter than n
// characters only equals one just as short.
inline bool memesDebuts(const char* a, const char* b, int n) {
    for (int i = 0; i < n; ++i) {
        if (a[i] != b[i]) return false;
        if (a[i] == '\0') return true;
    }
    return true;
}

// A number read as a decimal integer: the digits from the first character up
// to the first non-digit (leading blanks are not skipped: "  12" reads as 0).
// At most 18 digits are read, so the value always fits.
inline long long lireEntier(const char* s) {
    long long v = 0;
    for (int i = 0; i < 18 && estChiffre(s[i]); ++i) v = v * 10 + (s[i] - '0');
    return v;
}

// Characters debut..debut+n-1 (from 0) are blanks and the value ends there.
inline bool blancsPuisFin(const char* s, int debut, int n) { return blancs(s, debut, n) && s[debut + n] == '\0'; }

// The whole value is the run of n blanks.
inline bool estBlanc(const char* s, int n) { return blancsPuisFin(s, 0, n); }

// Decimal value of n digit characters from debut (checked by the caller).
inline int nombre(const char* s, int debut, int n) {
    int v = 0;
    for (int i = debut; i < debut + n; ++i) v = v * 10 + (s[i] - '0');
    return v;
}

}  // namespace vse
