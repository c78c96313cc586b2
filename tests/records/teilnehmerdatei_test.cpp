#include "records/teilnehmerdatei.h"
#include "testhilfen.h"

#include <QFile>

namespace {

struct KodierFall {
    const char *name;
    QByteArray bytes;
    Kodierung kodierung;
    QStringList zeilen;
};

QByteArray Utf16(const QString &text, bool le)
{
    QByteArray b = le ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        b.append(le ? lo : hi).append(le ? hi : lo);
    }
    return b;
}

const QString ae = QStringLiteral("ä");

} // namespace

TEST(Teilnehmerdatei, ErkenntKodierungUndSchreibtDieselbenBytes)
{
    const QString text = QStringLiteral("4b\vsitzt vorne\r\nDi., 5. März 2024\v\r\n2\r\n<--------------->\r\n");
    const QStringList zeilen = {QStringLiteral("4b\vsitzt vorne"), QStringLiteral("Di., 5. März 2024\v"),
                                QStringLiteral("2"), QStringLiteral("<--------------->")};
    const KodierFall faelle[] = {
        {"utf8 mit Marke", "\xEF\xBB\xBF" + text.toUtf8(), Kodierung::Utf8MitMarke, zeilen},
        {"utf16 le", Utf16(text, true), Kodierung::Utf16LE, zeilen},
        {"utf16 be", Utf16(text, false), Kodierung::Utf16BE, zeilen},
        {"utf8 ohne Marke", text.toUtf8(), Kodierung::Utf8OhneMarke, zeilen},
        {"windows-1252", text.toLatin1(), Kodierung::Windows1252, zeilen},
        {"ascii", "a\r\nb\r\n", Kodierung::Utf8OhneMarke, {"a", "b"}},
    };
    for (const KodierFall &fall : faelle) {
        SCOPED_TRACE(fall.name);
        Kodierung k = Kodierung::Utf8MitMarke;
        const QStringList gelesen = BytesInZeilen(fall.bytes, k);
        EXPECT_EQ(k, fall.kodierung);
        EXPECT_EQ(gelesen, fall.zeilen);
        EXPECT_EQ(ZeilenInBytes(gelesen, k), fall.bytes);
        EXPECT_EQ(k, fall.kodierung);
    }
}

TEST(Teilnehmerdatei, ZeilenEndenBeiCrLfCrUndLf)
{
    const struct {
        QString text;
        QStringList zeilen;
    } faelle[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"a\n\nb\r\r\n", {"a", "", "b", ""}},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(TextInZeilen(fall.text), fall.zeilen) << fall.text.toStdString();
}

TEST(Teilnehmerdatei, AnsiDateiMitFremdemZeichenWirdUtf8MitMarke)
{
    Kodierung k = Kodierung::Windows1252;
    EXPECT_EQ(ZeilenInBytes({ae + QStringLiteral("€")}, k), QByteArray("\xE4\x80\r\n"));
    EXPECT_EQ(k, Kodierung::Windows1252);
    const QString polnisch = QStringLiteral("Łukasz");
    EXPECT_EQ(ZeilenInBytes({polnisch}, k), "\xEF\xBB\xBF" + polnisch.toUtf8() + "\r\n");
    EXPECT_EQ(k, Kodierung::Utf8MitMarke);
}

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

TEST_F(Dateischreiben, NeueDateiErsetztNieEineVorhandene)
{
    const QString pfad = Ordner() + QLatin1String("Delta.dat");
    Schreiben(pfad, "Delta\r\n");
    QString fehler;
    EXPECT_FALSE(BytesSchreiben(pfad, "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(pfad), "Delta\r\n");
    EXPECT_TRUE(BytesSchreiben(Ordner() + QLatin1String("Zeta.dat"), "neu\r\n", fehler, true));
    EXPECT_EQ(Lesen(Ordner() + QLatin1String("Zeta.dat")), "neu\r\n");
}

TEST_F(Dateischreiben, ErsteZeileWieBeimGanzenLesen)
{
    const QString lang = QString(5000, QLatin1Char('k'));
    const QByteArray faelle[] = {
        "", "5a\vx", "5a\vx\r\nrest", "\xEF\xBB\xBF" "5\xC3\xA4\r\n", "5\xC3\xA4\r\nM\xE4rz\r\n",
        "5\xE4\r\n", Utf16(QStringLiteral("5ä\vk\r\nx"), true), Utf16(QStringLiteral("5\u0D00ä\nx"), true),
        Utf16(QStringLiteral("5ä\vk\rx"), false), lang.toLatin1() + "\r\nx",
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
