#include "zeilenansicht.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The first character from `i` on with a code of 13 or less (CR and LF are
// among them), or `n`. Lines are short and such characters rare: eight
// characters are compared at once where the processor can.
qsizetype NaechstesSteuerzeichen(const char16_t *d, qsizetype i, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i grenze = _mm_set1_epi16(u'\r');
    const __m128i null = _mm_setzero_si128();
    for (; i + 8 <= n; i += 8) {
        const __m128i zeichen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + i));
        // Zero exactly where a character is at most 13.
        const __m128i ueber = _mm_subs_epu16(zeichen, grenze);
        const unsigned maske = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(ueber, null)));
        if (maske)
            return i + std::countr_zero(maske) / 2;
    }
#endif
    for (; i < n; ++i) {
        if (d[i] <= u'\r')
            return i;
    }
    return n;
}

} // namespace

void ZeilenAnsichten(QStringView text, QList<QStringView> &zeilen)
{
    zeilen.clear();
    const char16_t *const d = text.utf16();
    const qsizetype n = text.size();
    qsizetype anfang = 0;
    for (qsizetype i = NaechstesSteuerzeichen(d, 0, n); i < n; i = NaechstesSteuerzeichen(d, i + 1, n)) {
        const char16_t c = d[i];
        if (c != u'\r' && c != u'\n')
            continue;
        zeilen << text.sliced(anfang, i - anfang);
        if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen << text.sliced(anfang);
}
