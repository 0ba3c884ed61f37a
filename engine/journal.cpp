// The trace hook of the program.
#include <cstdio>
#include <cstring>

#include "engine/moteur.hpp"

namespace vse {

void tracer(const char* s) {
    static char trace[LG_XDEBUG];
    std::memset(trace, 0, sizeof trace);
    std::strncpy(trace, s, sizeof trace - 1);
    std::fprintf(stderr, "    [****] xdebug message:\"%s\" [****]\n", trace);
}

}  // namespace vse
