// The class day on the records layer: which pupils a class has, the day of
// the chosen date, the row states, and the bytes each save writes (new
// day, existing day, infos, every encoding), with the lost-update and the
// failed-write paths.

#include "records/bloecke.h"
#include "records/klassentag.h"
#include "fremderbenutzer.h"
#include "testhilfen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const QString T = Blocktrenner;
const QDate Datum(2024, 3, 5); // "Di., 5. März 2024"

class Klassentag : public Umgebung
{
protected:
    QString Pfad(const QString &name) const { return Daten() + name + ".dat"; }

    KlassenZeile Zeile(const QString &name, const QDate &datum = Datum)
    {
        return KlassenZeileAus(KlassenDateiLesen(name, Pfad(name)), datum, gelesen);
    }

    Speicherausgang Speichern(KlassenZeile &zeile)
    {
        QString warnung;
        const Speicherausgang ausgang = ZeileSpeichern(zeile, Datum, gelesen, warnung);
        EXPECT_TRUE(warnung.isEmpty()) << warnung.toStdString();
        return ausgang;
    }

    Datumsspeicher gelesen;
};

QByteArray Kodiert(const QStringList &zeilen, const char *kodierung, const QByteArray &marke)
{
    QStringEncoder kodierer(kodierung);
    QByteArray bytes = marke;
    for (const QString &zeile : zeilen)
        bytes += QByteArray(kodierer(zeile + "\r\n"));
    return bytes;
}

} // namespace

TEST_F(Klassentag, KlasseWieDieTeilnehmerliste)
{
    Teilnehmerdatei("Zora", {" 4b \v", "Mo., 4. März 2024\v", "1", T});
    Teilnehmerdatei("anton", {"4B\vvorne", T});
    Teilnehmerdatei("Ärmel", {"4b\v", T});
    Teilnehmerdatei("Schüler 10", {"4b\v", T});
    Teilnehmerdatei("Schüler 2", {"4b\v", T});
    Teilnehmerdatei("Berta", {"5a\v", T});
    Schreiben(Daten() + "Leer.dat", {});
    int schritte = 0;
    const KlassenLesung lesung = KlasseLesen(Daten(), "4b", [&](int, int) { return ++schritte > 0; });
    EXPECT_FALSE(lesung.abgebrochen);
    EXPECT_GE(schritte, 8);
    QStringList namen;
    for (const KlassenDatei &datei : lesung.dateien) {
        namen << datei.name;
        EXPECT_TRUE(datei.fehler.isEmpty()) << datei.fehler.toStdString();
    }
    // German collation, numbers by value; an empty file is in every class.
    EXPECT_EQ(namen, QStringList({"anton", "Ärmel", "Leer", "Schüler 2", "Schüler 10", "Zora"}));
    EXPECT_EQ(lesung.dateien.at(2).zeilen, QStringList({"", T})); // prepared as the record view does
    EXPECT_TRUE(KlasseLesen(Daten(), "6c").dateien.size() == 1);

    const KlassenLesung abgebrochen = KlasseLesen(Daten(), "4b", [](int erledigt, int) { return erledigt < 2; });
    EXPECT_TRUE(abgebrochen.abgebrochen);
    EXPECT_LE(abgebrochen.dateien.size(), 2);
}

TEST_F(Klassentag, NeuesterTagDesDatums)
{
    const struct {
        QStringList zeilen;
        int tag;
    } faelle[] = {
        {{"4b\v", "Mi., 6. März 2024\v", "2", T, "Di., 5. März 2024\vA", "1", T, "5.3.2024\v", "0", T}, 2},
        {{"4b\v", "05.03.24\v", "2", T, "Di., 5. März 2024\v", "1", T}, 1},
        {{"4b\v", "2024-03-05", "2", T}, 1},           // a date line without remark
        {{"4b\v", "Mo., 4. März 2024\v", "2", T}, 0},  // another date
        {{"4b\v", "Heute\v", "2", T, T}, 0},           // no date, an empty day
        {{"4b\v", T, "Di., 5. März 2024\v", T}, 2},    // a day whose date line is the separator
        {{"4b\v", "Di., 5. März 2024 abends\v", T}, 0}, // text after the year is no date
    };
    for (const auto &fall : faelle) {
        Datumsspeicher gelesen;
        EXPECT_EQ(TagZumDatum(fall.zeilen, Datum, gelesen), fall.tag) << fall.zeilen.join("|").toStdString();
    }
    // Each date text is read once across the class.
    Datumsspeicher gelesen;
    TagZumDatum({"", "1.1.2024\v", "2", T, "1.1.2024\v", "2", T}, Datum, gelesen);
    TagZumDatum({"", "1.1.2024\vx", "2", T}, Datum, gelesen);
    EXPECT_EQ(gelesen.size(), 1);
    EXPECT_EQ(TagZumDatum({"", "Di., 5. März 2024\v", T}, QDate(), gelesen), 0);
}

