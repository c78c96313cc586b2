#include "records/bloecke.h"

#include <gtest/gtest.h>

namespace {

const QString T = Blocktrenner;

// The example file: class 4b, comment "sitzt vorne", two days.
QStringList Beispiel()
{
    return {"4b\vsitzt vorne", "Di., 5. März 2024\vReferat gehalten", "2", "Vokabeln Seite 12",
            "Heft vergessen", T, "Mo., 4. März 2024\v", "0", T};
}

} // namespace

TEST(Bloecke, TageZaehlenZaehltJedeTrennzeile)
{
    EXPECT_EQ(TageZaehlen(Beispiel()), 2);
    EXPECT_EQ(TageZaehlen({"kopf"}), 0);
    EXPECT_EQ(TageZaehlen({"kopf", "x" + T + "y", "z"}), 1);
    // A line holding the separator twice closes one day, and that day can
    // be saved: no day is counted that cannot be edited.
    const QStringList doppelt = {"kopf", "x" + T + "y" + T, "z", T};
    EXPECT_EQ(TageZaehlen(doppelt), 2);
    const QStringList gespeichert = TagErsetzen(doppelt, "kopf", 2, TagBlock({"neu", "", 1, {}}));
    EXPECT_EQ(TagLesen(gespeichert, 2).datum, "neu");
    EXPECT_EQ(TageZaehlen(gespeichert), 2);
}

TEST(Bloecke, HausaufgabeNurAlsNichtNegativeZahl)
{
    const struct {
        QString zeile;
        int status;
    } faelle[] = {{"0", 0}, {"2", 2}, {"7", 7}, {"", -1}, {"-1", -1}, {"x", -1}, {" 1", -1}, {"99999999999", 2}};
    for (const auto &fall : faelle)
        EXPECT_EQ(HausaufgabeLesen(fall.zeile), fall.status) << fall.zeile.toStdString();
}

TEST(Bloecke, TagLesenNachDenBlockregeln)
{
    const Tag eins = TagLesen(Beispiel(), 1);
    EXPECT_EQ(eins.datum, "Di., 5. März 2024");
    EXPECT_EQ(eins.anmerkung, "Referat gehalten");
    EXPECT_EQ(eins.hausaufgabe, 2);
    EXPECT_EQ(eins.infos, QStringList({"Vokabeln Seite 12", "Heft vergessen"}));
    const Tag zwei = TagLesen(Beispiel(), 2);
    EXPECT_EQ(zwei.datum, "Mo., 4. März 2024");
    EXPECT_EQ(zwei.anmerkung, "");
    EXPECT_TRUE(zwei.infos.isEmpty());

    // A status above 2 shows as the last item; junk shows as the first.
    EXPECT_EQ(TagLesen({"k", "d", "7", T}, 1).hausaufgabe, 2);
    EXPECT_EQ(TagLesen({"k", "d", "-1", T}, 1).hausaufgabe, 0);
    // A date line without the separator character is all date.
    EXPECT_EQ(TagLesen({"k", "Mo., 4. März 2019", T}, 1).datum, "Mo., 4. März 2019");
    // A line with text around the separator closes the day too.
    EXPECT_EQ(TagLesen({"k", "a", "1", "vor" + T + "nach", "b", T}, 2).datum, "b");
    // An empty block is an empty day.
    const Tag leer = TagLesen({"k", T, "b", T}, 1);
    EXPECT_EQ(leer.datum, "");
    EXPECT_EQ(leer.hausaufgabe, 0);
}

TEST(Bloecke, ZeilenVorbereitenGibtJederDateiKopfUndTag)
{
    const struct {
        const char *name;
        QStringList zeilen;
        QStringList erwartet;
    } faelle[] = {
        {"leere Datei", {}, {"", T}},
        {"nur Kopf", {"4b\v"}, {"4b\v", T}},
        {"Trenner in der ersten Zeile", {T, "x"}, {"", T, "x"}},
        {"ohne Trenner", {"4b", "Mo.", "1"}, {"4b", "Mo.", "1", T}},
        {"normal", Beispiel(), Beispiel()},
    };
    for (const auto &fall : faelle) {
        QStringList zeilen = fall.zeilen;
        ZeilenVorbereiten(zeilen);
        EXPECT_EQ(zeilen, fall.erwartet) << fall.name;
    }
    // In every case the day count agrees with the blocks after the header.
    QStringList zeilen = {T};
    ZeilenVorbereiten(zeilen);
    EXPECT_EQ(TageZaehlen(zeilen), 1);
    EXPECT_EQ(TagErsetzen(zeilen, "\v", 1, TagBlock({"d", "a", 1, {}})),
              QStringList({"\v", "d\va", "1", T}));
}

TEST(Bloecke, TagErsetzenBautNurDenGezeigtenTagNeu)
{
    Tag tag = TagLesen(Beispiel(), 1);
    EXPECT_EQ(TagErsetzen(Beispiel(), "4b\vsitzt vorne", 1, TagBlock(tag)), Beispiel());

    // A day without separator character and homework line gets both.
    const QStringList neu = {"5a\v", "Mo., 4. März 2019", T};
    EXPECT_EQ(TagErsetzen(neu, "5a\v", 1, TagBlock(TagLesen(neu, 1))),
              QStringList({"5a\v", "Mo., 4. März 2019\v", "0", T}));

    // Lines after the last separator are kept; so are the other days.
    tag = TagLesen(Beispiel(), 2);
    tag.hausaufgabe = 1;
    QStringList mitRest = Beispiel() << "Rest";
    QStringList erwartet = Beispiel();
    erwartet[7] = "1";
    erwartet[0] = "4c\v";
    EXPECT_EQ(TagErsetzen(mitRest, "4c\v", 2, TagBlock(tag)), erwartet << "Rest");

    // With no day shown only the header changes.
    EXPECT_EQ(TagErsetzen(Beispiel(), "x\vy", 0, {}).mid(1), Beispiel().mid(1));
}

TEST(Bloecke, TagEntfernenLaesstAlleAnderenZeilen)
{
    EXPECT_EQ(TagEntfernen(Beispiel(), 1), QStringList({"4b\vsitzt vorne", "Mo., 4. März 2024\v", "0", T}));
    EXPECT_EQ(TagEntfernen(Beispiel(), 2), Beispiel().mid(0, 6));
    EXPECT_EQ(TagEntfernen(Beispiel(), 0), Beispiel());
    EXPECT_EQ(TageZaehlen(TagEntfernen(TagEntfernen(Beispiel(), 1), 1)), 0);
}

TEST(Bloecke, KlasseAusDerKopfzeile)
{
    EXPECT_EQ(KlasseAusKopf(" 5a \vKommentar"), "5a");
    EXPECT_EQ(KlasseAusKopf("5A"), "5A");
    EXPECT_EQ(KlasseAusKopf(""), "");
}
