// Writes killed at random moments: a participant file and its backup copy
// are each whole, the old version or the new, never missing, cut short or
// mixed; a new participant is there whole or not at all. A driver program
// writes again and again until it is killed.

#include "absturz/versionen.h"
#include "testhilfen.h"

#include "records/neuerteilnehmer.h"
#include "util/datumsnamen.h"
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

// Which of the versions the bytes are, or what is wrong with them.
std::string Befund(const QString &pfad, const QList<QByteArray> &versionen)
{
    if (!QFile::exists(pfad))
        return "fehlt";
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return "nicht lesbar";
    const QByteArray bytes = datei.readAll();
    for (qsizetype nummer = 0; nummer < versionen.size(); ++nummer) {
        if (bytes == versionen[nummer])
            return "Version " + std::to_string(nummer);
    }
    return std::to_string(bytes.size()) + " Bytes, keine der Versionen";
}

bool IstVersion(const std::string &befund)
{
    return befund.rfind("Version", 0) == 0;
}

// The state after one killed write: each file with its finding.
using Befunde = QList<std::pair<std::string, std::string>>;

} // namespace

class Absturz : public Umgebung
{
protected:
    // Kills the driver's writing process `Versuche` times, each at a random
    // moment within its first two writes, and checks each time what
    // `befunde` finds with `gut`.
    void Abstuerzen(const QStringList &argumente, const std::function<Befunde()> &befunde,
                    const std::function<bool(const std::string &)> &gut)
    {
        constexpr int Versuche = 100;
        QProcess treiber;
        treiber.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        treiber.start(MERKWERK_DAUERSPEICHERN, argumente);
        ASSERT_TRUE(treiber.waitForStarted());
        const QByteArray bereit = ZeileVom(treiber);
        ASSERT_TRUE(bereit.startsWith("bereit ")) << bereit.toStdString();
        const int dauer = bereit.mid(7).toInt();
        const unsigned saat = std::random_device{}();
        std::mt19937 zufall(saat);
        std::uniform_int_distribution<int> moment(0, 2 * dauer);

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
                << "der Schreibprozess endete von selbst: " << ende.toStdString();
            for (const auto &[datei, befund] : befunde()) {
                EXPECT_TRUE(gut(befund)) << "Versuch " << versuch << ", Saat " << saat << ": " << datei << " "
                                         << befund;
                ++zaehler[datei + " " + befund];
            }
        }
        treiber.closeWriteChannel();
        EXPECT_TRUE(treiber.waitForFinished(20000));

        // What the killed writes left behind besides the files.
        const QStringList reste = QDir(Ordner()).entryList(QDir::Files | QDir::Hidden);
        std::cout << "Absturztest: " << versuche << " Versuche, ein Schreiben " << dauer << " us;";
        for (auto eintrag = zaehler.cbegin(); eintrag != zaehler.cend(); ++eintrag)
            std::cout << " " << eintrag.key() << ": " << eintrag.value() << ";";
        std::cout << " Dateien danach: " << reste.join(", ").toStdString() << std::endl;
    }
};

TEST_F(Absturz, DateiUndSicherungBleibenGanz)
{
    const QString pfad = Ordner() + "Absturz.dat";
    QList<QByteArray> versionen;
    for (int nummer = 0; nummer < 2; ++nummer) {
        Kodierung kodierung = Kodierung::Utf8MitMarke;
        versionen << ZeilenInBytes(AbsturzVersion(nummer), kodierung);
    }
    Abstuerzen(
        {pfad},
        [&] {
            return Befunde{{".dat", Befund(pfad, versionen)}, {".bak", Befund(pfad + ".bak", versionen)}};
        },
        IstVersion);
}

TEST_F(Absturz, NeuerTeilnehmerGanzOderGarNicht)
{
    const QString pfad = Ordner() + AbsturzName + ".dat";
    Kodierung kodierung = Kodierung::Utf8MitMarke;
    const QList<QByteArray> versionen = {
        ZeilenInBytes(NeueTeilnehmerZeilen(AbsturzKlasse, AbsturzKommentar, TagStr(AbsturzHeute())), kodierung)};
    Abstuerzen(
        {"--anlegen", Ordner()}, [&] { return Befunde{{AbsturzName.toStdString() + ".dat", Befund(pfad, versionen)}}; },
        [](const std::string &befund) { return befund == "fehlt" || IstVersion(befund); });
}
