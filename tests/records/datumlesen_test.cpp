#include "records/datumlesen.h"
#include "testhilfen.h"
#include "util/datumsnamen.h"

#include <QLocale>

TEST(DatumLesen, Faelle)
{
    const struct {
        const char *text;
        QDate datum;
    } faelle[] = {
        // What the program writes.
        {"Di., 5. März 2024", {2024, 3, 5}},
        {"Mi., 1. Jänner 2025", {2025, 1, 1}},
        {"Sa., 31. Dezember 2022", {2022, 12, 31}},
        {"5. März 2024", {2024, 3, 5}},
        {"  Di., 5. März 2024  ", {2024, 3, 5}},
        // A weekday that does not fit is the teacher's slip; the date counts.
        {"Mo., 5. März 2024", {2024, 3, 5}},
        // What teachers type.
        {"5.3.2024", {2024, 3, 5}},
        {"05.03.24", {2024, 3, 5}},
        {"5. 3. 2024", {2024, 3, 5}},
        {"12.9.98", {1998, 9, 12}},
        {"Dienstag, 5. März 2024", {2024, 3, 5}},
        {"Di 5.3.2024", {2024, 3, 5}},
        {"5. Januar 2024", {2024, 1, 5}},
        {"5. JÄNNER 2024", {2024, 1, 5}},
        {"5. Feber 2024", {2024, 2, 5}},
        {"5. Maerz 2024", {2024, 3, 5}},
        {"5. Jan. 2024", {2024, 1, 5}},
        {"5. Sept. 2024", {2024, 9, 5}},
        {"2024-03-05", {2024, 3, 5}},
        {"29.2.2024", {2024, 2, 29}},
        // No date.
        {"", {}},
        {"Wandertag", {}},
        {"März 2024", {}},
        {"5.3.", {}},
        {"5.3.2024 Ausflug", {}},
        {"Heute, 5.3.2024", {}},
        {"31.2.2024", {}},
        {"29.2.2023", {}},
        {"5.13.2024", {}},
        {"5. Mär 202", {}},
        {"5.3.20245", {}},
        {"123.3.2024", {}},
        {"5. Märzen 2024", {}},
        {"<--------------->", {}},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(DatumLesen(QString::fromUtf8(fall.text)), fall.datum) << fall.text;
}

TEST(DatumLesen, NamenDesProgrammsInEinerAnderenSprache)
{
    // The program writes the month names of the user's locale.
    DatumsnamenLaden(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QString text = TagStr(QDate(2024, 3, 5));
    const QDate datum = DatumLesen(text);
    DatumsnamenLaden(QLocale());
    TagesnamenOhnePunkt();
    MonatsnamenKorrigieren();
    EXPECT_EQ(datum, QDate(2024, 3, 5)) << text.toStdString();
    // Every day text the program writes reads back as its date.
    for (QDate tag(2023, 12, 25); tag <= QDate(2024, 2, 5); tag = tag.addDays(1))
        EXPECT_EQ(DatumLesen(TagStr(tag)), tag) << TagStr(tag).toStdString();
}

TEST(DatumLesen, Monatsnamen)
{
    EXPECT_EQ(MonatsName(1), "Jänner");
    EXPECT_EQ(MonatsName(3), "März");
    EXPECT_EQ(MonatsName(12), "Dezember");
    EXPECT_EQ(MonatsName(0), "");
    EXPECT_EQ(MonatsName(13), "");
}
