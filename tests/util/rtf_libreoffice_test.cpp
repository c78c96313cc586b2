// Opens a saved RTF in LibreOffice, where one is installed, and checks that
// text, umlauts and font arrive intact.

#include "testhilfen.h"
#include "util/textspeichern.h"

#include <QProcess>
#include <QStandardPaths>

class RtfInLibreOffice : public Umgebung
{
};

TEST_F(RtfInLibreOffice, TextUmlauteUndSchrift)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice ist nicht installiert";
    QFont schrift("Liberation Serif", 16);
    schrift.setBold(true);
    schrift.setItalic(true);
    const RtfSchrift rtfSchrift{schrift, QColor(43, 90, 139), 0};
    QString fehler;
    ASSERT_TRUE(TextSpeichern(Ordner() + "bericht.rtf", "Name: Jörg Müßig\r\nDatum: Do., 1. Jänner 2026 {x}\r\n",
                              RtfText, &rtfSchrift, fehler));
    QProcess lo;
    lo.setWorkingDirectory(Ordner());
    lo.start(soffice, {"-env:UserInstallation=file://" + Ordner() + "lo", "--headless", "--convert-to", "fodt",
                       "--outdir", Ordner(), Ordner() + "bericht.rtf"});
    ASSERT_TRUE(lo.waitForFinished(90000));
    const QString fodt = QString::fromUtf8(Lesen(Ordner() + "bericht.fodt"));
    ASSERT_FALSE(fodt.isEmpty()) << lo.readAllStandardError().toStdString();
    EXPECT_TRUE(fodt.contains("Name: Jörg Müßig"));
    EXPECT_TRUE(fodt.contains("Datum: Do., 1. Jänner 2026 {x}"));
    EXPECT_TRUE(fodt.contains("style:font-name=\"Liberation Serif\""));
    EXPECT_TRUE(fodt.contains("fo:font-size=\"16pt\""));
    EXPECT_TRUE(fodt.contains("fo:font-weight=\"bold\""));
    EXPECT_TRUE(fodt.contains("fo:font-style=\"italic\""));
    EXPECT_TRUE(fodt.contains("fo:color=\"#2b5a8b\""));
}
