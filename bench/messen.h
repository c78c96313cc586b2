#pragma once
// What the benchmarks share: a world of their own, the interleaved
// measurement of the program against the floor the machine allows, child
// processes that time themselves, and a participant with many days.
//
// Every figure is printed as one line
//   FIGURE <name> merkwerk_ms=<median> floor_ms=<median> ratio=<merkwerk/floor>
// with the program and the floor measured by turns in the same run, so that
// a busy machine slows both alike.

#include "mainwindow/haupt.h"
#include "records/bloecke.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// The application and a temporary folder below the current one (so on the
// disk being measured, not in memory). Home, settings and runtime folder
// are temporary too, so that a benchmark never touches the user's settings;
// child processes inherit them. Without a platform named the windows stay
// offscreen; scripts/bench names xcb on Xvfb where a window is measured.
struct Messplatz {
    static int &Vorbereiten(int &argc, const QString &heim)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!qEnvironmentVariableIsSet("MERKWERK_BENCH_HEIM")) {
            QDir().mkpath(heim + QLatin1String("/run"));
            QFile::setPermissions(heim + QLatin1String("/run"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("HOME", heim.toUtf8());
            qputenv("XDG_CONFIG_HOME", (heim + QLatin1String("/config")).toUtf8());
            qputenv("XDG_RUNTIME_DIR", (heim + QLatin1String("/run")).toUtf8());
            qputenv("MERKWERK_BENCH_HEIM", heim.toUtf8()); // a child keeps its parent's
        }
        qputenv("CANBERRA_DRIVER", "null");
        return argc;
    }

    Messplatz(int &argc, char **argv)
        : ordner(QDir::currentPath() + QLatin1String("/bench-XXXXXX")),
          anwendung(Vorbereiten(argc, ordner.path() + QLatin1String("/heim")), argv)
    {
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
    }
    QString Pfad() const { return ordner.path() + QLatin1Char('/'); }

    QTemporaryDir ordner;
    QApplication anwendung;
};

// Milliseconds that `lauf` takes.
inline double Stoppen(const std::function<void()> &lauf)
{
    QElapsedTimer uhr;
    uhr.start();
    lauf();
    return uhr.nsecsElapsed() / 1e6;
}

