// The participant list's scan of 1,000 participants with 2,000 days each
// (about 200 MB), a search over 10,000 days and deleting day 5,000 of
// 10,000. Prints the median of repeated runs.

#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "util/sicherschreiben.h"
#include "util/texte.h"

#include "messen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString daten = platz.Pfad();

    QString fehler;
    qint64 bytes = 0;
    for (int n = 0; n < 1000; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        const QByteArray inhalt = ZeilenInBytes(BeispielTage(2000, QString("%1%2\vsitzt vorne").arg(5 + n % 4).arg(QChar('a' + n % 3))), k);
        bytes += inhalt.size();
        BytesSchreiben(daten + QString("Teilnehmer %1.dat").arg(n), inhalt, fehler);
    }
    ::sync(); // the 200 MB just written must not slow down the measured flushes
    std::printf("Datenordner: 1.000 Teilnehmer, %lld MB\n", static_cast<long long>(bytes / 1000000));

    TeilnehmerListe liste = TeilnehmerEinlesen(daten, QString()); // warms the cache
    const double scan = Median(11, [&] { liste = TeilnehmerEinlesen(daten, QString()); });
    std::printf("Teilnehmerliste einlesen (%d Namen, %lld Klassen): %7.2f ms (Ziel < 150)\n",
                int(liste.namen.size()), static_cast<long long>(liste.klassen.size()), scan);

    QStringList gross = BeispielTage(10000, "5a\v");
    gross[1 + 5 * 9998] = "Sa., 1. Jänner 2000\v";
    int gefunden = 0;
    const double suche = Median(21, [&] { gefunden = DatumSuchen(gross, 1, Gross("jänner 2000")); });
    std::printf("Suche von Tag 1 bis Tag %d von 10.000:          %7.2f ms (Ziel < 10)\n", gefunden, suche);

    const QString pfad = daten + "Gross.dat";
    Kodierung k = Kodierung::Utf8MitMarke;
    const double loeschen = Median(21, [&] {
        QStringList zeilen = TagEntfernen(gross, 5000);
        ZeilenMitSicherungSchreiben(pfad, zeilen, k, fehler);
    });
    std::printf("Tag 5.000 von 10.000 löschen und sichern:     %7.2f ms (Ziel < 20)\n", loeschen);
    return 0;
}