TEST_F(Klassentag, Zeilenzustaende)
{
    KlassenZeile neu;
    KlassenZeile vorhanden;
    vorhanden.tag = 3;
    vorhanden.gelesen = {2, "Heft", {}};
    vorhanden.eintrag = vorhanden.gelesen;
    const struct {
        const char *fall;
        KlassenZeile zeile;
        const char *zustand;
        bool schreibt;
        bool statusFehlt;
    } faelle[] = {
        {"leer", neu, "nicht erfasst", false, false},
        {"Status", [&] { auto z = neu; z.eintrag.hausaufgabe = 0; return z; }(), "neu", true, false},
        {"Anmerkung ohne Status", [&] { auto z = neu; z.eintrag.anmerkung = "krank"; return z; }(), "nicht erfasst",
         false, true},
        {"Infos ohne Status, gespeichert", [&] { auto z = neu; z.eintrag.infos = "x"; z.fehltNoch = true; return z; }(),
         "Hausaufgabe fehlt noch", false, true},
        {"nur Leerzeichen", [&] { auto z = neu; z.eintrag.anmerkung = "  "; return z; }(), "nicht erfasst", false, false},
        {"vorhanden", vorhanden, "vorhanden (Tag 3)", false, false},
        {"vorhanden, anderer Status", [&] { auto z = vorhanden; z.eintrag.hausaufgabe = 1; return z; }(),
         "vorhanden (Tag 3)", true, false},
        {"vorhanden, Anmerkung", [&] { auto z = vorhanden; z.eintrag.anmerkung = "Heft "; return z; }(),
         "vorhanden (Tag 3)", false, false},
        {"vorhanden, Infos", [&] { auto z = vorhanden; z.eintrag.infos = "neu"; return z; }(), "vorhanden (Tag 3)",
         true, false},
        {"fremd geändert", [&] { auto z = neu; z.eintrag.hausaufgabe = 2; z.neuGeladen = true; return z; }(),
         "geändert von anderem Programm – neu geladen", true, false},
        {"Schreibfehler", [&] { auto z = neu; z.eintrag.hausaufgabe = 2; z.grund = "nicht gespeichert: voll"; return z; }(),
         "nicht gespeichert: voll", true, false},
        {"unlesbar", [&] { auto z = neu; z.eintrag.hausaufgabe = 2; z.datei.fehler = "Datei kaputt"; return z; }(),
         "Datei kaputt", false, false},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.fall);
        EXPECT_EQ(ZustandText(fall.zeile), QString::fromUtf8(fall.zustand));
        EXPECT_EQ(ZeileSchreibt(fall.zeile), fall.schreibt);
        EXPECT_EQ(StatusFehlt(fall.zeile), fall.statusFehlt);
    }
    // Delete: a new row is "nicht erfasst" again, an existing one shows its day.
    KlassenZeile z = vorhanden;
    z.eintrag = {0, "anders", "info"};
    EintragZuruecksetzen(z);
    EXPECT_EQ(z.eintrag, vorhanden.gelesen);
    z = neu;
    z.eintrag = {1, "a", "b"};
    EintragZuruecksetzen(z);
    EXPECT_EQ(ZustandText(z), "nicht erfasst");
}