inline double MedianVon(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    const size_t n = werte.size();
    return n == 0 ? 0 : n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

// Milliseconds, the median of `laeufe` runs; `vorher` runs untimed before each.
inline double Median(int laeufe, const std::function<void()> &messung, const std::function<void()> &vorher = {})
{
    std::vector<double> zeiten;
    for (int n = 0; n < laeufe; ++n) {
        if (vorher)
            vorher();
        zeiten.push_back(Stoppen(messung));
    }
    return MedianVon(zeiten);
}

// A timed run: returns the milliseconds of the part it measures (anything
// it prepares before or tidies after stays untimed).
using Messlauf = std::function<double()>;

struct Vergleich {
    double merkwerk = 0;
    double boden = 0;
    double Verhaeltnis() const { return boden > 0 ? merkwerk / boden : 0; }
};

// Whether a figure is to be measured: MERKWERK_BENCH_NUR may name some,
// separated by commas (to run one figure under a profiler); unset, all are.
inline bool Gewuenscht(const char *name)
{
    const QByteArray nur = qgetenv("MERKWERK_BENCH_NUR");
    return nur.isEmpty() || nur.split(',').contains(QByteArray(name));
}

// The program and its floor by turns (program, floor, program, floor ...),
// `paare` timed runs of each after one untimed of each that warms caches.
// Prints the FIGURE line and a line with the spread.
inline Vergleich Abwechselnd(const char *name, int paare, const Messlauf &programm, const Messlauf &boden)
{
    if (!Gewuenscht(name))
        return {};
    programm();
    boden();
    std::vector<double> p, b;
    for (int n = 0; n < paare; ++n) {
        p.push_back(programm());
        b.push_back(boden());
    }
    const Vergleich v{MedianVon(p), MedianVon(b)};
    std::printf("FIGURE %s merkwerk_ms=%.2f floor_ms=%.2f ratio=%.2f\n", name, v.merkwerk, v.boden, v.Verhaeltnis());
    std::printf("  %s: %d pairs, merkwerk %.2f..%.2f ms, floor %.2f..%.2f ms\n", name, paare,
                *std::min_element(p.begin(), p.end()), *std::max_element(p.begin(), p.end()),
                *std::min_element(b.begin(), b.end()), *std::max_element(b.begin(), b.end()));
    return v;
}

// Runs this benchmark program again as a fresh process with `argumente`;
// the child prints "ZEIT <ms>" (and may print "WERT <name> <zahl>" lines).
// Returns the child's time, or -1 when it failed.
inline double KindZeit(const QStringList &argumente, QStringList *werte = nullptr)
{
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind.start(QCoreApplication::applicationFilePath(), argumente);
    if (!kind.waitForFinished(600000) || kind.exitCode() != 0) {
        std::fprintf(stderr, "Kindprozess %s fehlgeschlagen\n", qPrintable(argumente.join(' ')));
        return -1;
    }
    double zeit = -1;
    for (const QByteArray &zeile : kind.readAllStandardOutput().split('\n')) {
        if (zeile.startsWith("ZEIT "))
            zeit = zeile.mid(5).toDouble();
        else if (werte && zeile.startsWith("WERT "))
            *werte << QString::fromUtf8(zeile.mid(5));
    }
    return zeit;
}

// Drops a file from the page cache, so that the next read comes from the
// disk. Only clean pages go: write the file back (sync) first.
inline void AusDemCache(const QString &pfad)
{
    const int handle = ::open(QFile::encodeName(pfad).constData(), O_RDONLY);
    if (handle < 0)
        return;
    ::posix_fadvise(handle, 0, 0, POSIX_FADV_DONTNEED);
    ::close(handle);
}

// Writes bytes plainly, without the program's safe writing: for setting up
// the data of a benchmark (sync once afterwards).
inline void Anlegen(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
        std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(pfad));
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

// Resident memory of this process in kB: now, and its peak (VmRSS, VmHWM).
inline qint64 SpeicherKb(const char *feld)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &zeile : status.readAll().split('\n')) {
        if (zeile.startsWith(feld))
            return zeile.mid(qstrlen(feld)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Sets the peak (VmHWM) back to the resident memory of now; false where the
// system does not allow it.
inline bool SpitzeZuruecksetzen()
{
    QFile klaeren(QStringLiteral("/proc/self/clear_refs"));
    return klaeren.open(QIODevice::WriteOnly) && klaeren.write("5") == 1;
}

// The main window as the program builds it, shown, with the start-up step
// (the participant list) left out.
inline void HauptfensterZeigen(TForm1 &haupt)
{
    haupt.DialogeErstellen();
    haupt.show();
    haupt.Timer1->stop();
    while (!haupt.windowHandle() || !haupt.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
}

// A step forward with a changed remark (a save and a step), timed from the
// click until the next day is shown; day 1 is shown and changed untimed.
inline Messlauf SchrittMitAenderung(TForm1 &haupt)
{
    auto runde = std::make_shared<int>(0);
    return [&haupt, runde] {
        haupt.setAktNummer(1);
        haupt.Edit5->setText(QStringLiteral("geändert %1").arg(++*runde));
        QApplication::processEvents();
        return Stoppen([&] {
            haupt.Button1->click();
            QApplication::processEvents();
        });
    };
}

// Writes and syncs bytes to an open file, then closes it.
inline void GanzSchreiben(int handle, const QByteArray &bytes)
{
    if (handle < 0 || ::write(handle, bytes.constData(), size_t(bytes.size())) != bytes.size() || ::fdatasync(handle))
        std::fprintf(stderr, "Schreiben fehlgeschlagen\n");
    ::close(handle);
}

// The floor of a save: the file copied to ".bak", the same bytes written
// to a temporary file, both synced, the temporary file renamed over it.
inline double BodenSpeichern(const QString &pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    return Stoppen([&] {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        const QByteArray bytes = datei.readAll();
        datei.close();
        GanzSchreiben(::open(name + ".bak", O_WRONLY | O_CREAT | O_TRUNC, 0644), bytes);
        GanzSchreiben(::open(name + ".tmp", O_WRONLY | O_CREAT | O_TRUNC, 0644), bytes);
        ::rename(name + ".tmp", name);
    });
}
