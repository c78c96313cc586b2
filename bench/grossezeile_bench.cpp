// A participant whose first line holds 50 MB (a comment pasted from
// somewhere, a file another program wrote): opening it in a fresh process
// against reading and decoding the file in one; a step with a changed
// remark (save and step) against the floor of a save; the class overview
// of its folder, counted and shown, against reading the folder's files.
// Also the peak memory of the opening and of the overview, in fresh
// processes, against the file's size.
//
// Arguments "oeffnen <ordner> <name>", "lesen <datei>", "uebersicht
// <ordner>" and "ordnerlesen <ordner>" are the fresh processes that the
// parent starts; each prints its own time and its peak memory.

#include "app/programmstart.h"
#include "dialogs/uebersichtdlg.h"
#include "dialogs/uebersichtmodell.h"
#include "mainwindow/haupt.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "ui/meldungen.h"
#include "util/heute.h"
#include "util/ordner.h"

#include "messen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qsizetype ZeilenBytes = 50 * 1000 * 1000;
constexpr int Mitschueler = 30;
const QString Name = QStringLiteral("Lang");

QString meldung; // the last message the program showed; none is expected

void MeldungenMitschreiben()
{
    MeldungsAntwortFestlegen([](MeldungsArt, const QString &text) {
        meldung = text;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text.left(300)));
        return false;
    });
}

// The data folder below `ordner`: "Lang" with a comment of 50 MB of words
// and 200 days, and classmates of a usual size. Returns the size of Lang.dat.
qint64 OrdnerAnlegen(const QString &ordner)
{
    const QString daten = ordner + "Merkwerk/";
    QDir().mkpath(daten);
    QByteArray kommentar;
    kommentar.reserve(ZeilenBytes + 64);
    for (int wort = 0; kommentar.size() < ZeilenBytes; ++wort)
        kommentar += "Wort" + QByteArray::number(wort % 1000) + ' ';
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    QByteArray lang = ZeilenInBytes(BeispielTage(200, "4b\v"), kodierung);
    lang.insert(3 + 3, kommentar); // after the mark and "4b\v"
    Anlegen(daten + Name + ".dat", lang);
    for (int n = 0; n < Mitschueler; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        Anlegen(daten + QString("Kind %1.dat").arg(n), ZeilenInBytes(BeispielTage(200, "4b\vsitzt vorne"), k));
    }
    ::sync();
    return lang.size();
}

// Time and peak memory of `lauf` in this fresh process, as the parent reads them.
int Berichten(const std::function<bool()> &lauf)
{
    const qint64 vorher = SpeicherKb("VmRSS:");
    const bool zurueckgesetzt = SpitzeZuruecksetzen();
    const qint64 spitzeVorher = SpeicherKb("VmHWM:");
    bool ok = false;
    const double zeit = Stoppen([&] { ok = lauf(); });
    const qint64 spitze = SpeicherKb("VmHWM:") - (zurueckgesetzt ? vorher : spitzeVorher);
    std::printf("ZEIT %.3f\nWERT %.1f\n", zeit, spitze / 1024.0);
    return ok ? 0 : 1;
}

// Opening in a fresh process, until day 1 is painted.
int OeffnenKind(const QString &ordner)
{
    ProgrammVorbereiten(*qApp);
    ProgrammordnerFestlegen(ordner);
    MeldungenMitschreiben();
    TForm1 haupt;
    HauptfensterZeigen(haupt);
    return Berichten([&] {
        haupt.setDatFilename(Name);
        haupt.repaint();
        QApplication::processEvents();
        return haupt.AktNummer() == 1 && meldung.isEmpty();
    });
}

// The floor of opening: the file read and decoded into new memory.
int LesenKind(const QString &pfad)
{
    return Berichten([&] {
        QFile datei(pfad);
        return datei.open(QIODevice::ReadOnly) && !QString::fromUtf8(datei.readAll()).isEmpty();
    });
}

