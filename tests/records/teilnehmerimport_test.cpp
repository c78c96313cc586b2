// Class lists made into participants: real-looking lists from the school
// office with the preview each must give and the bytes of the files made.

#include "testhilfen.h"

#include "records/bloecke.h"
#include "records/teilnehmerimport.h"
#include "util/heute.h"

#include <QDir>
#include <QFile>

namespace {

const QString Vorhanden = "existiert bereits – wird übersprungen";

struct Erwartet {
    int zeile;
    QString name, klasse, kommentar, zustand;
};

QList<Erwartet> Gesehen(const QList<ImportZeile> &vorschau)
{
    QList<Erwartet> gesehen;
    for (const ImportZeile &z : vorschau)
        gesehen.append({z.zeile, z.name, z.klasse, z.kommentar, ZustandText(z)});
    return gesehen;
}

bool operator==(const Erwartet &a, const Erwartet &b)
{
    return a.zeile == b.zeile && a.name == b.name && a.klasse == b.klasse && a.kommentar == b.kommentar
           && a.zustand == b.zustand;
}

void PrintTo(const Erwartet &e, std::ostream *aus)
{
    *aus << e.zeile << " [" << e.name.toStdString() << "|" << e.klasse.toStdString() << "|"
         << e.kommentar.toStdString() << "|" << e.zustand.toStdString() << "]";
}

Tabelle Fixture(const char *name)
{
    QFile datei(QStringLiteral(MERKWERK_FIXTURES "/import/") + name);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    return TabelleLesen(datei.readAll());
}

} // namespace

class Import : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        HeuteFestlegen(QDate(2019, 3, 4));
        // Already in the folder, in other letter case.
        Teilnehmerdatei("weiß, jörg", {"7c\v", "Fr., 1. März 2019", Blocktrenner});
    }
    void TearDown() override
    {
        HeuteFestlegen({});
        Umgebung::TearDown();
    }
};

TEST_F(Import, ListenAusDemSekretariat)
{
    struct Liste {
        const char *datei;
        QChar trenner;
        bool kopfzeile;
        QList<Spaltenbedeutung> spalten; // empty: as proposed
        Namensform form;
        QString klasse;
        QList<Erwartet> vorschau;
    };
    using S = Spaltenbedeutung;
    const QString schraegstrich = "ungültig: Der Name \"%1\" enthält das Zeichen \"/\", das in Dateinamen nicht erlaubt ist";
    const QList<Liste> listen = {
        {"excel-semikolon.csv", ';', true, {}, Namensform::NachnameKommaVorname, "",
         {{2, "Müller-Lüdenscheidt, Hans-Jürgen", "7c", "", "neu"},
          {3, "Öztürk, Ay?e", "7c", "",
           "ungültig: Der Name \"Öztürk, Ay?e\" enthält das Zeichen \"?\", das in Dateinamen nicht erlaubt ist"},
          {4, "Schmidt/Meyer, Lena", "7c", "", schraegstrich.arg("Schmidt/Meyer, Lena")},
          {5, "Becker, Tim", "7c", "", "neu"},
          {8, "BECKER, tim", "7c", "", Vorhanden},
          {9, "Weiß, Jörg", "7c", "", Vorhanden},
          {10, "Krüger, Anna Lena", "7c", "", "neu"},
          {11, "Ohne", "7c", "", "neu"}}},
        {"verwaltung-utf8.csv", ',', true, {}, Namensform::VornameNachname, "",
         {{2, "Hans-Jürgen Müller-Lüdenscheidt", "7c", "Allergie; Nüsse bitte beachten", "neu"},
          {4, "Lan Nguyen, Thi", "7c", "sagt \"Lanny\"", "neu"},
          {5, "Elif Yılmaz", "7c", "", "neu"}}},
        // Copied from a spreadsheet: first names first, the class typed wins.
        {"zwischenablage.txt", '\t', false, {S::Vorname, S::Nachname, S::Klasse}, Namensform::NachnameKommaVorname,
         " 7C ",
         {{1, "Müller-Lüdenscheidt, Hans-Jürgen", "7C", "", "neu"},
          {2, "Yılmaz, Elif", "7C", "", "neu"},
          {3, "Schmidt/Meyer, Lena", "7C", "", schraegstrich.arg("Schmidt/Meyer, Lena")}}},
    };
    for (const Liste &liste : listen) {
        SCOPED_TRACE(liste.datei);
        const Tabelle tabelle = Fixture(liste.datei);
        EXPECT_EQ(tabelle.trenner, liste.trenner);
        EXPECT_EQ(IstKopfzeile(tabelle.zeilen.value(0)), liste.kopfzeile);
        ImportWahl wahl;
        wahl.kopfzeile = liste.kopfzeile;
        wahl.spalten = liste.spalten.isEmpty() ? SpaltenVorschlagen(tabelle, liste.kopfzeile) : liste.spalten;
        wahl.form = liste.form;
        wahl.klasse = liste.klasse;
        EXPECT_EQ(Gesehen(ImportVorschau(tabelle, wahl, Daten())), liste.vorschau);
    }
}

