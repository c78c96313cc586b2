// The counts of the class overview and of a participant's months, over the
// fixture folder tests/fixtures/klasse: Anna (program and typed dates, a
// status 7 and a letter), bernd (Windows-1252, class " 4B ", a day without
// homework line, a line after the last separator), Cäsar (UTF-16, class
// 5a), Kopf (header line only), Leer (no bytes) and a file named ".dat".

#include "records/bloecke.h"
#include "records/klassenuebersicht.h"
#include "records/teilnehmerdatei.h"
#include "records/teilnehmerordner.h"
#include "records/verlauf.h"
#include "fremderbenutzer.h"
#include "testhilfen.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

QStringList Zeilen(const QString &pfad)
{
    QStringList zeilen;
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
    QString fehler;
    EXPECT_TRUE(ZeilenLesen(pfad, zeilen, kodierung, fehler)) << fehler.toStdString();
    return zeilen;
}

struct Zahlen {
    int tage, fehlt, nein, ja, ohneDatum;
    const char *quote;
};

void Vergleichen(const UebersichtZeile &zeile, const Zahlen &soll)
{
    EXPECT_TRUE(zeile.Lesbar()) << zeile.fehler.toStdString();
    EXPECT_EQ(zeile.tage, soll.tage) << zeile.name.toStdString();
    EXPECT_EQ(zeile.fehlt, soll.fehlt) << zeile.name.toStdString();
    EXPECT_EQ(zeile.nein, soll.nein) << zeile.name.toStdString();
    EXPECT_EQ(zeile.ja, soll.ja) << zeile.name.toStdString();
    EXPECT_EQ(zeile.ohneDatum, soll.ohneDatum) << zeile.name.toStdString();
    EXPECT_EQ(UebersichtZellen(zeile, Zellform::Tabellenkalkulation)[SpalteQuote], soll.quote)
        << zeile.name.toStdString();
}

} // namespace

class Klassenuebersicht_ : public Umgebung
{
protected:
    void SetUp() override
    {
        Umgebung::SetUp();
        klasse = Ordner() + "klasse/";
        QDir().mkpath(klasse);
        const QDir fixtures(MERKWERK_FIXTURES "/klasse");
        for (const QString &datei : fixtures.entryList(QDir::Files | QDir::Hidden))
            ASSERT_TRUE(QFile::copy(fixtures.filePath(datei), klasse + datei)) << datei.toStdString();
    }

    QString klasse;
};

TEST_F(Klassenuebersicht_, TeilnehmerZaehlenJeZeitraum)
{
    const QDate heute(2024, 3, 5);
    const struct {
        const char *datei;
        Vorgabe vorgabe;
        Zahlen zahlen;
    } faelle[] = {
        {"Anna", Vorgabe::Alles, {7, 2, 2, 3, 1, "60,0"}},
        {"Anna", Vorgabe::Schuljahr, {5, 1, 1, 3, 1, "75,0"}},
        {"Anna", Vorgabe::ErstesHalbjahr, {2, 0, 0, 2, 1, "100,0"}},
        {"Anna", Vorgabe::ZweitesHalbjahr, {3, 1, 1, 1, 1, "50,0"}},
        {"bernd", Vorgabe::Alles, {2, 1, 1, 0, 0, "0,0"}},
        {"bernd", Vorgabe::ErstesHalbjahr, {1, 1, 0, 0, 0, ""}},
        {"Cäsar", Vorgabe::Alles, {1, 0, 0, 1, 0, "100,0"}},
        {"Kopf", Vorgabe::Alles, {1, 1, 0, 0, 1, ""}},
        {"Kopf", Vorgabe::Schuljahr, {0, 0, 0, 0, 1, ""}},
        {"Leer", Vorgabe::Alles, {1, 1, 0, 0, 1, ""}},
    };
    for (const auto &fall : faelle) {
        const QString name = QString::fromUtf8(fall.datei);
        const UebersichtZeile zeile =
            TeilnehmerZaehlen(name, Zeilen(klasse + name + ".dat"), VorgabeZeitraum(fall.vorgabe, heute));
        SCOPED_TRACE(VorgabeText(fall.vorgabe).toStdString());
        Vergleichen(zeile, fall.zahlen);
    }
    const UebersichtZeile anna = TeilnehmerZaehlen("Anna", Zeilen(klasse + "Anna.dat"), {});
    EXPECT_EQ(anna.klasse, "4b");
    EXPECT_EQ(anna.kommentar, "sitzt vorne");
    EXPECT_EQ(anna.letzterTag, "Di., 5. März 2024");
    const UebersichtZeile bernd = TeilnehmerZaehlen("bernd", Zeilen(klasse + "bernd.dat"), {});
    EXPECT_EQ(bernd.klasse, "4B");
    EXPECT_EQ(bernd.kommentar, "Brille");
    EXPECT_EQ(bernd.letzterTag, "Do., 1. Februar 2024");
}

