// The program's windows for a screen reader's look: the main window and
// every dialog of the walk (dialogrundgang.h), one after the other. For
// each it writes "PRUEFEN<tab><title>" and waits, serving the
// accessibility bus meanwhile, until the checker (barrierefreiheit.py)
// answers with a line; at the end "ENDE".

#include "app/programmstart.h"
#include "dialogrundgang.h"
#include "mainwindow/haupt.h"
#include "records/bloecke.h"
#include "ui/drucker.h"
#include "ui/meldungen.h"
#include "util/heute.h"
#include "util/laufwerke.h"
#include "util/ordner.h"
#include "util/shell.h"
#include "util/sicherschreiben.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

void Datei(const QString &pfad, const QStringList &zeilen)
{
    QString fehler;
    BytesSchreiben(pfad, "\xEF\xBB\xBF" + (zeilen.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8(), fehler);
}

// Says which window is open and waits for the checker's line.
void Pruefen(QWidget *fenster)
{
    QApplication::processEvents();
    std::printf("PRUEFEN\t%s\n", fenster->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    QEventLoop warten;
    QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&eingabe, &QSocketNotifier::activated, &warten, [&warten, &eingabe] {
        char zeichen = 0;
        while (::read(STDIN_FILENO, &zeichen, 1) == 1) {
            if (zeichen == '\n')
                break;
        }
        eingabe.setEnabled(false);
        warten.quit();
    });
    QTimer::singleShot(120000, &warten, &QEventLoop::quit);
    warten.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    ProgrammVorbereiten(anwendung);

    QTemporaryDir welt;
    ProgrammordnerFestlegen(welt.path());
    EigeneDokumenteFestlegen(welt.path() + "/dokumente");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, welt.path() + "/config");
    const QString daten = welt.path() + "/Merkwerk/";
    QDir().mkpath(daten);
    const QString t = Blocktrenner;
    Datei(daten + "Beta.dat", {"4b\vsitzt vorne", "Mi., 10. Dezember 2025\vSchularbeit", "2", "Rechnen S. 14", t,
                               "Di., 9. Dezember 2025\v", "1", t, "Mo., 10. November 2025\v", "0", t});
    Datei(daten + "Anna.dat", {"5a\v", "Mo., 8. Dezember 2025\v", "2", t});
    HeuteFestlegen(QDate(2025, 12, 11));
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &) { return false; });
    ShellFestlegen([](const QString &, const QStringList &) { return true; });
    DruckerFestlegen([] { return false; }, [](QPrinter &) { return false; });
    QDir().mkpath(welt.path() + "/Stick/MwDaten");
    LaufwerkeFestlegen([&welt] { return QList<Laufwerk>{{welt.path() + "/Stick/", Laufwerk::Wechsel, "Stick", {}}}; });

    TForm1 haupt;
    haupt.DialogeErstellen();
    haupt.show();
    // The start-up step opens the participant list: cancelled, as the walk comes to it.
    QTimer abbrechen;
    QObject::connect(&abbrechen, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    abbrechen.start(20);
    while (haupt.Timer1->isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    abbrechen.stop();
    haupt.setDatFilename("Beta");

    Pruefen(&haupt);
    const QStringList titel = DialogeBesuchen(haupt, Pruefen);
    std::fprintf(stderr, "%lld Dialoge besucht\n", static_cast<long long>(titel.size()));
    std::printf("ENDE\n");
    std::fflush(stdout);
    haupt.close();
    return 0;
}
