#include "zeilenansicht.h"

void ZeilenAnsichten(QStringView text, QList<QStringView> &zeilen)
{
    zeilen.clear();
    const char16_t *const d = text.utf16();
    const qsizetype n = text.size();
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < n; ++i) {
        // Most characters are above CR: one comparison passes them.
        const char16_t c = d[i];
        if (c > u'\r' || (c != u'\r' && c != u'\n'))
            continue;
        zeilen << text.sliced(anfang, i - anfang);
        if (c == u'\r' && i + 1 < n && d[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen << text.sliced(anfang);
}
