#pragma once
// Shared by the fuzz targets: the input as text, and a check that stops the run with a report.

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QString FuzzMetni(const uint8_t* veri, size_t boyut)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boyut));
}

#define FUZZ_DOGRULA(kosul, girdi)                                                                 \
    do {                                                                                           \
        if (!(kosul)) {                                                                            \
            std::fprintf(stderr, "Bozulan kural: %s\nGirdi: %s\n", #kosul,                         \
                         qPrintable((girdi).toHtmlEscaped()));                                     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
