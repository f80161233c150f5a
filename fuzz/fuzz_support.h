#pragma once
// Shared by the fuzzers: Qt's core objects without an application, and an invariant that fails loudly.

#include <QByteArrayView>

#include <cstdio>
#include <cstdlib>

#define ORVA_FUZZ_CHECK(condition)                                                                           \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

inline QByteArrayView fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}
