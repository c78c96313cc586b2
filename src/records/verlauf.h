#pragma once
// A participant's days month by month, for the chart of the year.

#include "zeitraum.h"

#include <QList>
#include <QString>
#include <QStringList>

struct MonatsZahlen {
    int jahr = 0;
    int monat = 0; // 1..12
    int fehlt = 0;
    int nein = 0;
    int ja = 0;
    int Summe() const { return fehlt + nein + ja; }
};

// A day whose date text cannot be read, so it has no month.
struct TagOhneDatum {
    int nummer = 0;
    QString text; // trimmed
};

struct Verlauf {
    QList<MonatsZahlen> monate; // in calendar order, without gaps
    QList<TagOhneDatum> ohneDatum; // in day order
};

// Counts a participant's lines by month. The months run over the whole
// period, also where no day was kept (so a half-year shows its six
// months); under "Alles", and for a period of more than two years, they
// run from the first to the last month that holds a day.
Verlauf VerlaufZaehlen(const QStringList &zeilen, const Zeitraum &zeitraum);

// "März 2024".
QString MonatsText(const MonatsZahlen &monat);
