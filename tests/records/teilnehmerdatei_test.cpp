#include "records/teilnehmerdatei.h"
#include "testhilfen.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

class Dateischreiben : public Umgebung
{
};

TEST_F(Dateischreiben, SicherungskopieHaeltDenVorigenStand)
{
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "alt\r\n");
    Schreiben(pfad + QLatin1String(".bak"), "uralt\r\n");
    QFile::setPermissions(pfad + QLatin1String(".bak"), QFileDevice::ReadOwner);
    Kodierung k = Kodierung::Utf8OhneMarke;
    QString fehler;
    ASSERT_TRUE(ZeilenMitSicherungSchreiben(pfad, {"neu"}, k, fehler)) << fehler.toStdString();
    EXPECT_EQ(Lesen(pfad), "neu\r\n");
    EXPECT_EQ(Lesen(pfad + QLatin1String(".bak")), "alt\r\n");
}

TEST_F(Dateischreiben, FehlgeschlagenesSchreibenLaesstDieDateiGanz)
{
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "alter Inhalt\r\n");
    Kodierung k = Kodierung::Utf8OhneMarke;
    QString fehler;
    bool ok = true;
    MitDateigrenze(64, [&] { ok = ZeilenSchreiben(pfad, {QString(1000, QLatin1Char('x'))}, k, fehler); });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(pfad)))
        << fehler.toStdString();
    EXPECT_EQ(Lesen(pfad), "alter Inhalt\r\n");
}

TEST_F(Dateischreiben, LesefehlerNenntDieDatei)
{
    QStringList zeilen;
    Kodierung k = Kodierung::Utf8MitMarke;
    QString fehler;
    const QString pfad = Ordner() + QLatin1String("fehlt.dat");
    EXPECT_FALSE(ZeilenLesen(pfad, zeilen, k, fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(pfad)));
}

TEST_F(Dateischreiben, ErsteZeileWieBeimGanzenLesen)
{
    const QString lang = QString(5000, QLatin1Char('k'));
    const QByteArray faelle[] = {
        "", "5a\vx", "5a\vx\r\nrest", "\xEF\xBB\xBF" "5\xC3\xA4\r\n", "5\xC3\xA4\r\nM\xE4rz\r\n",
        "5\xE4\r\n", Utf16Datei(QStringLiteral("5ä\vk\r\nx"), true), Utf16Datei(QStringLiteral("5\u0D00ä\nx"), true),
        Utf16Datei(QStringLiteral("5ä\vk\rx"), false), lang.toLatin1() + "\r\nx", "5a\r\nM\xE4rz\r\n",
        "5a\r\r\nx\r", "\r\n", "5a\n", Utf16Datei(QStringLiteral("5ä\r\n\r\nx\r\n"), true),
        QByteArray(2 * 1024 * 1024, 'k') + "\r\nrest\r\n",
    };
    for (const QByteArray &bytes : faelle) {
        SCOPED_TRACE(bytes.left(40).toHex().toStdString());
        const QString pfad = Ordner() + QLatin1String("f.dat");
        Schreiben(pfad, bytes);
        QString zeile, fehler;
        bool hatZeile = false;
        ASSERT_TRUE(ErsteZeileLesen(pfad, zeile, hatZeile, fehler));
        Kodierung k;
        const QStringList alle = BytesInZeilen(bytes, k);
        EXPECT_EQ(hatZeile, !alle.isEmpty());
        EXPECT_EQ(zeile, alle.value(0).left(1024 * 1024));
        // Header first, then the rest: the lines of the whole file.
        Kopfleser leser(pfad);
        QString kopf, rest;
        ASSERT_TRUE(leser.KopfLesen(kopf, hatZeile, fehler));
        EXPECT_EQ(kopf, zeile);
        ASSERT_TRUE(leser.RestLesen(rest, fehler));
        EXPECT_EQ(TextInZeilen(rest), alle.mid(1));
    }
}

