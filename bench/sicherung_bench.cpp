// Backing up 1,000 participant files of 200 KB each (200 MB) into a folder
// on the same disk, copy plus verified compare, against cp of the same
// files followed by cmp of each pair and sync.

#include "dialogs/sicherndlg.h"

#include "messen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cstdio>
#include <unistd.h>

namespace {

double Sekunden(const std::function<void()> &messung)
{
    ::sync();
    QElapsedTimer uhr;
    uhr.start();
    messung();
    return uhr.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QString daten = platz.Pfad() + "daten/";
    const QString sicherung = platz.Pfad() + "laufwerk/MwDaten/";
    const QString cpZiel = platz.Pfad() + "cp/";
    QDir().mkpath(daten);
    QDir().mkpath(sicherung);
    QDir().mkpath(cpZiel);
    QByteArray inhalt(200 * 1024, '\0');
    for (int n = 0; n < 1000; ++n) {
        for (char &c : inhalt)
            c = char(QRandomGenerator::global()->bounded(32, 127));
        QFile datei(daten + QString("Teilnehmer %1.dat").arg(n));
        datei.open(QIODevice::WriteOnly);
        datei.write(inhalt);
    }

    TSichernForm dialog(nullptr);
    dialog.SichernS = true;
    bool ok = false;
    const double merkwerk = Sekunden([&] { ok = dialog.CopyDateienOk(daten, sicherung) && dialog.CheckDateienOk(daten, sicherung); });

    const double vergleich = Sekunden([&] {
        QProcess::execute("sh", {"-c", QString("cp \"%1\"*.dat \"%2\" && for f in \"%1\"*.dat; do cmp \"$f\" \"%2$(basename \"$f\")\" || exit 1; done && sync")
                                           .arg(daten, cpZiel)});
    });
    std::printf("Sichern mit Vergleich (200 MB, 1.000 Dateien): %6.2f s %s\n", merkwerk, ok ? "" : "FEHLER");
    std::printf("cp, cmp je Paar und sync:                     %6.2f s\n", vergleich);
    std::printf("Verhältnis:                                   %6.2f (Ziel <= 1,3)\n", merkwerk / vergleich);
    return 0;
}