TEST_F(Klassentag, BytesJeKodierung)
{
    // The same file in each encoding: a new day, and the existing day updated.
    const QStringList alt = {"4b\vsitzt vorne", "Mo., 4. März 2024\vÖl", "2", "Seite 5", T, "1.3.2024\v", "0", T};
    const QStringList neuerTag = {"4b\vsitzt vorne", "Di., 5. März 2024\vkrank", "0", "Attest", T,
                                  "Mo., 4. März 2024\vÖl", "2", "Seite 5", T, "1.3.2024\v", "0", T};
    const QStringList mitHeute = {"4b\vsitzt vorne", "Di., 5. März 2024\valt", "2", "Seite 5", T, "1.3.2024\v", "0", T};
    const QStringList aktualisiert = {"4b\vsitzt vorne", "Di., 5. März 2024\vÄrger", "1", "Seite 5", "später", T,
                                      "1.3.2024\v", "0", T};
    const struct {
        const char *kodierung;
        QByteArray marke;
    } faelle[] = {
        {"UTF-8", "\xEF\xBB\xBF"}, {"UTF-8", ""}, {"UTF-16LE", "\xFF\xFE"}, {"UTF-16BE", "\xFE\xFF"}, {"windows-1252", ""},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(std::string(fall.kodierung) + (fall.marke.isEmpty() ? " ohne Marke" : " mit Marke"));
        Schreiben(Pfad("Anna"), Kodiert(alt, fall.kodierung, fall.marke));
        KlassenZeile zeile = Zeile("Anna");
        EXPECT_EQ(ZustandText(zeile), "nicht erfasst");
        zeile.eintrag = {0, " krank ", "Attest"};
        ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
        EXPECT_EQ(Lesen(Pfad("Anna")), Kodiert(neuerTag, fall.kodierung, fall.marke));
        EXPECT_EQ(Lesen(Pfad("Anna") + ".bak"), Kodiert(alt, fall.kodierung, fall.marke)); // the copy first
        EXPECT_EQ(ZustandText(zeile), "vorhanden (Tag 1)");
        EXPECT_FALSE(ZeileSchreibt(zeile)); // a second save writes nothing

        Schreiben(Pfad("Anna"), Kodiert(mitHeute, fall.kodierung, fall.marke));
        zeile = Zeile("Anna");
        EXPECT_EQ(ZustandText(zeile), "vorhanden (Tag 1)");
        EXPECT_EQ(zeile.eintrag, (KlassenEintrag{2, "alt", {}}));
        zeile.eintrag = {1, "Ärger", "später"};
        ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
        EXPECT_EQ(Lesen(Pfad("Anna")), Kodiert(aktualisiert, fall.kodierung, fall.marke));
        EXPECT_EQ(zeile.eintrag, (KlassenEintrag{1, "Ärger", {}}));
        EXPECT_FALSE(ZeileSchreibt(zeile));
    }
    // A Windows-1252 file that now needs a character the code page lacks
    // becomes UTF-8 with mark, as every save does it.
    Schreiben(Pfad("Anna"), Kodiert(alt, "windows-1252", ""));
    KlassenZeile zeile = Zeile("Anna");
    zeile.eintrag = {2, "Łódź", {}};
    ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
    EXPECT_EQ(Lesen(Pfad("Anna")).left(3), "\xEF\xBB\xBF");
    EXPECT_TRUE(TeilnehmerZeilen("Anna").at(1).endsWith("Łódź"));
}

TEST_F(Klassentag, BesondereDateien)
{
    // What the record view would write after "&Neuen Tag erstellen" and the
    // status Ja with the remark "gut".
    const struct {
        const char *fall;
        QByteArray bytes;
        QStringList danach;
    } faelle[] = {
        // No mark to keep: UTF-8 without one, as the record view writes it.
        {"leer", "", {"", "Di., 5. März 2024\vgut", "2", T, T}},
        {"nur Kopf", Utf8Datei({"4b\v"}), {"4b\v", "Di., 5. März 2024\vgut", "2", T, T}},
        {"ohne Trenner", Utf8Datei({"4b\v", "Mo., 4. März 2024\v", "1"}),
         {"4b\v", "Di., 5. März 2024\vgut", "2", T, "Mo., 4. März 2024\v", "1", T}},
        {"Trenner zuerst", Utf8Datei({T, "x"}), {"", "Di., 5. März 2024\vgut", "2", T, T, "x"}},
        {"ohne Hausaufgabenzeile am Tag", Utf8Datei({"4b\v", "Di., 5. März 2024\valt", T}),
         {"4b\v", "Di., 5. März 2024\vgut", "2", T}},
        {"Status 7 und ein Buchstabe", Utf8Datei({"4b\v", "Di., 5. März 2024\v", "7", "i", T, "x\v", "b", T}),
         {"4b\v", "Di., 5. März 2024\vgut", "2", "i", T, "x\v", "b", T}},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.fall);
        Schreiben(Pfad("Anna"), fall.bytes);
        KlassenZeile zeile = Zeile("Anna");
        ASSERT_TRUE(zeile.datei.fehler.isEmpty());
        zeile.eintrag.hausaufgabe = 2;
        zeile.eintrag.anmerkung = "gut";
        if (QString(fall.fall) == "Status 7 und ein Buchstabe") {
            // The day reads as Ja already: only the remark changes.
            EXPECT_EQ(zeile.gelesen.hausaufgabe, 2);
        }
        ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
        EXPECT_EQ(Lesen(Pfad("Anna")), fall.bytes.isEmpty() ? Utf8Datei(fall.danach).mid(3) : Utf8Datei(fall.danach));
    }
}

