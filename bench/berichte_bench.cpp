// The report of all days (kind 2) in the text window until it is fully laid
// out, against a QPlainTextEdit of the same size and font with the same
// text; the peak memory of showing 100,000 days; its RTF save against
// writing and syncing the same bytes. Also the old absolute figures: the
// report texts and the comment evaluation of 1,000 participants.
//
// Arguments "speicher <tage>" and "speicher-boden <tage>" run one showing
// in this process and print its time and memory (the parent starts them,
// so that each begins with a fresh heap). With MERKWERK_BENCH_VERLAUF set
// every change of the scroll range is printed with its time.

#include "dialogs/druckendlg.h"
#include "records/teilnehmerdatei.h"
#include "reports/berichte.h"
#include "util/textspeichern.h"

#include "messen.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QStringList Hausaufgaben = {"&Fehlt", "&Nein", "&Ja"};

QString AlleTage(int tage)
{
    return DruckenText(BeispielTage(tage, "4b\vsitzt vorne"), BerichtKopf{"Beta", "4b", "sitzt vorne"}, TageBericht, 1,
                       Hausaufgaben);
}

// Counts the paintings of a text view, so that "laid out" includes being
// on screen.
class Maler : public QObject
{
public:
    int bilder = 0;
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::Paint)
            ++bilder;
        return false;
    }
};

// Milliseconds from `anfang` until the view is painted and its scroll
// range is final: the event loop runs until the range has not changed for
// 300 ms; the time is that of the pass that gave the final range.
double BisAusgelegt(QAbstractScrollArea *ansicht, const std::function<void()> &anfang)
{
    Maler maler;
    ansicht->viewport()->installEventFilter(&maler);
    QTimer puls; // wakes the loop while the layout waits for its own timers
    puls.start(10);
    QElapsedTimer uhr;
    uhr.start();
    anfang();
    const double angefangen = uhr.nsecsElapsed() / 1e6;
    const bool verlaufS = qEnvironmentVariableIsSet("MERKWERK_BENCH_VERLAUF");
    if (verlaufS)
        std::printf("    %s: set and shown after %.1f ms\n", ansicht->metaObject()->className(), angefangen);
    int bereich = -1;
    double fertig = 0;
    for (;;) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double jetzt = uhr.nsecsElapsed() / 1e6;
        const int neu = ansicht->verticalScrollBar()->maximum();
        if (neu != bereich || maler.bilder == 0) {
            if (verlaufS)
                std::printf("    %.1f ms: range %d, %d paintings\n", jetzt, neu, maler.bilder);
            bereich = neu;
            fertig = jetzt;
        } else if (jetzt - fertig > 300) {
            break;
        }
    }
    ansicht->viewport()->removeEventFilter(&maler);
    return fertig;
}

// The text window as the main window uses it for a report.
double TextfensterZeigen(TDruckenForm &fenster, const QString &text)
{
    return BisAusgelegt(fenster.RichEdit1, [&] {
        fenster.SchriftartZuweisen();
        fenster.TextSetzen(text);
        fenster.show();
    });
}

double BodenZeigen(QPlainTextEdit &boden, const QString &text)
{
    return BisAusgelegt(&boden, [&] {
        boden.setPlainText(text);
        boden.show();
    });
}

void Verstecken(QWidget &fenster, const std::function<void()> &leeren)
{
    fenster.hide();
    leeren();
    QApplication::processEvents();
}

// A plain text view of the text window's size and font.
void WieTextfenster(QPlainTextEdit &boden, TDruckenForm &fenster)
{
    fenster.SchriftartZuweisen();
    fenster.show();
    QApplication::processEvents();
    boden.setFont(fenster.RichEdit1->font());
    boden.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    boden.resize(fenster.RichEdit1->size());
    fenster.hide();
}

// One showing of `tage` days in a fresh process: time and peak memory.
int SpeicherKind(bool bodenS, int tage)
{
    QString text = AlleTage(tage);
    TDruckenForm fenster(nullptr);
    QPlainTextEdit boden;
    WieTextfenster(boden, fenster);
    if (bodenS)
        text.replace("\r\n", "\n");
    const qint64 vorher = SpeicherKb("VmRSS:");
    const bool zurueckgesetzt = SpitzeZuruecksetzen();
    const qint64 spitzeVorher = SpeicherKb("VmHWM:");
    const double zeit = bodenS ? BodenZeigen(boden, text) : TextfensterZeigen(fenster, text);
    const qint64 spitze = SpeicherKb("VmHWM:") - (zurueckgesetzt ? vorher : spitzeVorher);
    std::printf("ZEIT %.2f\nWERT %.1f %.1f\n", zeit, spitze / 1024.0, text.size() * 2 / 1048576.0);
    return 0;
}