TEST_F(Klassenuebersicht_, KlasseZaehlenMitFilterUndUnlesbarerDatei)
{
    Schreiben(klasse + "Zu.dat", Utf8Datei({"5a\v", "Mo., 4. März 2024\v", "2", Blocktrenner}));
    QList<int> fortschritt;
    const Klassenuebersicht uebersicht = Unlesbar(klasse + "Zu.dat", [&] {
        return KlasseZaehlen(klasse, " 4B ", {}, [&](int erledigt, int gesamt) {
            fortschritt << erledigt;
            EXPECT_EQ(gesamt, 6);
            return true;
        });
    });
    EXPECT_FALSE(uebersicht.abgebrochen);
    QStringList namen;
    for (const UebersichtZeile &zeile : uebersicht.zeilen)
        namen << zeile.name;
    // Empty files belong to every class; an unreadable one is always shown.
    EXPECT_EQ(namen, QStringList({"Anna", "bernd", "Kopf", "Leer", "Zu"}));
    // Told from this thread, rising, to the end.
    EXPECT_TRUE(std::is_sorted(fortschritt.cbegin(), fortschritt.cend()));
    EXPECT_EQ(fortschritt.first(), 0);
    EXPECT_EQ(fortschritt.last(), 6);
    const UebersichtZeile &zu = uebersicht.zeilen.last();
    EXPECT_FALSE(zu.Lesbar());
    EXPECT_EQ(zu.fehler, "Datei " + klasse + "Zu.dat kann nicht geöffnet werden. "
                         "Der Zugriff wurde verweigert (keine Berechtigung).");
    const QStringList zellen = UebersichtZellen(zu, Zellform::Anzeige);
    EXPECT_EQ(zellen[SpalteName], "Zu");
    EXPECT_EQ(zellen[SpalteTage], "");
    EXPECT_EQ(zellen[SpalteKommentar], zu.fehler);

    const UebersichtZeile summe = Summenzeile(uebersicht.zeilen);
    Vergleichen(summe, {11, 5, 3, 3, 3, "50,0"});
    EXPECT_EQ(summe.name, "Summe / Durchschnitt");

    const Klassenuebersicht alle = KlasseZaehlen(klasse, "", {});
    EXPECT_EQ(alle.zeilen.size(), 6);
    EXPECT_EQ(alle.zeilen[2].name, "Cäsar");
    EXPECT_EQ(KlasseZaehlen(klasse, "5A", {}).zeilen.size(), 3); // Cäsar, Leer, Zu
}

TEST_F(Klassenuebersicht_, ZuGrosseDateiNurInIhrerKlasse)
{
    // The header decides first: another class's huge file is passed over.
    Schreiben(klasse + "Riese.dat", Utf8Datei({"4b\vgroß", "Mo., 4. März 2024\v", "2", Blocktrenner}));
    QFile riese(klasse + "Riese.dat");
    ASSERT_TRUE(riese.resize(qint64(2) * 1024 * 1024 * 1024));
    const Klassenuebersicht viert = KlasseZaehlen(klasse, "4b", {});
    const auto zeile = std::find_if(viert.zeilen.cbegin(), viert.zeilen.cend(),
                                    [](const UebersichtZeile &z) { return z.name == "Riese"; });
    ASSERT_NE(zeile, viert.zeilen.cend());
    EXPECT_EQ(zeile->fehler, "Datei " + klasse + "Riese.dat kann nicht geöffnet werden. Sie ist mit 2,0 GB zu "
                             "groß; Merkwerk liest Teilnehmerdateien bis 256 MB.");
    for (const UebersichtZeile &z : KlasseZaehlen(klasse, "5a", {}).zeilen)
        EXPECT_NE(z.name, "Riese");
}