TEST_F(Import, SpaltenAusDerKopfzeileOderDerZahl)
{
    using S = Spaltenbedeutung;
    EXPECT_EQ(SpaltenVorschlagen(Fixture("verwaltung-utf8.csv"), true),
              QList<S>({S::Nachname, S::Vorname, S::Klasse, S::Kommentar, S::NichtVerwenden}));
    struct Wort {
        const char *zelle;
        std::optional<S> bedeutung;
    };
    for (const Wort &wort : {Wort{"Name", S::Name}, Wort{" NACHNAME ", S::Nachname}, Wort{"Familien-Name", S::Nachname},
                             Wort{"vor name", S::Vorname}, Wort{"Rufname", S::Vorname}, Wort{"Klasse:", S::Klasse},
                             Wort{"Lerngruppe", S::Klasse}, Wort{"KURS", S::Klasse}, Wort{"Kommentar", S::Kommentar},
                             Wort{"Bemerkung", S::Kommentar}, Wort{"Müller", std::nullopt},
                             Wort{"Geburtsdatum", std::nullopt}}) {
        SCOPED_TRACE(wort.zelle);
        EXPECT_EQ(KopfwortBedeutung(QString::fromUtf8(wort.zelle)), wort.bedeutung);
    }
    // Umlauts and their spelled-out forms are one.
    EXPECT_EQ(KopfwortBedeutung("NACHNAME"), KopfwortBedeutung("Nachname"));
    Tabelle ohneKopf;
    ohneKopf.zeilen = {{"a"}};
    EXPECT_EQ(SpaltenVorschlagen(ohneKopf, false), QList<S>({S::Name}));
    ohneKopf.zeilen = {{"a", "b", "c", "d", "e"}};
    EXPECT_EQ(SpaltenVorschlagen(ohneKopf, false),
              QList<S>({S::Nachname, S::Vorname, S::Klasse, S::Kommentar, S::NichtVerwenden}));
    for (Namensform form : Namensformen())
        EXPECT_EQ(NamensformAusText(NamensformText(form)), form);
    EXPECT_EQ(NamensformAusText("Vorname, Nachname"), std::nullopt);
}

TEST_F(Import, UngueltigeZeilenMitGrund)
{
    using S = Spaltenbedeutung;
    Tabelle tabelle;
    const QString lang(101, QChar('x'));
    tabelle.zeilen = {{"", "7c", ""},
                      {lang, "7c", ""},
                      {"Anna", "7c", "Zeile\x01Zwei"},
                      {"Berta", Blocktrenner, ""},
                      {"Carl", "7c", lang},
                      {"Dora", "7c", "ok"},
                      {"..", "7c", ""},
                      {"Emil \t Ernst", "7c", ""}};
    tabelle.zeilennummern = {1, 2, 3, 4, 5, 6, 7, 8};
    ImportWahl wahl;
    wahl.spalten = {S::Name, S::Klasse, S::Kommentar};
    QStringList zustaende;
    for (const ImportZeile &z : ImportVorschau(tabelle, wahl, Daten()))
        zustaende << z.name + " | " + ZustandText(z);
    EXPECT_EQ(zustaende, QStringList({" | ungültig: kein Name", lang + " | ungültig: der Name ist länger als 100 Zeichen",
                                      "Anna | ungültig: der Kommentar enthält ein Steuerzeichen (Code 1)",
                                      "Berta | ungültig: die Klasse enthält den Trenntext \"<--------------->\"",
                                      "Carl | ungültig: der Kommentar ist länger als 100 Zeichen", "Dora | neu",
                                      ".. | ungültig: Der Name \"..\" kann nicht als Dateiname verwendet werden",
                                      "Emil Ernst | neu"}));
}

