#include "records/teilnehmerdatei.h"
#include "testhilfen.h"

#include <QFile>

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
        Utf16Datei(QStringLiteral("5ä\vk\rx"), false), lang.toLatin1() + "\r\nx",
    };
    for (const QByteArray &bytes : faelle) {
        const QString pfad = Ordner() + QLatin1String("f.dat");
        Schreiben(pfad, bytes);
        QString zeile, fehler;
        bool hatZeile = false;
        ASSERT_TRUE(ErsteZeileLesen(pfad, zeile, hatZeile, fehler));
        Kodierung k;
        const QStringList alle = BytesInZeilen(bytes, k);
        EXPECT_EQ(hatZeile, !alle.isEmpty());
        EXPECT_EQ(zeile, alle.value(0)) << bytes.toHex().toStdString();
    }
}
