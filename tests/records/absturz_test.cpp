// Saves killed at random moments: the participant file and its backup copy
// are each whole, the old version or the new, never missing, cut short or
// mixed. A driver program saves by turns until it is killed.

#include "absturz/versionen.h"
#include "testhilfen.h"

#include "util/kodierung.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>

namespace {

QByteArray ZeileVom(QProcess &treiber)
{
    while (!treiber.canReadLine()) {
        if (!treiber.waitForReadyRead(20000))
            return {};
    }
    return treiber.readLine().trimmed();
}

// Which version the bytes are, or what is wrong with them.
std::string Befund(const QString &pfad, const QByteArray versionen[2])
{
    if (!QFile::exists(pfad))
        return "fehlt";
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return "nicht lesbar";
    const QByteArray bytes = datei.readAll();
    for (int nummer = 0; nummer < 2; ++nummer) {
        if (bytes == versionen[nummer])
            return "Version " + std::to_string(nummer);
    }
    return std::to_string(bytes.size()) + " Bytes, keine der Versionen";
}

} // namespace

class Absturz : public Umgebung
{
};

TEST_F(Absturz, DateiUndSicherungBleibenGanz)
{
    constexpr int Versuche = 100;
    const QString pfad = Ordner() + "Absturz.dat";
    QByteArray versionen[2];
    for (int nummer = 0; nummer < 2; ++nummer) {
        Kodierung kodierung = Kodierung::Utf8MitMarke;
        versionen[nummer] = ZeilenInBytes(AbsturzVersion(nummer), kodierung);
    }

    QProcess treiber;
    treiber.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    treiber.start(MERKWERK_DAUERSPEICHERN, {pfad});
    ASSERT_TRUE(treiber.waitForStarted());
    const QByteArray bereit = ZeileVom(treiber);
    ASSERT_TRUE(bereit.startsWith("bereit ")) << bereit.toStdString();
    // Kills fall anywhere in the first two saves of each trial.
    const int speicherdauer = bereit.mid(7).toInt();
    const unsigned saat = std::random_device{}();
    std::mt19937 zufall(saat);
    std::uniform_int_distribution<int> moment(0, 2 * speicherdauer);

    QMap<std::string, int> zaehler;
    int versuche = 0;
    for (int versuch = 1; versuch <= Versuche && !HasFailure(); ++versuch) {
        versuche = versuch;
        treiber.write("los\n");
        const qint64 prozess = ZeileVom(treiber).toLongLong();
        ASSERT_GT(prozess, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(zufall)));
        ::kill(pid_t(prozess), SIGKILL);
        const QByteArray ende = ZeileVom(treiber);
        const int status = ende.mid(5).toInt();
        ASSERT_TRUE(ende.startsWith("ende ") && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "der Speicherprozess endete von selbst: " << ende.toStdString();
        const std::string datei = Befund(pfad, versionen), sicherung = Befund(pfad + ".bak", versionen);
        EXPECT_EQ(datei.rfind("Version", 0), 0u) << "Versuch " << versuch << ", Saat " << saat << ": .dat " << datei;
        EXPECT_EQ(sicherung.rfind("Version", 0), 0u) << "Versuch " << versuch << ", Saat " << saat << ": .bak " << sicherung;
        ++zaehler[".dat " + datei];
        ++zaehler[".bak " + sicherung];
    }
    treiber.closeWriteChannel();
    EXPECT_TRUE(treiber.waitForFinished(20000));

    // What the killed saves left behind besides the two files.
    const QStringList reste = QDir(Ordner()).entryList(QDir::Files | QDir::Hidden);
    std::cout << "Absturztest: " << versuche << " Versuche, eine Speicherung " << speicherdauer << " us;";
    for (auto eintrag = zaehler.cbegin(); eintrag != zaehler.cend(); ++eintrag)
        std::cout << " " << eintrag.key() << ": " << eintrag.value() << ";";
    std::cout << " Dateien danach: " << reste.join(", ").toStdString() << std::endl;
}
