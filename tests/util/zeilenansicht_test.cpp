#include "testhilfen.h"
#include "util/kodierung.h"
#include "util/zeilenansicht.h"

// The views split a text exactly as TextInZeilen does.
TEST(ZeilenAnsichten, WieTextInZeilen)
{
    const char *const faelle[] = {
        "", "a", "a\r\n", "a\r\nb", "a\nb\n", "a\rb\r", "\n", "\r\n", "\n\n", "\r\r", "a\r\r\nb",
        "a\n\rb", "a\r\n\r\n", "ein\vfeld\r\n<--------------->\r\n", "x\ry\nz\r\nw", "\r", "a\n\n\nb",
    };
    QList<QStringView> ansichten;
    for (const char *fall : faelle) {
        const QString text = QString::fromLatin1(fall);
        ZeilenAnsichten(text, ansichten);
        QStringList zeilen;
        for (QStringView zeile : ansichten)
            zeilen << zeile.toString();
        EXPECT_EQ(zeilen, TextInZeilen(text)) << QString(text).replace("\r", "\\r").replace("\n", "\\n").toStdString();
    }
}

// Long lines are searched many characters at a time: line ends at every
// place of such a block, other control characters and characters of any
// code (also those above 0x8000) beside them.
TEST(ZeilenAnsichten, LangeZeilenWieTextInZeilen)
{
    QList<QStringView> ansichten;
    for (int vorne = 0; vorne < 20; ++vorne) {
        for (const QString &ende : {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
            const QString text = QString(vorne, QChar(0x8001)) + ende + QString(9, u'y') + "\v\t\x01" + ende
                                 + QString(vorne % 7, QChar(u'ü')) + ende + ende + QString(17, QChar(0xFFFF));
            ZeilenAnsichten(text, ansichten);
            QStringList zeilen;
            for (QStringView zeile : ansichten)
                zeilen << zeile.toString();
            EXPECT_EQ(zeilen, TextInZeilen(text)) << vorne;
        }
    }
}
