#pragma once
// What the crash tests write. The two versions of a participant of 10,000
// days that the save test saves by turns: every day differs between them
// and the second is longer, so that a file cut short or mixed from both
// matches neither. And the new participant that the creation test makes
// again and again.

#include "records/bloecke.h"

#include <QDate>
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

inline const QString AbsturzName = QStringLiteral("Neu");
inline const QString AbsturzKlasse = QStringLiteral("5a");
inline const QString AbsturzKommentar = QStringLiteral("neu in der Klasse");
inline QDate AbsturzHeute()
{
    return QDate(2024, 3, 5);
}
