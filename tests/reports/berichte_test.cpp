#include "reports/berichte.h"
#include "records/bloecke.h"

#include <gtest/gtest.h>

namespace {

const QString T = Blocktrenner;
const QStringList Haus = {"&Fehlt", "&Nein", "&Ja"};
const BerichtKopf Beta = {"Beta", "4b", "sitzt vorne"};

QStringList BetaZeilen()
{
    return {"4b\vsitzt vorne", "Mi., 10. Dezember 2025\vSchularbeit", "2", "Rechnen S. 14", "Lesen S. 20", T,
            "Di., 9. Dezember 2025\v", "1", T, "Mo., 8. Dezember 2025\vkrank", "0", T};
}

QStringList Zeilen(const QString &text)
{
    EXPECT_TRUE(text.isEmpty() || text.endsWith("\r\n"));
    QStringList zeilen = text.split("\r\n");
    zeilen.removeLast();
    return zeilen;
}

const QStringList TagEins = {"Name: Beta", "Klasse: 4b", "Kommentar: sitzt vorne", "", "Nr.: 1",
                             "Datum: Mi., 10. Dezember 2025", "Anmerkung: Schularbeit", "Hausaufgabe: Ja",
                             "[Rechnen S. 14", "Lesen S. 20]", T};

} // namespace

TEST(Berichte, AktuellerTag)
{
    EXPECT_EQ(Zeilen(DruckenText(BetaZeilen(), Beta, 1, 1, Haus)), TagEins);
    EXPECT_EQ(Zeilen(DruckenText(BetaZeilen(), Beta, 1, 0, Haus)), TagEins.mid(0, 3));
}

TEST(Berichte, AlleTage)
{
    const QStringList erwartet = TagEins + QStringList{"", "Nr.: 2", "Datum: Di., 9. Dezember 2025", "Anmerkung: ",
                                                       "Hausaufgabe: Nein", T, "", "Nr.: 3",
                                                       "Datum: Mo., 8. Dezember 2025", "Anmerkung: krank",
                                                       "Teilnehmer: Fehlt", T};
    EXPECT_EQ(Zeilen(DruckenText(BetaZeilen(), Beta, 2, 2, Haus)), erwartet);
}

TEST(Berichte, Hausaufgabenauswertung)
{
    const QStringList erwartet = {"Name: Beta", "Klasse: 4b", "Kommentar: sitzt vorne", "",
                                  "Teilnehmer fehlte (Fehlt): 1", "- Mo., 8. Dezember 2025 (krank)", "",
                                  "Hausaufgaben nicht gebracht (Nein): 1", "- Di., 9. Dezember 2025", "",
                                  "Hausaufgaben gebracht (Ja): 1", "- Mi., 10. Dezember 2025 (Schularbeit)"};
    EXPECT_EQ(Zeilen(DruckenText(BetaZeilen(), Beta, 3, 1, Haus)), erwartet);
}

TEST(Berichte, KlammernUndBesondereTage)
{
    const struct {
        const char *name;
        QStringList tag;
        QStringList bericht;
    } faelle[] = {
        {"eine Infozeile", {"d\va", "1", "nur", T}, {"Hausaufgabe: Nein", "[nur]", T}},
        {"leere erste Infozeile", {"d\va", "1", "", "x", T}, {"Hausaufgabe: Nein", "[", "x]", T}},
        {"ohne Hausaufgabenzeile", {"Mo., 4. März 2019", T}, {}},
        {"ungültige Hausaufgabe", {"d\va", "-1", T}, {T}},
        {"Hausaufgabe über 2", {"d\va", "7", T}, {"Hausaufgabe: Ja", T}},
    };
    for (const auto &fall : faelle) {
        const QStringList zeilen = QStringList{"k\v"} + fall.tag + QStringList{"nach dem letzten Tag"};
        const QStringList bericht = Zeilen(DruckenText(zeilen, Beta, 1, 1, Haus));
        EXPECT_EQ(bericht.mid(7), fall.bericht) << fall.name;
    }
    EXPECT_EQ(Zeilen(DruckenText({"k", "Mo., 4. März 2019", T}, Beta, 1, 1, Haus)).mid(5, 2),
              QStringList({"Datum: Mo., 4. März 2019", "Anmerkung: "}));
}

TEST(Berichte, TausenderPunkteInNummernUndZaehlern)
{
    QStringList zeilen = {"k\v"};
    for (int n = 0; n < 1234; ++n)
        zeilen << "d\v" << "2" << T;
    EXPECT_TRUE(DruckenText(zeilen, Beta, 1, 1234, Haus).contains("\r\nNr.: 1.234\r\n"));
    const QStringList auswertung = Zeilen(DruckenText(zeilen, Beta, 3, 1, Haus));
    EXPECT_EQ(auswertung[4], "Teilnehmer fehlte (Fehlt): 0");
    EXPECT_EQ(auswertung[6], "Hausaufgaben nicht gebracht (Nein): 0");
    EXPECT_EQ(auswertung[8], "Hausaufgaben gebracht (Ja): 1.234");
}

TEST(Berichte, Kommentarauswertung)
{
    const QList<KommentarQuelle> quellen = {
        {"Beta", true, "4b\vsitzt vorne"}, {"alpha", true, "3a\vbraucht Brille"}, {"Gamma", true, "4b\v"},
        {"Leer", false, ""}, {"Ohne", true, "5c"}, {"Blank", true, " 5c \v  "}};
    EXPECT_EQ(Zeilen(KommentareText(quellen)), QStringList({"1.: alpha (3a): \"braucht Brille\"",
                                                            "2.: Beta (4b): \"sitzt vorne\"",
                                                            "3.: Blank ( 5c ): \"  \""}));
    EXPECT_EQ(KommentareText({{"Gamma", true, "4b\v"}}), "");
}
