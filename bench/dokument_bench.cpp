// Opening, stepping with a save and showing the last day of a participant
// with 10,000 days (about 1 MB). Prints the median of repeated runs.

#include "mainwindow/haupt.h"
#include "records/bloecke.h"
#include "records/teilnehmerdatei.h"
#include "util/sicherschreiben.h"
#include "util/ordner.h"

#include "messen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    ProgrammordnerFestlegen(platz.Pfad());
    QDir().mkpath(platz.Pfad() + "Merkwerk");
    const QString pfad = platz.Pfad() + "Merkwerk/Gross.dat";
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    const QByteArray bytes = ZeilenInBytes(BeispielTage(10000, "4b\vsitzt vorne"), kodierung);
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(bytes);
    datei.close();
    std::printf("Teilnehmerdatei: %lld Bytes, 10.000 Tage\n", static_cast<long long>(bytes.size()));

    TForm1 haupt;
    haupt.resize(1000, 700);
    const double oeffnen = Median(21, [&] { haupt.setDatFilename("Gross"); },
                                  [&] { haupt.setDatFilename(QString()); });
    std::printf("Öffnen und Tag 1 zeigen:            %7.2f ms (Ziel < 10)\n", oeffnen);

    int runde = 0;
    const double schritt = Median(21, [&] { haupt.Button1Click(); },
                                  [&] {
                                      haupt.setAktNummer(1);
                                      haupt.Edit5->setText(QString("geändert %1").arg(++runde));
                                  });
    std::printf("Schritt mit Sichern (inkl. fsync): %7.2f ms (Ziel < 20)\n", schritt);

    const double letzter = Median(21, [&] { haupt.ZeigeNummer(haupt.MaxNummer()); });
    std::printf("MaxNummer + ZeigeNummer(10.000):    %7.2f ms (Ziel < 2)\n", letzter);
    return 0;
}
