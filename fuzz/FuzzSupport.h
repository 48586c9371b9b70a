#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

/// The fuzz input as bytes.
inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

/// The fuzz input as UTF-16 code units (little-endian pairs; an odd last byte is dropped).
inline QString Units(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}

/// A property that does not hold: the input is a finding.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