// The overview dialog of the folder in a fresh process: counted, the table drawn.
int UebersichtKind(const QString &daten)
{
    ProgrammVorbereiten(*qApp);
    HeuteFestlegen(QDate(2024, 3, 5));
    MeldungenMitschreiben();
    TUebersichtForm dialog(nullptr);
    dialog.DatenOrdner = daten;
    return Berichten([&] {
        dialog.show();
        QApplication::processEvents();
        dialog.Zaehlen();
        dialog.repaint();
        QApplication::processEvents();
        return dialog.Modell->rowCount() == Mitschueler + 2;
    });
}

// The floor of the overview: every file of the folder read and decoded.
int OrdnerLesenKind(const QString &daten)
{
    return Berichten([&] {
        qsizetype zeichen = 0;
        for (const QString &datei : TeilnehmerDateien(daten)) {
            QFile f(daten + datei);
            if (f.open(QIODevice::ReadOnly))
                zeichen += QString(QStringDecoder(QStringDecoder::Utf8)(QByteArrayView(f.readAll()).sliced(3))).size();
        }
        return zeichen > 0;
    });
}

// A figure of two fresh processes by turns, and the peak memory of the
// program's against the file's size.
void KindFigur(const char *name, int paare, const QStringList &programm, const QStringList &boden, qint64 dateiBytes)
{
    QStringList spitzen;
    Abwechselnd(name, paare, [&] {
        QStringList werte;
        const double zeit = KindZeit(programm, &werte);
        spitzen << werte;
        return zeit;
    }, [&] { return KindZeit(boden); });
    if (spitzen.isEmpty())
        return;
    std::vector<double> mb;
    for (const QString &wert : std::as_const(spitzen))
        mb.push_back(wert.toDouble());
    const double median = MedianVon(mb);
    std::printf("MEMORY %s peak_mb=%.1f file_mb=%.1f ratio=%.2f\n", name, median, dateiBytes / 1048576.0,
                median / (dateiBytes / 1048576.0));
}

void SchrittFigur(const QString &ordner, int paare)
{
    if (!Gewuenscht("long_line_step_save"))
        return;
    ProgrammordnerFestlegen(ordner);
    MeldungenMitschreiben();
    const QString boden = ordner + "Boden.dat";
    QFile::copy(ordner + "Merkwerk/" + Name + ".dat", boden);
    ::sync();
    TForm1 haupt;
    HauptfensterZeigen(haupt);
    haupt.setDatFilename(Name);
    QApplication::processEvents();
    Abwechselnd("long_line_step_save", paare, SchrittMitAenderung(haupt),
                [&] { return BodenSpeichern(boden); });
    if (haupt.AktNummer() != 2 || !meldung.isEmpty())
        std::printf("  FEHLER: Tag %d, %s\n", haupt.AktNummer(), qPrintable(meldung.left(300)));
    haupt.setDatFilename(QString());
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() == 3 && argumente[1] == "oeffnen")
        return OeffnenKind(argumente[2]);
    if (argumente.size() == 3 && argumente[1] == "lesen")
        return LesenKind(argumente[2]);
    if (argumente.size() == 3 && argumente[1] == "uebersicht")
        return UebersichtKind(argumente[2]);
    if (argumente.size() == 3 && argumente[1] == "ordnerlesen")
        return OrdnerLesenKind(argumente[2]);

    // Few pairs: each run handles 50 MB (MERKWERK_BENCH_PAARE may ask for more).
    const int paare = qEnvironmentVariableIsSet("MERKWERK_BENCH_PAARE") ? qEnvironmentVariableIntValue("MERKWERK_BENCH_PAARE") : 3;
    const QString ordner = platz.Pfad();
    const qint64 bytes = OrdnerAnlegen(ordner);
    const QString daten = ordner + "Merkwerk/";
    std::printf("Teilnehmer %s: erste Zeile %.1f MB, Datei %.1f MB; %d Mitschüler\n", qPrintable(Name),
                ZeilenBytes / 1e6, bytes / 1e6, Mitschueler);

    if (Gewuenscht("long_line_open"))
        KindFigur("long_line_open", paare, {"oeffnen", ordner}, {"lesen", daten + Name + ".dat"}, bytes);
    SchrittFigur(ordner, paare);
    if (Gewuenscht("long_line_overview"))
        KindFigur("long_line_overview", paare, {"uebersicht", daten}, {"ordnerlesen", daten}, bytes);
    return 0;
}
