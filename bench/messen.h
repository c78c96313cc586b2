#pragma once
// What the benchmarks share: the median of repeated runs and a participant
// with many days.

#include "records/bloecke.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

// The application on the offscreen platform and a temporary folder below
// the current one (so on the disk being measured, not in memory).
struct Messplatz {
    static int &Offscreen(int &argc)
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    Messplatz(int &argc, char **argv)
        : anwendung(Offscreen(argc), argv),
          ordner(QDir::currentPath() + QLatin1String("/bench-XXXXXX"))
    {
    }
    QString Pfad() const { return ordner.path() + QLatin1Char('/'); }

    QApplication anwendung;
    QTemporaryDir ordner;
};

// Milliseconds, the median of `laeufe` runs; `vorher` runs untimed before each.
inline double Median(int laeufe, const std::function<void()> &messung, const std::function<void()> &vorher = {})
{
    std::vector<double> zeiten;
    for (int n = 0; n < laeufe; ++n) {
        if (vorher)
            vorher();
        QElapsedTimer uhr;
        uhr.start();
        messung();
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

// The lines of a participant with `anzahl` days of about 100 bytes each.
inline QStringList BeispielTage(int anzahl, const QString &kopfzeile)
{
    QStringList zeilen = {kopfzeile};
    for (int tag = 0; tag < anzahl; ++tag) {
        zeilen << QStringLiteral("%1., %2. März 2024\vAnmerkung %3").arg(tag % 2 ? "Mo" : "Di").arg(tag % 28 + 1).arg(tag)
               << QString::number(tag % 3) << QStringLiteral("Rechnen Seite 14, Aufgaben 3 bis 7")
               << QStringLiteral("Lesen S. 20") << Blocktrenner;
    }
    return zeilen;
}
