#include "wordbook/TextScan.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace TextScan {

namespace {

qsizetype FindBreakPlain(const char16_t *data, qsizetype from, qsizetype n)
{
    while (from < n && data[from] != u'\r' && data[from] != u'\n')
        ++from;
    return from;
}

qsizetype CountBreaksPlain(const char16_t *data, qsizetype from, qsizetype to)
{
    qsizetype count = 0;
    for (qsizetype i = from; i < to; ++i)
        count += data[i] == u'\n' || (data[i] == u'\r' && !(i + 1 < to && data[i + 1] == u'\n'));
    return count;
}

bool SameTail(const char16_t *at, QStringView needle)
{
    // The first and the last unit are known to match.
    return needle.size() <= 2 ||
           std::memcmp(at + 1, needle.utf16() + 1, std::size_t(needle.size() - 2) * sizeof(char16_t)) == 0;
}

qsizetype FindTextPlain(const char16_t *data, qsizetype from, qsizetype n, QStringView needle)
{
    const qsizetype m = needle.size();
    const char16_t first = needle.utf16()[0], last = needle.utf16()[m - 1];
    for (qsizetype i = from; i + m <= n; ++i) {
        if (data[i] == first && data[i + m - 1] == last && SameTail(data + i, needle))
            return i;
    }
    return -1;
}

#if defined(__SSE2__)
__m128i Load(const char16_t *at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
}

/// Two bits of a byte mask per code unit: the units that match.
unsigned Matches(__m128i units, __m128i wanted)
{
    return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(units, wanted)));
}
#endif

}  // namespace

qsizetype FindBreak(const char16_t *data, qsizetype from, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n');
    for (; from + 8 <= n; from += 8) {
        const __m128i units = Load(data + from);
        if (const unsigned mask = Matches(units, cr) | Matches(units, lf))
            return from + (std::countr_zero(mask) >> 1);
    }
#endif
    return FindBreakPlain(data, from, n);
}

qsizetype CountBreaks(const char16_t *data, qsizetype from, qsizetype to)
{
    qsizetype count = 0;
#if defined(__SSE2__)
    // A CR counts unless an LF follows it; each block also reads the unit after it.
    const __m128i cr = _mm_set1_epi16(u'\r'), lf = _mm_set1_epi16(u'\n');
    for (; from + 9 <= to; from += 8) {
        const __m128i units = Load(data + from);
        const unsigned lfs = Matches(units, lf);
        const unsigned loneCrs = Matches(units, cr) & ~Matches(Load(data + from + 1), lf);
        count += std::popcount(lfs | loneCrs) >> 1;
    }
#endif
    return count + CountBreaksPlain(data, from, to);
}

qsizetype FindText(const char16_t *data, qsizetype from, qsizetype n, QStringView needle)
{
    const qsizetype m = needle.size();
    if (m == 0 || from < 0)
        return -1;
#if defined(__SSE2__)
    // Blocks of eight starting places: those where the first and the last unit of the needle
    // both match are compared in full.
    const __m128i first = _mm_set1_epi16(short(needle.utf16()[0]));
    const __m128i last = _mm_set1_epi16(short(needle.utf16()[m - 1]));
    for (; from + m - 1 + 8 <= n; from += 8) {
        unsigned mask = Matches(Load(data + from), first) & Matches(Load(data + from + m - 1), last);
        while (mask) {
            const int unit = std::countr_zero(mask) >> 1;
            if (SameTail(data + from + unit, needle))
                return from + unit;
            mask &= ~(3u << (2 * unit));
        }
    }
#endif
    return FindTextPlain(data, from, n, needle);
}

}  // namespace TextScan
