#include "util/textspeichern.h"
#include "testhilfen.h"

TEST(TextSpeichern, FormateUndZeilenenden)
{
    const QString text = QStringLiteral("Name: Jörg\r\nx\ny\r\n");
    EXPECT_EQ(TextBytes(text, AnsiText), QByteArray("Name: J\xC3\xB6rg\r\nx\r\ny\r\n"));
    EXPECT_EQ(TextBytes(text, 0), TextBytes(text, AnsiText));
    EXPECT_EQ(TextBytes(text, Utf8Text), QByteArray("\xEF\xBB\xBFName: J\xC3\xB6rg\r\nx\r\ny\r\n"));
    const QByteArray utf16 = TextBytes(QStringLiteral("ä\n"), UnicodeText);
    EXPECT_EQ(utf16, QByteArray("\xFF\xFE\xE4\x00\r\x00\n\x00", 8));
    EXPECT_EQ(TextBytes(QStringLiteral("a"), 7), QByteArray("\xFF\xFE" "a\x00\r\x00\n\x00", 8));
}

TEST(TextSpeichern, RtfInDerProgrammschrift)
{
    QFont schrift(QStringLiteral("Liberation Sans"), 14);
    schrift.setBold(true);
    schrift.setItalic(true);
    const RtfSchrift rtfSchrift{schrift, QColor(43, 90, 139), 0};
    const QByteArray rtf = RtfDokument(QStringLiteral("Größe {1}\\\n€ \U0001F600\n"), &rtfSchrift);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Liberation Sans;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red43\\green90\\blue139;}"));
    EXPECT_TRUE(rtf.contains("\\f0\\cf1\\fs28\\b\\i "));
    EXPECT_TRUE(rtf.contains("Gr\\u246?\\u223?e \\{1\\}\\\\\\par"));
    EXPECT_TRUE(rtf.contains("\\u8364? \\u-10179?\\u-8704?\\par"));
    EXPECT_TRUE(rtf.endsWith("}\r\n"));
    EXPECT_FALSE(RtfDokument(QStringLiteral("x"), nullptr).contains("fonttbl"));
}

TEST(TextSpeichern, RtfSchriftnameOhneSemikolon)
{
    // ";" ends a name in the font table: the rest would be read as text.
    const RtfSchrift rtfSchrift{QFont(QStringLiteral("Sym;bol")), QColor(Qt::black), 2};
    const QByteArray rtf = RtfDokument(QStringLiteral("x"), &rtfSchrift);
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset2 Symbol;}}")) << rtf.toStdString();
}

TEST(TextSpeichern, RtfLangerTextMitBreitenZeichen)
{
    // A line end across the pieces the writer works in, then characters
    // that each take the most room.
    const QString text = QString(4095, u'a') + "\r\n" + QString(10000, QChar(0xD83D));
    const QByteArray erwartet = QByteArray(4095, 'a') + "\\par\r\n" + QByteArray("\\u-10179?").repeated(10000) +
                                "\\par\r\n}\r\n";
    const QByteArray rtf = RtfDokument(text, nullptr);
    EXPECT_TRUE(rtf.endsWith("\\pard " + erwartet));
}

class TextDatei : public Umgebung
{
};

TEST_F(TextDatei, FehlerLaesstDieAlteDatei)
{
    const QString pfad = Ordner() + "bericht.txt";
    QString fehler;
    ASSERT_TRUE(TextSpeichern(pfad, "neu\r\n", AnsiText, nullptr, fehler));
    EXPECT_EQ(Lesen(pfad), "neu\r\n");
    EXPECT_FALSE(TextSpeichern(Ordner() + "fehlt/bericht.txt", "x", AnsiText, nullptr, fehler));
    EXPECT_TRUE(fehler.startsWith(QString("Datei \"%1fehlt/bericht.txt\" kann nicht erstellt werden.").arg(Ordner())));
}
