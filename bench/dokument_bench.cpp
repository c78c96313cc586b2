// The open document in the main window: opening a 10,000-day participant
// in a fresh process against reading and decoding its file in a fresh
// process; a step with a changed remark (save and step) against the
// floor of a save (.bak copy, temporary file, two fdatasync, rename);
// typing with 100,000 days open. Also the old absolute figures.
//
// Arguments "oeffnen <ordner>" and "lesen <datei>" are the fresh processes
// that the parent starts; each prints its own time.

#include "app/programmstart.h"
#include "mainwindow/haupt.h"
#include "records/teilnehmerdatei.h"
#include "ui/meldungen.h"
#include "util/ordner.h"

#include "messen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString meldung; // the last message the program showed; none is expected

void MeldungenMitschreiben()
{
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &text) {
        meldung = text;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        return false;
    });
}

// A participant "Gross<tage>" in the data folder below `ordner`.
QString TeilnehmerAnlegen(const QString &ordner, int tage)
{
    QDir().mkpath(ordner + "Merkwerk");
    const QString name = QString("Gross%1").arg(tage);
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    Anlegen(ordner + "Merkwerk/" + name + ".dat", ZeilenInBytes(BeispielTage(tage, "4b\vsitzt vorne"), kodierung));
    return name;
}

// The fresh process that opens a participant: the main window is built
// and shown as at start, then only the opening is timed, until day 1 is
// painted.
int OeffnenKind(const QString &ordner, const QString &name)
{
    ProgrammVorbereiten(*qApp);
    ProgrammordnerFestlegen(ordner);
    MeldungenMitschreiben();
    TForm1 haupt;
    HauptfensterZeigen(haupt);
    const double zeit = Stoppen([&] {
        haupt.setDatFilename(name);
        QApplication::processEvents();
    });
    if (haupt.AktNummer() != 1)
        return 1;
    std::printf("ZEIT %.3f\n", zeit);
    return 0;
}

// The floor of opening: the file read and decoded into new memory.
int LesenKind(const QString &pfad)
{
    qsizetype zeichen = 0;
    const double zeit = Stoppen([&] {
        QFile datei(pfad);
        if (datei.open(QIODevice::ReadOnly))
            zeichen = QString::fromUtf8(datei.readAll()).size();
    });
    std::printf("ZEIT %.3f\n", zeit);
    return zeichen > 0 ? 0 : 1;
}

void SchrittFiguren(TForm1 &haupt, const QString &ordner)
{
    for (int tage : {1000, 10000, 100000}) {
        const QByteArray figur = "step_save_" + QByteArray::number(tage);
        if (!Gewuenscht(figur.constData()) && !(tage == 100000 && Gewuenscht("typing_100000")))
            continue;
        const QString name = TeilnehmerAnlegen(ordner, tage);
        const QString boden = ordner + "Merkwerk/Boden.dat";
        QFile::remove(boden);
        QFile::copy(ordner + "Merkwerk/" + name + ".dat", boden);
        ::sync();
        haupt.setDatFilename(name);
        Abwechselnd(figur.constData(), 11, SchrittMitAenderung(haupt),
                    [&] { return BodenSpeichern(boden); });
        if (haupt.AktNummer() != 2 || !meldung.isEmpty())
            std::printf("  FEHLER: Tag %d, %s\n", haupt.AktNummer(), qPrintable(meldung));
    }
}

// Milliseconds per key typed into a field: press, release, painted.
double ProTaste(QWidget *feld)
{
    feld->setFocus();
    QApplication::processEvents();
    std::vector<double> zeiten;
    for (int n = 0; n < 200; ++n) {
        const QString zeichen = QString(QChar('a' + n % 26));
        zeiten.push_back(Stoppen([&] {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_A + n % 26, Qt::NoModifier, zeichen);
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_A + n % 26, Qt::NoModifier, zeichen);
            QApplication::sendEvent(feld, &druck);
            QApplication::sendEvent(feld, &los);
            QApplication::processEvents();
        }));
    }
    return MedianVon(zeiten);
}

void AlteZahlen(TForm1 &haupt, const QString &ordner)
{
    const QString name = TeilnehmerAnlegen(ordner, 10000);
    const double oeffnen = Median(21, [&] { haupt.setDatFilename(name); }, [&] { haupt.setDatFilename(QString()); });
    std::printf("Öffnen und Tag 1 zeigen, 10.000 Tage, im laufenden Programm: %7.2f ms\n", oeffnen);
    const double letzter = Median(21, [&] { haupt.ZeigeNummer(haupt.MaxNummer()); });
    std::printf("MaxNummer + ZeigeNummer(10.000):                          %7.2f ms\n", letzter);
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() == 4 && argumente[1] == "oeffnen")
        return OeffnenKind(argumente[2], argumente[3]);
    if (argumente.size() == 3 && argumente[1] == "lesen")
        return LesenKind(argumente[2]);

    const QString ordner = platz.Pfad();
    const QString name = TeilnehmerAnlegen(ordner, 10000);
    ::sync();
    Abwechselnd(
        "open_fresh_10000_warm", 21, [&] { return KindZeit({"oeffnen", ordner, name}); },
        [&] { return KindZeit({"lesen", ordner + "Merkwerk/" + name + ".dat"}); });

    ProgrammordnerFestlegen(ordner);
    MeldungenMitschreiben();
    TForm1 haupt;
    HauptfensterZeigen(haupt);
    SchrittFiguren(haupt, ordner);

    // Still 100,000 days open from the last step figure.
    if (Gewuenscht("typing_100000")) {
        haupt.setAktNummer(1);
        const double anmerkung = ProTaste(haupt.Edit5);
        const double info = ProTaste(haupt.RichEdit1);
        std::printf("typing_100000 remark_ms_per_key=%.3f info_ms_per_key=%.3f (goal < 1)\n", anmerkung, info);
        haupt.Speichern(false);
    }
    if (Gewuenscht("absolute"))
        AlteZahlen(haupt, ordner);
    return 0;
}