TEST_F(Dateischreiben, ZuGrosseDateiWirdNichtGanzGelesen)
{
    // Sparse: the size without the disk space. The header is read as ever
    // (by its own bytes where the rest would decide the encoding).
    const QString pfad = Ordner() + QLatin1String("Riese.dat");
    Schreiben(pfad, "4\xC3\xA4\vKommentar\r\nMo.\v\r\n2\r\n<--------------->\r\n");
    QFile riese(pfad);
    ASSERT_TRUE(riese.resize(qint64(300) * 1024 * 1024));
    const QString zuGross = QStringLiteral("Datei %1 kann nicht geöffnet werden. Sie ist mit 300,0 MB zu groß; Merkwerk "
                                           "liest Teilnehmerdateien bis 256 MB.").arg(pfad);
    QStringList zeilen;
    Kodierung k = Kodierung::Utf8MitMarke;
    QString fehler;
    EXPECT_FALSE(ZeilenLesen(pfad, zeilen, k, fehler));
    EXPECT_EQ(fehler, zuGross);
    QString zeile, rest;
    bool hatZeile = false;
    Kopfleser leser(pfad);
    ASSERT_TRUE(leser.KopfLesen(zeile, hatZeile, fehler));
    EXPECT_EQ(zeile, QStringLiteral("4ä\vKommentar"));
    EXPECT_FALSE(leser.RestLesen(rest, fehler));
    EXPECT_EQ(fehler, zuGross);
}

TEST_F(Dateischreiben, ErsteZeileBegrenztUndOhneBlockieren)
{
    // A header of many megabytes is read only as far as the limit.
    const QString pfad = Ordner() + QLatin1String("lang.dat");
    Schreiben(pfad, "5a\vk" + QByteArray(8 * 1024 * 1024, 'k') + "\r\nrest\r\n");
    QString zeile, fehler;
    bool hatZeile = false;
    ASSERT_TRUE(ErsteZeileLesen(pfad, zeile, hatZeile, fehler));
    EXPECT_TRUE(hatZeile);
    EXPECT_TRUE(zeile.startsWith("5a\vkkk"));
    EXPECT_LE(zeile.size(), 1024 * 1024);
    // A pipe of a participant's name is refused at once.
    const QString rohr = Ordner() + QLatin1String("rohr.dat");
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    EXPECT_FALSE(ErsteZeileLesen(rohr, zeile, hatZeile, fehler));
    QStringList zeilen;
    Kodierung k = Kodierung::Utf8MitMarke;
    EXPECT_FALSE(ZeilenLesen(rohr, zeilen, k, fehler));
    EXPECT_EQ(fehler, QStringLiteral("Datei %1 kann nicht geöffnet werden. Unter diesem Namen liegt keine gewöhnliche "
                                     "Datei.").arg(rohr));
}

TEST_F(Dateischreiben, SicherungskopieBleibtWennDasSchreibenScheitert)
{
    const QString pfad = Ordner() + QLatin1String("Beta.dat");
    Schreiben(pfad, "Stand 2\r\n");
    Schreiben(pfad + QLatin1String(".bak"), "Stand 1\r\n");
    Kodierung k = Kodierung::Utf8OhneMarke;
    QString fehler;
    bool ok = true;
    MitDateigrenze(5, [&] { ok = ZeilenMitSicherungSchreiben(pfad, {"Stand 3 ist viel länger"}, k, fehler); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Lesen(pfad), "Stand 2\r\n");
    const QByteArray bak = Lesen(pfad + QLatin1String(".bak"));
    EXPECT_TRUE(bak == "Stand 1\r\n" || bak == "Stand 2\r\n") << bak.toStdString();
    ASSERT_TRUE(ZeilenMitSicherungSchreiben(pfad, {"Stand 3"}, k, fehler));
    EXPECT_EQ(Lesen(pfad + QLatin1String(".bak")), "Stand 2\r\n");
    EXPECT_EQ(Lesen(pfad), "Stand 3\r\n");
}

TEST_F(Dateischreiben, NameAnDerGrenzeBekommtSicherungUndKonflikt)
{
    // 244 bytes: "<name>.dat.bak" still fits the file system's 255, the
    // temporary files beside it must be short to fit as well.
    const QString pfad = Ordner() + QStringLiteral("€").repeated(80) + ".dat";
    Schreiben(pfad, Utf8Datei({"alt"}));
    Kodierung k = Kodierung::Utf8MitMarke;
    QString fehler;
    ASSERT_TRUE(ZeilenMitSicherungSchreiben(pfad, {"neu"}, k, fehler)) << fehler.toStdString();
    EXPECT_EQ(Lesen(pfad + ".bak"), Utf8Datei({"alt"}));
    ASSERT_TRUE(ZeilenSchreiben(pfad + ".konflikt", {"meins"}, k, fehler, nullptr, true)) << fehler.toStdString();
    EXPECT_EQ(Lesen(pfad + ".konflikt"), Utf8Datei({"meins"}));
    EXPECT_EQ(QDir(Ordner()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}
