// Opening, stepping with a save and showing the last day of a participant
// with 10,000 days (about 1 MB). Prints the median of repeated runs.

#include "mainwindow/haupt.h"
#include "records/bloecke.h"
#include "util/ordner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double Median(int laeufe, const std::function<void()> &vorher, const std::function<void()> &messung)
{
    std::vector<double> zeiten;
    for (int n = 0; n < laeufe; ++n) {
        vorher();
        QElapsedTimer uhr;
        uhr.start();
        messung();
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

QByteArray Teilnehmer(int tage)
{
    QByteArray text = "\xEF\xBB\xBF" "4b\vsitzt vorne\r\n";
    for (int tag = 0; tag < tage; ++tag) {
        text += "Mo., 8. Dezember 2025\vRemark " + QByteArray::number(tag) + "\r\n2\r\n";
        text += "Rechnen Seite 14, Aufgaben 3 bis 7\r\nLesen S. 20\r\n<--------------->\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    QTemporaryDir ordner(QDir::currentPath() + "/bench-XXXXXX");
    ProgrammordnerFestlegen(ordner.path());
    QDir().mkpath(ordner.path() + "/Merkwerk");
    const QString pfad = ordner.path() + "/Merkwerk/Gross.dat";
    const QByteArray bytes = Teilnehmer(10000);
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    datei.write(bytes);
    datei.close();
    std::printf("Teilnehmerdatei: %lld Bytes, 10.000 Tage\n", static_cast<long long>(bytes.size()));

    TForm1 haupt;
    haupt.resize(1000, 700);
    const double oeffnen = Median(21, [&] { haupt.setDatFilename(QString()); },
                                  [&] { haupt.setDatFilename("Gross"); });
    std::printf("Öffnen und Tag 1 zeigen:            %7.2f ms (Ziel < 10)\n", oeffnen);

    int runde = 0;
    const double schritt = Median(
        21,
        [&] {
            haupt.setAktNummer(1);
            haupt.Edit5->setText(QString("geändert %1").arg(++runde));
        },
        [&] { haupt.Button1Click(); });
    std::printf("Schritt mit Sichern (inkl. fsync): %7.2f ms (Ziel < 20)\n", schritt);

    const double letzter = Median(21, [&] {}, [&] { haupt.ZeigeNummer(haupt.MaxNummer()); });
    std::printf("MaxNummer + ZeigeNummer(10.000):    %7.2f ms (Ziel < 2)\n", letzter);
    return 0;
}
