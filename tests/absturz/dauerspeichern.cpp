// The crash tests' driver (tests/records/absturz_test.cpp): does one write
// again and again until it is killed.
//
//   dauerspeichern <file.dat>          saves a participant with its backup
//                                      copy, the two versions by turns
//   dauerspeichern --anlegen <folder>  creates the participant "Neu" there,
//                                      deletes it and creates it again; the
//                                      sync of each file is delayed, as on a
//                                      slow drive
//
// It does the write twice and says "bereit <microseconds of one write>".
// Then, for each line on its input, it forks a process that writes without
// end, says that process's id, waits until the test has killed it and says
// "ende <wait status>". Forking spares each trial the start of a new program.

#include "versionen.h"

#include "records/neuerteilnehmer.h"
#include "records/teilnehmerdatei.h"
#include "util/dateisync.h"
#include "util/datumsnamen.h"
#include "util/heute.h"

#include <QElapsedTimer>
#include <QFile>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool Gelungen(bool ok, const QString &fehler)
{
    if (!ok)
        std::cerr << "dauerspeichern: " << fehler.toStdString() << std::endl;
    return ok;
}

bool Speichern(const QString &pfad, const QStringList &zeilen)
{
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    QString fehler;
    return Gelungen(ZeilenMitSicherungSchreiben(pfad, zeilen, kodierung, fehler), fehler);
}

// One write after the other; `beginnen` runs first in each process.
struct Arbeit {
    std::function<void()> beginnen;
    std::function<bool()> runde;
};

// Saves the versions by turns, beginning with the one the file does not
// hold, so that every save changes it.
Arbeit Speicherrunden(const QString &pfad)
{
    auto versionen = std::make_shared<std::array<QStringList, 2>>();
    *versionen = {AbsturzVersion(0), AbsturzVersion(1)};
    auto nummer = std::make_shared<int>(0);
    const auto beginnen = [pfad, versionen, nummer] {
        Kodierung kodierung = Kodierung::Utf8MitMarke;
        QFile datei(pfad);
        const bool haeltErste = datei.open(QIODevice::ReadOnly)
                                && datei.readAll() == ZeilenInBytes(versionen->at(0), kodierung);
        *nummer = haeltErste ? 1 : 0;
    };
    return {beginnen, [pfad, versionen, nummer] { return Speichern(pfad, versionen->at((*nummer)++ % 2)); }};
}

// Creates the participant where it was deleted just before.
Arbeit Anlegerunden(const QString &ordner)
{
    // The day text as the test, in German, expects it.
    HeuteFestlegen(AbsturzHeute());
    DatumsnamenLaden(QLocale(QLocale::German, QLocale::Germany));
    AufDatentraegerFestlegen([](int handle) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return ::fdatasync(handle) == 0 ? 0 : errno;
    });
    const QString pfad = ordner + AbsturzName + QLatin1String(".dat");
    return {[] {}, [ordner, pfad] {
                QFile::remove(pfad);
                Kodierung kodierung = Kodierung::Utf8MitMarke;
                QString fehler;
                const bool ok = TeilnehmerAnlegen(ordner, AbsturzName, AbsturzKlasse, AbsturzKommentar, kodierung,
                                                  fehler);
                return Gelungen(ok && fehler.isEmpty(), fehler);
            }};
}

} // namespace

int main(int argc, char **argv)
{
    const bool anlegen = argc == 3 && std::string(argv[1]) == "--anlegen";
    if (argc != 2 && !anlegen) {
        std::cerr << "Aufruf: dauerspeichern <Datei.dat> | dauerspeichern --anlegen <Ordner>" << std::endl;
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[argc - 1]);
    const Arbeit arbeit = anlegen ? Anlegerunden(ziel) : Speicherrunden(ziel);
    arbeit.beginnen();
    if (!arbeit.runde())
        return 1;
    QElapsedTimer uhr;
    uhr.start();
    if (!arbeit.runde())
        return 1;
    std::cout << "bereit " << uhr.nsecsElapsed() / 1000 << std::endl;

    for (std::string zeile; std::getline(std::cin, zeile);) {
        const pid_t kind = fork();
        if (kind < 0)
            return 1;
        if (kind == 0) {
            arbeit.beginnen();
            while (arbeit.runde())
                ;
            _exit(1);
        }
        std::cout << kind << std::endl;
        int status = 0;
        waitpid(kind, &status, 0);
        std::cout << "ende " << status << std::endl;
    }
    return 0;
}