TEST_F(Klassenuebersicht_, LangeKlasseGekuerztUndDochGefunden)
{
    // A header line without a field separator is all class: lists and the
    // overview take its start, and find the participant by it.
    Schreiben(klasse + "Lang.dat", Utf8Datei({QString(300, 'k'), "Mo., 4. März 2024\v", "2", Blocktrenner}));
    const QString gekuerzt = QString(199, 'k') + QChar(0x2026);
    EXPECT_TRUE(TeilnehmerEinlesen(klasse, QString()).klassen.contains(gekuerzt));
    EXPECT_EQ(TeilnehmerEinlesen(klasse, gekuerzt).namen, QStringList({"Lang", "Leer"}));
    const Klassenuebersicht uebersicht = KlasseZaehlen(klasse, gekuerzt, {});
    ASSERT_EQ(uebersicht.zeilen.size(), 2);
    EXPECT_EQ(uebersicht.zeilen[0].klasse, gekuerzt);
    EXPECT_EQ(uebersicht.zeilen[0].ja, 1);
}

TEST_F(Klassenuebersicht_, AbbrechenEndetSofort)
{
    QList<int> fortschritt;
    const Klassenuebersicht uebersicht = KlasseZaehlen(klasse, "", {}, [&](int erledigt, int) {
        fortschritt << erledigt;
        return false;
    });
    EXPECT_TRUE(uebersicht.abgebrochen);
    // Asked before the first file of this thread, and not told the end.
    EXPECT_EQ(fortschritt, QList<int>({0}));
    EXPECT_LT(uebersicht.zeilen.size(), 5);
}

TEST_F(Klassenuebersicht_, TabelleUndCsv)
{
    const Klassenuebersicht uebersicht = KlasseZaehlen(klasse, "4b", {});
    const QList<QStringList> anzeige = UebersichtTabelle(uebersicht.zeilen, Zellform::Anzeige);
    EXPECT_EQ(anzeige.first(), QStringList({"Name", "Klasse", "Tage", "Fehlt", "Nein", "Ja", "Quote", "ohne Datum",
                                            "Letzter Tag", "Kommentar"}));
    EXPECT_EQ(anzeige[1], QStringList({"Anna", "4b", "7", "2", "2", "3", "60,0 %", "1", "Di., 5. März 2024",
                                       "sitzt vorne"}));
    EXPECT_EQ(anzeige.last(), QStringList({"Summe / Durchschnitt", "", "11", "5", "3", "3", "50,0 %", "3", "", ""}));

    const QString csv = QString::fromUtf8(UebersichtCsv(uebersicht.zeilen).mid(3));
    EXPECT_TRUE(UebersichtCsv(uebersicht.zeilen).startsWith("\xEF\xBB\xBF"));
    const QStringList zeilen = csv.split("\r\n");
    EXPECT_EQ(zeilen[0], "\"Name\";\"Klasse\";\"Tage\";\"Fehlt\";\"Nein\";\"Ja\";\"Quote\";\"ohne Datum\";\"Letzter Tag\";\"Kommentar\"");
    EXPECT_EQ(zeilen[1], "\"Anna\";\"4b\";7;2;2;3;\"60,0\";1;\"Di., 5. März 2024\";\"sitzt vorne\"");
    EXPECT_EQ(zeilen[2], "\"bernd\";\"4B\";2;1;1;0;\"0,0\";0;\"Do., 1. Februar 2024\";\"Brille\"");
    EXPECT_EQ(zeilen[5], "\"Summe / Durchschnitt\";;11;5;3;3;\"50,0\";3;;");
    EXPECT_EQ(zeilen[6], "");
    EXPECT_EQ(zeilen.size(), 7);

    // A thousand days show with a dot on screen, bare in the spreadsheet.
    UebersichtZeile viele;
    viele.tage = 1234;
    EXPECT_EQ(UebersichtZellen(viele, Zellform::Anzeige)[SpalteTage], "1.234");
    EXPECT_EQ(UebersichtZellen(viele, Zellform::Tabellenkalkulation)[SpalteTage], "1234");
}

