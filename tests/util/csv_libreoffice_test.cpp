// Opens the overview's CSV in LibreOffice, where one is installed, as a
// teacher's spreadsheet does: by a double click, whose import splits at
// tabs, commas and semicolons alike, and with semicolons only. Either way
// every field is one cell, umlauts arrive intact through the mark, and the
// decimal comma gives numbers to compute with.

#include "records/klassenuebersicht.h"
#include "testhilfen.h"
#include "util/csv.h"

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {

struct Zelle {
    QString text;
    bool zahl = false;
    double wert = 0;
    bool operator==(const Zelle &) const = default;
};

std::ostream &operator<<(std::ostream &aus, const Zelle &zelle)
{
    return aus << (zelle.zahl ? "Zahl " + QString::number(zelle.wert) : "Text \"" + zelle.text + "\"").toStdString();
}

// The cells of the first sheet of a flat spreadsheet document, row by row,
// without the empty cells at the end of a row.
QList<QList<Zelle>> Tabelle(const QByteArray &fods)
{
    QList<QList<Zelle>> zeilen;
    QXmlStreamReader xml(fods);
    Zelle zelle;
    int wiederholt = 1;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement() && name == u"table-row") {
            zeilen.append(QList<Zelle>());
        } else if (xml.isStartElement() && name == u"table-cell") {
            const QXmlStreamAttributes a = xml.attributes();
            zelle = {};
            zelle.zahl = a.value("office:value-type") == u"float";
            zelle.wert = a.value("office:value").toDouble();
            wiederholt = a.hasAttribute("table:number-columns-repeated")
                             ? a.value("table:number-columns-repeated").toInt()
                             : 1;
        } else if (xml.isStartElement() && name == u"p") {
            zelle.text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement() && name == u"table-cell") {
            if (zelle.zahl)
                zelle.text.clear(); // shown in the document's own number format
            for (int n = 0; n < wiederholt && n < 100; ++n)
                zeilen.last().append(zelle);
        } else if (xml.isEndElement() && name == u"table") {
            break;
        }
    }
    for (QList<Zelle> &zeile : zeilen) {
        while (!zeile.isEmpty() && zeile.last() == Zelle{})
            zeile.removeLast();
    }
    return zeilen;
}

// What a field of the CSV should become: a number where it is one in
// German notation, else its text as the file holds it (a formula with the
// apostrophe that keeps it text).
Zelle Erwartet(const QString &feld)
{
    bool zahl = false;
    const double wert = QLocale(QLocale::German).toDouble(feld, &zahl);
    if (zahl && !feld.contains(QLatin1Char('.')))
        return {{}, true, wert};
    QString text = CsvFeld(feld);
    if (text.startsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    return {text, false, 0};
}

} // namespace

class CsvInLibreOffice : public Umgebung
{
};

TEST_F(CsvInLibreOffice, JedesFeldEineZelle)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice ist nicht installiert";
    UebersichtZeile mueller;
    mueller.name = "Müller, Jürgen";
    mueller.klasse = "4b, Gruppe 2";
    mueller.kommentar = "sagt \"Grüß Gott\"; kommt später, oft müde";
    mueller.letzterTag = "Fr., 11. Dezember 2026";
    mueller.tage = 37;
    mueller.fehlt = 5;
    mueller.nein = 7;
    mueller.ja = 25;
    UebersichtZeile formel;
    formel.name = "=SUMME(A1:A9)";
    formel.kommentar = "-kommt, wenn's passt";
    formel.letzterTag = "Mo., 1. Juni 2026";
    formel.tage = 2;
    formel.ja = 2;
    const QList<UebersichtZeile> zeilen = {mueller, formel};
    QList<QList<Zelle>> erwartet;
    for (const QStringList &felder : UebersichtTabelle(zeilen, Zellform::Tabellenkalkulation)) {
        QList<Zelle> zeile;
        for (const QString &feld : felder)
            zeile << Erwartet(feld);
        while (!zeile.isEmpty() && zeile.last() == Zelle{})
            zeile.removeLast();
        erwartet << zeile;
    }
    ASSERT_EQ(erwartet[1][SpalteQuote], (Zelle{{}, true, 78.1}));

    // The double click's import (tab, comma, semicolon), then semicolons
    // only; both from line 1, the encoding left to the mark, German numbers.
    const struct {
        const char *datei;
        const char *trenner;
    } importe[] = {{"doppelklick", "9/44/59"}, {"semikolon", "59"}};
    for (const auto &import : importe) {
        Schreiben(Ordner() + import.datei + ".csv", UebersichtCsv(zeilen));
        QProcess lo;
        lo.setWorkingDirectory(Ordner());
        lo.start(soffice, {"-env:UserInstallation=file://" + Ordner() + "lo", "--headless",
                           QString("--infilter=CSV:%1,34,,1,,1031").arg(import.trenner), "--convert-to", "fods",
                           "--outdir", Ordner(), Ordner() + import.datei + ".csv"});
        ASSERT_TRUE(lo.waitForFinished(90000));
        const QByteArray fods = Lesen(Ordner() + import.datei + ".fods");
        ASSERT_FALSE(fods.isEmpty()) << lo.readAllStandardError().toStdString();
        EXPECT_EQ(Tabelle(fods), erwartet) << import.datei;
    }
}