TEST_F(Import, SchreibtWieNeuerTeilnehmerUndAendertNichts)
{
    const QByteArray vorher = Lesen(Daten() + "weiß, jörg.dat");
    const QList<ImportZeile> vorschau = [&] {
        const Tabelle tabelle = Fixture("excel-semikolon.csv");
        ImportWahl wahl;
        wahl.kopfzeile = true;
        wahl.spalten = SpaltenVorschlagen(tabelle, true);
        return ImportVorschau(tabelle, wahl, Daten());
    }();
    // A participant that appears after the preview is skipped, not replaced.
    Teilnehmerdatei("Krüger, Anna Lena", {"8a\v", Blocktrenner});
    const QByteArray krueger = Lesen(Daten() + "Krüger, Anna Lena.dat");
    const ImportErgebnis ergebnis = TeilnehmerImportieren(Daten(), vorschau, Kodierung::Utf8MitMarke);
    EXPECT_EQ(ergebnis.angelegt, 3);
    EXPECT_EQ(ergebnis.uebersprungen, 5);
    EXPECT_TRUE(ergebnis.fehler.isEmpty());
    EXPECT_EQ(ImportBericht(ergebnis), "3 Teilnehmer wurden angelegt, 5 übersprungen.");
    EXPECT_EQ(Lesen(Daten() + "Müller-Lüdenscheidt, Hans-Jürgen.dat"),
              QByteArray("\xEF\xBB\xBF" "7c\v\r\nMo., 4. M\xC3\xA4rz 2019\r\n<--------------->\r\n"));
    EXPECT_EQ(Lesen(Daten() + "Becker, Tim.dat"), Utf8Datei({"7c\v", "Mo., 4. März 2019", Blocktrenner}));
    EXPECT_EQ(Lesen(Daten() + "Ohne.dat"), Utf8Datei({"7c\v", "Mo., 4. März 2019", Blocktrenner}));
    EXPECT_EQ(Lesen(Daten() + "weiß, jörg.dat"), vorher);
    EXPECT_EQ(Lesen(Daten() + "Krüger, Anna Lena.dat"), krueger);
    EXPECT_EQ(TeilnehmerDateienZahl(), 5);
}

TEST_F(Import, KodierungDerRegelUndFehlerMitNamen)
{
    ImportZeile eins;
    eins.name = "Jörg";
    eins.klasse = "7c";
    eins.kommentar = "Brille";
    ImportZeile zwei = eins;
    zwei.name = "Lukas";
    zwei.kommentar = "aus Łódź"; // no character of Windows-1252: that file becomes UTF-8 with mark
    ImportZeile drei = eins;
    drei.name = "Zoë";
    const ImportErgebnis ergebnis = TeilnehmerImportieren(Daten(), {eins, zwei, drei}, Kodierung::Windows1252);
    EXPECT_EQ(ergebnis.angelegt, 3);
    EXPECT_EQ(Lesen(Daten() + "Jörg.dat"), QByteArray("7c\vBrille\r\nMo., 4. M\xE4rz 2019\r\n<--------------->\r\n"));
    EXPECT_EQ(Lesen(Daten() + "Zoë.dat"), Lesen(Daten() + "Jörg.dat"));
    EXPECT_EQ(Lesen(Daten() + "Lukas.dat"), Utf8Datei({"7c\vaus Łódź", "Mo., 4. März 2019", Blocktrenner}));

    // A folder that cannot be written: every row named with its reason.
    OhneSchreibrecht(Daten(), [&] {
        ImportZeile vier = eins;
        vier.name = "Vier";
        const ImportErgebnis fehlschlag = TeilnehmerImportieren(Daten(), {vier}, Kodierung::Utf8MitMarke);
        EXPECT_EQ(fehlschlag.angelegt, 0);
        EXPECT_EQ(fehlschlag.uebersprungen, 1);
        ASSERT_EQ(fehlschlag.fehler.size(), 1);
        EXPECT_TRUE(fehlschlag.fehler[0].startsWith("Vier: ")) << fehlschlag.fehler[0].toStdString();
        EXPECT_TRUE(ImportBericht(fehlschlag).startsWith("0 Teilnehmer wurden angelegt, 1 übersprungen.\r\n"
                                                         "Nicht angelegt:\r\nVier: "));
    });
    EXPECT_FALSE(QFile::exists(Daten() + "Vier.dat"));
}
