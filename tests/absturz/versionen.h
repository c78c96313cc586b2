#pragma once
// The two versions of a participant of 10,000 days that the crash test
// saves by turns. Every day differs between them and the second is longer,
// so that a file cut short or mixed from both matches neither.

#include "records/bloecke.h"

#include <QStringList>

inline QStringList AbsturzVersion(int nummer)
{
    QStringList zeilen = {QStringLiteral("4b\vVersion %1").arg(nummer)};
    zeilen.reserve(1 + 10000 * 5);
    for (int tag = 1; tag <= 10000; ++tag) {
        zeilen << QStringLiteral("Tag %1 in Version %2\vAnmerkung").arg(tag).arg(nummer) << QString::number(nummer)
               << QStringLiteral("Info zu Tag %1").arg(tag);
        if (nummer == 1)
            zeilen << QStringLiteral("noch eine Zeile");
        zeilen << Blocktrenner;
    }
    return zeilen;
}