TEST_F(Klassentag, HunderttausendTage)
{
    QStringList zeilen = {"4b\v"};
    for (int n = 0; n < 100000; ++n)
        zeilen << QStringLiteral("%1.1.2000\vA").arg(1 + n % 28) << "2" << T;
    Teilnehmerdatei("Viel", zeilen);
    KlassenZeile zeile = Zeile("Viel");
    EXPECT_EQ(ZustandText(zeile), "nicht erfasst");
    EXPECT_LE(gelesen.size(), 30); // 28 date texts read, not 100,000
    zeile.eintrag.hausaufgabe = 1;
    ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
    QStringList danach = zeilen;
    danach.insert(1, "Di., 5. März 2024\v");
    danach.insert(2, "1");
    danach.insert(3, T);
    EXPECT_EQ(Lesen(Pfad("Viel")), Utf8Datei(danach));
}

TEST_F(Klassentag, FremdeAenderungWirdNichtUeberschrieben)
{
    Teilnehmerdatei("Anna", {"4b\v", "Mo., 4. März 2024\v", "1", T});
    KlassenZeile zeile = Zeile("Anna");
    zeile.eintrag = {2, "fleißig", "Heft"};
    // Another program writes today's day meanwhile (a different size).
    const QByteArray fremd = Utf8Datei({"4b\v", "Di., 5. März 2024\vvon dort", "0", T, "Mo., 4. März 2024\v", "1", T});
    Schreiben(Pfad("Anna"), fremd);
    EXPECT_EQ(Speichern(zeile), Speicherausgang::FremdGeaendert);
    EXPECT_EQ(Lesen(Pfad("Anna")), fremd);
    EXPECT_EQ(ZustandText(zeile), "geändert von anderem Programm – neu geladen");
    // The entry stays, now for the day the other program wrote.
    EXPECT_EQ(zeile.eintrag, (KlassenEintrag{2, "fleißig", "Heft"}));
    EXPECT_EQ(zeile.tag, 1);
    EXPECT_EQ(zeile.gelesen, (KlassenEintrag{0, "von dort", {}}));
    EXPECT_TRUE(ZeileSchreibt(zeile));
    // Saved again on purpose: written over the file as it is now.
    ASSERT_EQ(Speichern(zeile), Speicherausgang::Gespeichert);
    EXPECT_EQ(Lesen(Pfad("Anna")),
              Utf8Datei({"4b\v", "Di., 5. März 2024\vfleißig", "2", "Heft", T, "Mo., 4. März 2024\v", "1", T}));
    EXPECT_EQ(ZustandText(zeile), "vorhanden (Tag 1)");
}

TEST_F(Klassentag, NichtGeschriebeneDateienBehaltenDenEintrag)
{
    // Removed (or renamed in the main window): nothing is made anew.
    Teilnehmerdatei("Anna", {"4b\v", T});
    KlassenZeile weg = Zeile("Anna");
    weg.eintrag.hausaufgabe = 2;
    QFile::remove(Pfad("Anna"));
    EXPECT_EQ(Speichern(weg), Speicherausgang::Fehlgeschlagen);
    EXPECT_EQ(ZustandText(weg), "nicht gespeichert: Die Datei gibt es nicht mehr.");
    EXPECT_FALSE(QFileInfo::exists(Pfad("Anna")));
    EXPECT_EQ(weg.eintrag.hausaufgabe, 2);
    EXPECT_TRUE(ZeileSchreibt(weg));

    // A folder that cannot be written: the German reason, the file as it was.
    const QByteArray vorher = Utf8Datei({"4b\v", T});
    Schreiben(Pfad("Berta"), vorher);
    KlassenZeile gesperrt = Zeile("Berta");
    gesperrt.eintrag = {1, "x", {}};
    OhneSchreibrecht(Daten(), [&] { EXPECT_EQ(Speichern(gesperrt), Speicherausgang::Fehlgeschlagen); });
    EXPECT_TRUE(ZustandText(gesperrt).startsWith("nicht gespeichert: ")) << ZustandText(gesperrt).toStdString();
    EXPECT_TRUE(ZustandText(gesperrt).contains("Berta.dat")) << ZustandText(gesperrt).toStdString();
    EXPECT_EQ(Lesen(Pfad("Berta")), vorher);
    EXPECT_EQ(gesperrt.eintrag, (KlassenEintrag{1, "x", {}}));
    // Once it can be written, the same row saves.
    EXPECT_EQ(Speichern(gesperrt), Speicherausgang::Gespeichert);
    EXPECT_EQ(ZustandText(gesperrt), "vorhanden (Tag 1)");
}
