// The participant scan behind the participant list (every file's header
// line) of 100, 1,000 and 10,000 files of about 21 KB, half with and half
// without the UTF-8 mark, umlauts in the header line; against listing the
// folder and opening, reading 4 KB of and closing each file. Warm (files
// in the page cache) and cold (each file dropped from the cache before
// every run, for both). Also the old absolute figures: a search over
// 10,000 days and deleting day 5,000 of 10,000.

#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "util/texte.h"

#include "messen.h"

#include <QApplication>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// `anzahl` participants with 200 days each.
QStringList Teilnehmer(const QString &ordner, int anzahl)
{
    QDir().mkpath(ordner);
    QStringList pfade;
    for (int n = 0; n < anzahl; ++n) {
        Kodierung k = n % 2 ? Kodierung::Utf8MitMarke : Kodierung::Utf8OhneMarke;
        const QString kopf = QString("Förder %1%2\vÜbt täglich, Lösungen prüfen").arg(5 + n % 4).arg(QChar('a' + n % 3));
        const QString pfad = ordner + QString("Müller %1.dat").arg(n, 5, 10, QLatin1Char('0'));
        Anlegen(pfad, ZeilenInBytes(BeispielTage(200, kopf), k));
        pfade << pfad;
    }
    return pfade;
}

// The floor: the folder listed, 4 KB read of each participant file.
qint64 BodenScan(const QString &ordner)
{
    const QByteArray pfad = QFile::encodeName(ordner);
    char puffer[4096];
    qint64 gelesen = 0;
    DIR *verzeichnis = ::opendir(pfad.constData());
    while (dirent *eintrag = ::readdir(verzeichnis)) {
        const size_t laenge = qstrlen(eintrag->d_name);
        if (laenge <= 4 || qstrcmp(eintrag->d_name + laenge - 4, ".dat") != 0)
            continue;
        const int handle = ::openat(::dirfd(verzeichnis), eintrag->d_name, O_RDONLY);
        gelesen += ::read(handle, puffer, sizeof puffer);
        ::close(handle);
    }
    ::closedir(verzeichnis);
    return gelesen;
}

void Kalt(const QStringList &pfade)
{
    for (const QString &pfad : pfade)
        AusDemCache(pfad);
}

void ScanFigur(const char *name, const QString &ordner, const QStringList &pfade, bool kaltS, int paare, int erwartet)
{
    bool ok = true;
    Abwechselnd(
        name, paare,
        [&] {
            if (kaltS)
                Kalt(pfade);
            TeilnehmerListe liste;
            const double zeit = Stoppen([&] { liste = TeilnehmerEinlesen(ordner, QString()); });
            ok = ok && liste.namen.size() == erwartet && liste.fehler.isEmpty();
            return zeit;
        },
        [&] {
            if (kaltS)
                Kalt(pfade);
            return Stoppen([&] { BodenScan(ordner); });
        });
    if (!ok)
        std::printf("  FEHLER: %s hat nicht alle Teilnehmer gefunden\n", name);
}

void AlteZahlen(const QString &ordner)
{
    QString fehler;
    QStringList gross = BeispielTage(10000, "5a\v");
    gross[1 + 5 * 9998] = "Sa., 1. Jänner 2000\v";
    int gefunden = 0;
    const double suche = Median(21, [&] { gefunden = DatumSuchen(gross, 1, Gross("jänner 2000")); });
    std::printf("Suche von Tag 1 bis Tag %d von 10.000:      %7.2f ms\n", gefunden, suche);

    const QString pfad = ordner + "Gross.dat";
    Kodierung k = Kodierung::Utf8MitMarke;
    const double loeschen = Median(21, [&] {
        QStringList zeilen = TagEntfernen(gross, 5000);
        ZeilenMitSicherungSchreiben(pfad, zeilen, k, fehler);
    });
    std::printf("Tag 5.000 von 10.000 löschen und sichern: %7.2f ms\n", loeschen);
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    struct Groesse {
        int anzahl;
        const char *warm;
        int paare;
    };
    for (const Groesse &g : {Groesse{100, "scan_warm_100", 101}, Groesse{1000, "scan_warm", 51},
                             Groesse{10000, "scan_warm_10000", 7}}) {
        if (!Gewuenscht(g.warm) && !(g.anzahl == 1000 && Gewuenscht("scan_cold")))
            continue;
        const QString ordner = platz.Pfad() + QString("teilnehmer%1/").arg(g.anzahl);
        const QStringList pfade = Teilnehmer(ordner, g.anzahl);
        ::sync(); // what was just written must not slow down the measurement
        ScanFigur(g.warm, ordner, pfade, false, g.paare, g.anzahl);
        if (g.anzahl == 1000)
            ScanFigur("scan_cold", ordner, pfade, true, 9, g.anzahl);
        if (g.anzahl == 1000 && Gewuenscht("absolute")) {
            TeilnehmerListe liste;
            const double scan = Median(11, [&] { liste = TeilnehmerEinlesen(ordner, QString()); });
            std::printf("Teilnehmerliste einlesen (%d Namen, %lld Klassen), warm: %7.2f ms\n",
                        int(liste.namen.size()), static_cast<long long>(liste.klassen.size()), scan);
        }
        QDir(ordner).removeRecursively();
    }
    if (Gewuenscht("absolute"))
        AlteZahlen(platz.Pfad());
    return 0;
}