// The figure of a text window in fresh processes: time and peak memory.
void SpeicherFigur(int tage)
{
    QStringList programm, boden;
    const double zeitProgramm = KindZeit({"speicher", QString::number(tage)}, &programm);
    const double zeitBoden = KindZeit({"speicher-boden", QString::number(tage)}, &boden);
    if (programm.isEmpty() || boden.isEmpty())
        return;
    const QStringList p = programm.first().split(' ');
    const QStringList b = boden.first().split(' ');
    std::printf("MEMORY text_window_%d peak_mb=%s text_utf16_mb=%s ratio=%.2f\n", tage, qPrintable(p[0]),
                qPrintable(p[1]), p[0].toDouble() / p[1].toDouble());
    std::printf("  text_window_%d with QPlainTextEdit: peak_mb=%s ratio=%.2f\n", tage, qPrintable(b[0]),
                b[0].toDouble() / b[1].toDouble());
    std::printf("  text_window_%d (one fresh process each): merkwerk %.0f ms, QPlainTextEdit %.0f ms\n", tage,
                zeitProgramm, zeitBoden);
}

// The floor of a save: the bytes written and synced.
double SchreibenUndSyncen(const QString &pfad, const QByteArray &bytes)
{
    return Stoppen([&] {
        const int handle = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (handle < 0 || ::write(handle, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fdatasync(handle))
            std::fprintf(stderr, "Schreiben fehlgeschlagen\n");
        ::close(handle);
    });
}

void RtfFiguren(const QString &ordner)
{
    const RtfSchrift schrift{QFont("Arial", 12), Qt::black, 0};
    for (int tage : {1000, 10000, 100000}) {
        const QByteArray name = "rtf_save_" + QByteArray::number(tage);
        if (!Gewuenscht(name.constData()))
            continue;
        // As the text window hands it over: lines ending in LF.
        const QString text = AlleTage(tage).replace("\r\n", "\n");
        const QByteArray bytes = TextBytes(text, RtfText, &schrift);
        QString fehler;
        Abwechselnd(
            name.constData(), tage >= 100000 ? 7 : 11,
            [&] { return Stoppen([&] { TextSpeichern(ordner + "bericht.rtf", text, RtfText, &schrift, fehler); }); },
            [&] { return SchreibenUndSyncen(ordner + "boden.rtf", bytes); });
        if (!fehler.isEmpty())
            std::printf("  FEHLER: %s\n", qPrintable(fehler));
        // The share of the conversion alone, without writing.
        const double umwandeln = Median(5, [&] { TextBytes(text, RtfText, &schrift); });
        std::printf("  %s: RTF erzeugen (%lld Zeichen -> %lld Bytes) %7.2f ms\n", name.constData(),
                    static_cast<long long>(text.size()), static_cast<long long>(bytes.size()), umwandeln);
    }
}

void AlteZahlen(const QString &ordner)
{
    const QStringList zeilen = BeispielTage(10000, "4b\vsitzt vorne");
    const BerichtKopf kopf{"Beta", "4b", "sitzt vorne"};
    QString alleTage;
    const double art2 = Median(21, [&] { alleTage = DruckenText(zeilen, kopf, 2, 1, Hausaufgaben); });
    std::printf("Bericht aller Tage, 10.000 Tage (%lld Zeichen): %7.2f ms\n", static_cast<long long>(alleTage.size()),
                art2);
    const double art3 = Median(21, [&] { DruckenText(zeilen, kopf, 3, 1, Hausaufgaben); });
    std::printf("Hausaufgabenauswertung, 10.000 Tage:            %7.2f ms\n", art3);

    QDir().mkpath(ordner + "kommentare");
    for (int n = 0; n < 1000; ++n) {
        Kodierung k = Kodierung::Utf8MitMarke;
        QStringList datei = zeilen.mid(0, 1 + 5 * 200);
        datei[0] = n % 2 ? QString("5a\vKommentar %1").arg(n) : QString("5a\v");
        Anlegen(ordner + QString("kommentare/Teilnehmer %1.dat").arg(n), ZeilenInBytes(datei, k));
    }
    ::sync();
    QStringList fehlerListe;
    const double kommentare =
        Median(11, [&] { KommentareText(KommentarQuellenLesen(ordner + "kommentare/", fehlerListe)); });
    std::printf("Kommentarauswertung von 1.000 Teilnehmern:      %7.2f ms\n", kommentare);
}

} // namespace

int main(int argc, char *argv[])
{
    Messplatz platz(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() == 3 && argumente[1].startsWith("speicher"))
        return SpeicherKind(argumente[1] == "speicher-boden", argumente[2].toInt());

    const QString text = AlleTage(10000);
    const QString textLf = QString(text).replace("\r\n", "\n");
    TDruckenForm fenster(nullptr);
    QPlainTextEdit boden;
    WieTextfenster(boden, fenster);
    Abwechselnd(
        "text_window_10000", 9,
        [&] {
            const double zeit = TextfensterZeigen(fenster, text);
            Verstecken(fenster, [&] { fenster.TextSetzen(QString()); });
            return zeit;
        },
        [&] {
            const double zeit = BodenZeigen(boden, textLf);
            Verstecken(boden, [&] { boden.clear(); });
            return zeit;
        });
    if (Gewuenscht("text_window_100000"))
        SpeicherFigur(100000);

    RtfFiguren(platz.Pfad());
    if (Gewuenscht("absolute"))
        AlteZahlen(platz.Pfad());
    return 0;
}
