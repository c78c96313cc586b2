#include "testhilfen.h"
#include "util/dateisync.h"
#include "util/ordner.h"
#include "util/sicherschreiben.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

class SicherSchreiben : public Umgebung
{
};

TEST_F(SicherSchreiben, NeueDateiErsetztNieEineVorhandene)
{
    const QString pfad = Ordner() + QLatin1String("Delta.dat");
    Schreiben(pfad, "Delta\r\n");
    QString fehler;
    EXPECT_FALSE(BytesSchreiben(pfad, "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(pfad), "Delta\r\n");
    EXPECT_TRUE(BytesSchreiben(Ordner() + QLatin1String("Zeta.dat"), "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(Ordner() + QLatin1String("Zeta.dat")), "neu\r\n");
}

TEST_F(SicherSchreiben, FehlschlagNenntDenGrundAufDeutschUndLaesstDieDateiGanz)
{
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "alt\r\n");
    QString fehler;
    bool ok = true;
    MitDateigrenze(3, [&] { ok = BytesSchreiben(pfad, "viel zu lang\r\n", fehler); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(fehler, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Die Datei ist zu groß.").arg(pfad));
    EXPECT_EQ(Lesen(pfad), "alt\r\n");
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary file left
}

TEST_F(SicherSchreiben, FehlgeschlagenerSyncIstFehlgeschlagenesSpeichern)
{
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "alt\r\n");
    AufDatentraegerFestlegen([](int) { return EIO; });
    QString fehler;
    const bool ok = BytesSchreiben(pfad, "neu\r\n", fehler);
    AufDatentraegerFestlegen({});
    EXPECT_FALSE(ok);
    EXPECT_TRUE(fehler.endsWith(QStringLiteral("Der Datenträger meldet einen Lese- oder Schreibfehler."))) << fehler.toStdString();
    EXPECT_EQ(Lesen(pfad), "alt\r\n");
}

TEST_F(SicherSchreiben, OrdnerSyncNachDemUmbenennenMeldetDieGeschriebeneDatei)
{
    // The folder's sync fails after the rename: the file holds the new
    // content, and the message says that it was written.
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "alt\r\n");
    AufDatentraegerFestlegen([](int handle) {
        struct stat info {};
        return ::fstat(handle, &info) == 0 && S_ISDIR(info.st_mode) ? EIO : 0;
    });
    QString fehler;
    bool inhaltNeu = false;
    const bool ok = BytesSchreiben(pfad, "neu\r\n", fehler, false, &inhaltNeu);
    AufDatentraegerFestlegen({});
    EXPECT_FALSE(ok);
    EXPECT_TRUE(inhaltNeu);
    EXPECT_EQ(Lesen(pfad), "neu\r\n");
    EXPECT_EQ(fehler, QStringLiteral("Der Datenträger hat nicht bestätigt, dass die Datei \"%1\" dauerhaft gespeichert "
                                     "ist. Der Datenträger meldet einen Lese- oder Schreibfehler.\r\nBitte prüfen Sie "
                                     "den Datenträger und sichern Sie Ihre Daten.")
                          .arg(pfad));
    // A failure before it: the old content, and no claim that it is written.
    AufDatentraegerFestlegen([](int) { return EIO; });
    EXPECT_FALSE(BytesSchreiben(pfad, "neuer\r\n", fehler, false, &inhaltNeu));
    AufDatentraegerFestlegen({});
    EXPECT_FALSE(inhaltNeu);
    EXPECT_EQ(Lesen(pfad), "neu\r\n");
}

TEST_F(SicherSchreiben, BehaeltDieRechteUndSchreibtDasZielEinerVerknuepfung)
{
    const QString ziel = Ordner() + QLatin1String("woanders/Beta.dat");
    Schreiben(ziel, "alt\r\n");
    QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    const QFileDevice::Permissions rechte = QFile::permissions(ziel);
    const QString link = Ordner() + QLatin1String("Beta.dat");
    ASSERT_TRUE(QFile::link(ziel, link));
    QString fehler;
    ASSERT_TRUE(BytesSchreiben(link, "neu\r\n", fehler)) << fehler.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Lesen(ziel), "neu\r\n");
    EXPECT_EQ(QFile::permissions(ziel), rechte);
}

TEST_F(SicherSchreiben, NeueDateienUndOrdnerNurFuerDenBenutzer)
{
    for (const unsigned maske : {000u, 022u}) {
        SCOPED_TRACE(maske);
        const QString ordner = Ordner() + QString::number(maske) + QLatin1String("/Merkwerk/");
        const QString alt = Ordner() + QString::number(maske) + QLatin1String("/alt.dat");
        MitDateimaske(maske, [&] {
            ASSERT_TRUE(PrivatenOrdnerAnlegen(ordner));
            // The temporary file too, while it is being written.
            int waehrendDesSchreibens = -1;
            AufDatentraegerFestlegen([&](int handle) {
                struct stat info {};
                if (::fstat(handle, &info) == 0 && S_ISREG(info.st_mode))
                    waehrendDesSchreibens = int(info.st_mode & 07777);
                return 0;
            });
            QString fehler;
            EXPECT_TRUE(BytesSchreiben(ordner + QLatin1String("Beta.dat"), "neu\r\n", fehler));
            EXPECT_EQ(waehrendDesSchreibens, 0600);
            AufDatentraegerFestlegen({});
            // What exists keeps its permissions.
            Schreiben(alt, "alt\r\n");
            QFile::setPermissions(alt, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                           | QFileDevice::ReadOther);
            EXPECT_TRUE(BytesSchreiben(alt, "neu\r\n", fehler));
            EXPECT_TRUE(PrivatenOrdnerAnlegen(Ordner() + QString::number(maske)));
        });
        EXPECT_EQ(Rechte(ordner), 0700);
        EXPECT_EQ(Rechte(ordner + QLatin1String("Beta.dat")), 0600);
        EXPECT_EQ(Rechte(alt), 0644);
        EXPECT_EQ(Rechte(Ordner() + QString::number(maske)), 0777 & ~maske);
    }
}

TEST_F(SicherSchreiben, VerwaisteTemporaereDateienGehenNachEinerStunde)
{
    const QStringList alt = {".Beta.dat.k3j9x", ".Beta.dat.bak.0a1b2c", ".Beta.dat.konflikt.zz",
                             ".Beta.dat.konflikt2.zz", ".merkwerk-k3j9x0a1b2c"};
    for (const QString &name : alt) {
        Schreiben(Ordner() + name, "halb");
        QFile datei(Ordner() + name);
        datei.open(QIODevice::ReadWrite);
        datei.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime);
    }
    // Young ones, and files that only look alike, stay.
    Schreiben(Ordner() + ".Gamma.dat.abc", "läuft noch");
    Schreiben(Ordner() + ".merkwerk-1x2y3z", "läuft auch noch");
    Schreiben(Ordner() + ".profile", "x");
    Schreiben(Ordner() + "Beta.dat", "ganz");
    VerwaisteTemporaereEntfernen(Ordner());
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({".Gamma.dat.abc", ".merkwerk-1x2y3z", ".profile", "Beta.dat"}));
}
