// Rules of the import record (IMPO), and the zero-serial check that the
// national-number rules of imports and births share.
#include <cstring>

#include "records/regles.hpp"

namespace vse {

int fVerifDiffZero(const char* champ, int premier, int dernier) {
    const std::size_t lg = std::strlen(champ);
    if (lg > 98) return 0;
    int n = dernier - premier + 1;
    if (n <= 0 || premier < 1) return 0;
    if (n > 5) n = 5;
    // Compared over the span with "0000": a span of 4 covers the four zeros,
    // a fifth character is compared with the terminating zero of "0000".
    const char* zeros = "0000";
    for (int i = 0; i < n; ++i) {
        const char c = static_cast<std::size_t>(premier - 1 + i) < lg ? champ[premier - 1 + i] : '\0';
        const char z = i < 4 ? zeros[i] : '\0';
        if (c != z) return 1;
        if (c == '\0') break;
    }
    return 0;
}

}  // namespace vse
