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
