// The log line of a stopped run and the trace hook.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "engine/moteur.hpp"

namespace vse {

void consigner(const char* erreur, std::FILE*& fp) {
    if (fp == nullptr) return;  // no log, or its one line is already written
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    std::fprintf(fp, "Le %02d/%02d/%04d a %02d:%02d:%02d : %s\n", tm.tm_mday, tm.tm_mon + 1,
                 tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, erreur);
    std::fclose(fp);
    fp = nullptr;
}

void tracer(const char* s) {
    static char trace[LG_XDEBUG];
    std::memset(trace, 0, sizeof trace);
    std::strncpy(trace, s, sizeof trace - 1);
    std::fprintf(stderr, "    [****] xdebug message:\"%s\" [****]\n", trace);
}

}  // namespace vse