TEST_F(Klassenuebersicht_, VerlaufNachMonaten)
{
    const QStringList anna = Zeilen(klasse + "Anna.dat");
    const Verlauf jahr = VerlaufZaehlen(anna, VorgabeZeitraum(Vorgabe::Schuljahr, QDate(2024, 3, 5)));
    ASSERT_EQ(jahr.monate.size(), 12);
    EXPECT_EQ(MonatsText(jahr.monate.first()), "August 2023");
    EXPECT_EQ(MonatsText(jahr.monate[5]), "Jänner 2024");
    EXPECT_EQ(MonatsText(jahr.monate.last()), "Juli 2024");
    const auto zahlen = [&jahr](int index) {
        const MonatsZahlen &m = jahr.monate[index];
        return QList<int>({m.fehlt, m.nein, m.ja});
    };
    EXPECT_EQ(zahlen(1), QList<int>({0, 0, 1}));  // September
    EXPECT_EQ(zahlen(5), QList<int>({0, 0, 1}));  // Jänner
    EXPECT_EQ(zahlen(6), QList<int>({1, 0, 0}));  // Februar
    EXPECT_EQ(zahlen(7), QList<int>({0, 1, 1}));  // März
    EXPECT_EQ(zahlen(11), QList<int>({0, 0, 0})); // Juli
    ASSERT_EQ(jahr.ohneDatum.size(), 1);
    EXPECT_EQ(jahr.ohneDatum[0].nummer, 5);
    EXPECT_EQ(jahr.ohneDatum[0].text, "Wandertag");

    // "Alles" runs from the first to the last month holding a day.
    const Verlauf alles = VerlaufZaehlen(anna, {});
    ASSERT_EQ(alles.monate.size(), 10);
    EXPECT_EQ(MonatsText(alles.monate.first()), "Juni 2023");
    EXPECT_EQ(MonatsText(alles.monate.last()), "März 2024");
    // A period of many years shows only the months that hold days.
    EXPECT_EQ(VerlaufZaehlen(anna, {QDate(1990, 1, 1), QDate(2030, 1, 1)}).monate.size(), 10);
    EXPECT_TRUE(VerlaufZaehlen(anna, {QDate(2030, 1, 1), QDate(2020, 1, 1)}).monate.isEmpty());
}

TEST(Zeitraum, VorgabenUndSchuljahresgrenzen)
{
    const struct {
        QDate heute;
        Vorgabe vorgabe;
        QDate von, bis;
    } faelle[] = {
        {{2024, 3, 5}, Vorgabe::Schuljahr, {2023, 8, 1}, {2024, 7, 31}},
        {{2024, 3, 5}, Vorgabe::ErstesHalbjahr, {2023, 8, 1}, {2024, 1, 31}},
        {{2024, 3, 5}, Vorgabe::ZweitesHalbjahr, {2024, 2, 1}, {2024, 7, 31}},
        {{2024, 7, 31}, Vorgabe::Schuljahr, {2023, 8, 1}, {2024, 7, 31}},
        {{2024, 8, 1}, Vorgabe::Schuljahr, {2024, 8, 1}, {2025, 7, 31}},
        {{2024, 12, 24}, Vorgabe::ZweitesHalbjahr, {2025, 2, 1}, {2025, 7, 31}},
        {{2024, 3, 5}, Vorgabe::Alles, {}, {}},
    };
    for (const auto &fall : faelle) {
        const Zeitraum z = VorgabeZeitraum(fall.vorgabe, fall.heute);
        EXPECT_EQ(z.von, fall.von) << fall.heute.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(z.bis, fall.bis) << fall.heute.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(VorgabeVon(z, fall.heute), fall.vorgabe);
    }
    EXPECT_EQ(VorgabeVon({QDate(2023, 8, 1), QDate(2024, 7, 30)}, QDate(2024, 3, 5)), Vorgabe::Eigener);

    const Zeitraum halbjahr = VorgabeZeitraum(Vorgabe::ErstesHalbjahr, QDate(2024, 3, 5));
    EXPECT_TRUE(halbjahr.Enthaelt(QDate(2023, 8, 1)));
    EXPECT_TRUE(halbjahr.Enthaelt(QDate(2024, 1, 31)));
    EXPECT_FALSE(halbjahr.Enthaelt(QDate(2024, 2, 1)));
    EXPECT_FALSE(halbjahr.Enthaelt(QDate()));
    EXPECT_TRUE(Zeitraum().Enthaelt(QDate()));
    EXPECT_TRUE((Zeitraum{QDate(2024, 1, 1), {}}.Enthaelt(QDate(2099, 1, 1))));
    EXPECT_EQ(ZeitraumText(halbjahr), "1. August 2023 bis 31. Jänner 2024");
    EXPECT_EQ(ZeitraumText({}), "Alles");
    EXPECT_EQ(ZeitraumText({QDate(2024, 1, 1), {}}), "ab 1. Jänner 2024");
}
