// Opens the overview's CSV in LibreOffice, where one is installed, as a
// teacher's spreadsheet does: the mark tells the encoding, so umlauts
// arrive intact; the decimal comma gives numbers to compute with.

#include "records/klassenuebersicht.h"
#include "testhilfen.h"

#include <QProcess>
#include <QStandardPaths>

class CsvInLibreOffice : public Umgebung
{
};

TEST_F(CsvInLibreOffice, UmlauteUndZahlen)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice ist nicht installiert";
    UebersichtZeile zeile;
    zeile.name = "Jörg Müßig";
    zeile.klasse = "4b";
    zeile.kommentar = "sagt \"Grüß Gott\"; kommt später";
    zeile.tage = 7;
    zeile.nein = 1;
    zeile.ja = 5;
    zeile.fehlt = 1;
    Schreiben(Ordner() + "klasse.csv", UebersichtCsv({zeile}));
    QProcess lo;
    lo.setWorkingDirectory(Ordner());
    // Semicolons, quotes, the encoding left to the file (its mark), from
    // line 1, German number format.
    lo.start(soffice, {"-env:UserInstallation=file://" + Ordner() + "lo", "--headless", "--infilter=CSV:59,34,,1,,1031",
                       "--convert-to", "fods", "--outdir", Ordner(), Ordner() + "klasse.csv"});
    ASSERT_TRUE(lo.waitForFinished(90000));
    const QString fods = QString::fromUtf8(Lesen(Ordner() + "klasse.fods"));
    ASSERT_FALSE(fods.isEmpty()) << lo.readAllStandardError().toStdString();
    EXPECT_TRUE(fods.contains("<text:p>Jörg Müßig</text:p>"));
    EXPECT_TRUE(fods.contains("Grüß Gott"));
    EXPECT_TRUE(fods.contains("; kommt später</text:p>")); // the semicolon inside the quotes stayed in the cell
    EXPECT_TRUE(fods.contains("<text:p>Summe / Durchschnitt</text:p>"));
    // The quote 5 ÷ 6 as a number, not as text.
    EXPECT_TRUE(fods.contains("office:value=\"83.3\"")) << fods.toStdString();
}
