// The crash test's driver (tests/records/absturz_test.cpp): saves one
// participant with its backup copy again and again until it is killed.
//
//   dauerspeichern <file.dat>
//
// It saves version 0 twice and says "bereit <microseconds of one save>".
// Then, for each line on its input, it forks a process that saves the two
// versions by turns without end, the other one first, says that process's id, waits until the
// test has killed it and says "ende <wait status>". Forking spares each trial
// the start of a new program.

#include "versionen.h"

#include "records/teilnehmerdatei.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool Speichern(const QString &pfad, const QStringList &zeilen)
{
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    QString fehler;
    if (ZeilenMitSicherungSchreiben(pfad, zeilen, kodierung, fehler))
        return true;
    std::cerr << "dauerspeichern: " << fehler.toStdString() << std::endl;
    return false;
}

// Begins with the version the file does not hold, so that every save
// changes it.
[[noreturn]] void ImmerSpeichern(const QString &pfad, const QStringList versionen[2], const QByteArray &ersteBytes)
{
    QFile datei(pfad);
    const bool haeltErste = datei.open(QIODevice::ReadOnly) && datei.readAll() == ersteBytes;
    datei.close();
    for (int runde = haeltErste ? 1 : 0;; ++runde) {
        if (!Speichern(pfad, versionen[runde % 2]))
            _exit(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: dauerspeichern <Datei.dat>" << std::endl;
        return 2;
    }
    const QString pfad = QString::fromLocal8Bit(argv[1]);
    const QStringList versionen[2] = {AbsturzVersion(0), AbsturzVersion(1)};
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    const QByteArray ersteBytes = ZeilenInBytes(versionen[0], kodierung);
    if (!Speichern(pfad, versionen[0]))
        return 1;
    QElapsedTimer uhr;
    uhr.start();
    if (!Speichern(pfad, versionen[0]))
        return 1;
    std::cout << "bereit " << uhr.nsecsElapsed() / 1000 << std::endl;

    for (std::string zeile; std::getline(std::cin, zeile);) {
        const pid_t kind = fork();
        if (kind < 0)
            return 1;
        if (kind == 0)
            ImmerSpeichern(pfad, versionen, ersteBytes);
        std::cout << kind << std::endl;
        int status = 0;
        waitpid(kind, &status, 0);
        std::cout << "ende " << status << std::endl;
    }
    return 0;
}
