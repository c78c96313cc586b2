#include "records/sicherung.h"
#include "testhilfen.h"
#include "util/laufwerke.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

class SicherungsPass : public Umgebung
{
protected:
    void TearDown() override
    {
        FreierPlatzFestlegen({});
        Umgebung::TearDown();
    }
    QString stick() const { return Ordner() + "stick/"; }
};

TEST_F(SicherungsPass, BenoetigterPlatzZaehltDieKopieNebenDerAltenInGanzenBloecken)
{
    // Files come in file-system order; the need is the largest moment.
    Schreiben(Daten() + "a.dat", QByteArray(10000, 'a'));
    Schreiben(stick() + "MwDaten/a.dat", QByteArray(100, 'a')); // replaced: freed after the copy
    QDir().mkpath(stick() + "MwDaten");
    const qint64 block = BlockGroesse(stick());
    const qint64 zehn = (10000 + block - 1) / block * block;
    EXPECT_EQ(BenoetigterPlatz(Daten(), stick() + "MwDaten/"), zehn);
    EXPECT_EQ(BenoetigterPlatz(Daten(), Ordner() + "leer/"), zehn);
}

TEST_F(SicherungsPass, ZuWenigPlatzWirdVorDemKopierenErkannt)
{
    Schreiben(Daten() + "a.dat", QByteArray(50000, 'a'));
    FreierPlatzFestlegen([](const QString &) { return qint64(1000); });
    const Vorbereitung v = SicherungVorbereiten(Daten(), stick(), true);
    EXPECT_EQ(v.art, Vorbereitung::ZuWenigPlatz);
    EXPECT_GE(v.benoetigt, 50000);
    EXPECT_EQ(v.frei, 1000);
    EXPECT_FALSE(QFile::exists(stick() + "MwDaten/a.dat"));
}

TEST_F(SicherungsPass, VerknuepfungenAufDemLaufwerkWerdenAbgelehnt)
{
    Schreiben(Daten() + "a.dat", "a");
    // A backup folder that is a link off the drive ...
    QDir().mkpath(stick());
    QDir().mkpath(Ordner() + "anderswo");
    ASSERT_TRUE(QFile::link(Ordner() + "anderswo", stick() + "MwDaten"));
    EXPECT_EQ(SicherungVorbereiten(Daten(), stick(), false).art, Vorbereitung::OrdnerVerlaesstLaufwerk);
    EXPECT_EQ(SicherungVorbereiten(Daten(), stick(), true).art, Vorbereitung::OrdnerVerlaesstLaufwerk);
    // ... and participant files on the drive that are links.
    QFile::remove(stick() + "MwDaten");
    Schreiben(stick() + "MwDaten/gut.dat", "gut");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), stick() + "MwDaten/Null.dat"));
    const Vorbereitung v = SicherungVorbereiten(Daten(), stick(), false);
    EXPECT_EQ(v.art, Vorbereitung::Verknuepfung);
    EXPECT_EQ(v.datei, "Null.dat");
}

TEST_F(SicherungsPass, KopieUndVergleichUeberspringenKeineDateiOhneZuBlockieren)
{
    Schreiben(Daten() + "a.dat", "a");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Daten() + "rohr.dat").constData(), 0600), 0);
    QDir().mkpath(Daten() + "ordner.dat");
    QDir().mkpath(stick());
    QStringList gesehen;
    const PassErgebnis kopie =
        KopierPass(Daten(), stick(), [&](const QString &datei) { gesehen << datei; }, {});
    EXPECT_TRUE(kopie.Ok()) << kopie.grund.toStdString();
    EXPECT_EQ(gesehen, QStringList({"a.dat"}));
    EXPECT_TRUE(VergleichsPass(Daten(), stick(), {}, {}).Ok());
}

TEST_F(SicherungsPass, WiederherstellenInDieDateiDieDasProgrammOeffnet)
{
    // The stick holds "Max.DAT", the data folder the same participant as
    // "Max.dat": the copy goes into the file the program opens.
    QDir().mkpath(stick());
    Schreiben(Daten() + "Max.dat", "alt");
    Schreiben(stick() + "Max.DAT", "neu vom Stick");
    EXPECT_TRUE(KopierPass(stick(), Daten(), {}, {}).Ok());
    EXPECT_TRUE(VergleichsPass(stick(), Daten(), {}, {}).Ok());
    EXPECT_EQ(Lesen(Daten() + "Max.dat"), "neu vom Stick");
    EXPECT_FALSE(QFile::exists(Daten() + "Max.DAT"));
}
