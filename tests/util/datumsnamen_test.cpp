#include "util/datumsnamen.h"

#include <gtest/gtest.h>
#include <limits>

class Datumsnamen_ : public ::testing::Test
{
protected:
    void TearDown() override
    {
        DatumsnamenLaden(QLocale());
        TagesnamenOhnePunkt();
        MonatsnamenKorrigieren();
    }
};

TEST_F(Datumsnamen_, TagStrMitJaenner)
{
    const struct {
        QDate datum;
        const char *text;
    } faelle[] = {
        {QDate(2025, 3, 1), "Sa., 1. März 2025"},
        {QDate(2024, 2, 29), "Do., 29. Februar 2024"},
        {QDate(2026, 1, 1), "Do., 1. Jänner 2026"},
        {QDate(2025, 12, 8), "Mo., 8. Dezember 2025"},
        {QDate(2024, 3, 5), "Di., 5. März 2024"},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(TagStr(fall.datum), QString::fromUtf8(fall.text));
}

TEST_F(Datumsnamen_, UngueltigesDatumGibtKeinenText)
{
    // It has no weekday: the table of prefixes must not be read before its start.
    for (const QDate &datum : {QDate(), QDate(2024, 2, 30), QDate::fromJulianDay(std::numeric_limits<qint64>::min())}) {
        EXPECT_EQ(TagStr(datum), QString());
        EXPECT_EQ(DatumText(datum), QString());
    }
}

TEST_F(Datumsnamen_, KorrekturenWirkenWoDieNamenPassen)
{
    Datumsnamen &namen = ProgrammDatumsnamen();
    namen.kurzeTage = {"So.", "Mo.", "Di.", "Mi", "Do.", "Fr.", "Sa."};
    namen.kurzeMonate = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "jan"};
    namen.langeMonate = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
                         "September", "Oktober", "November", "Januar"};
    TagesnamenOhnePunkt();
    MonatsnamenKorrigieren();
    EXPECT_EQ(namen.kurzeTage, QStringList({"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"}));
    EXPECT_EQ(namen.kurzeMonate[0], "Jän");
    EXPECT_EQ(namen.kurzeMonate[2], "Mär");
    EXPECT_EQ(namen.kurzeMonate[1], "Feb");
    EXPECT_EQ(namen.kurzeMonate[11], "Jän");
    EXPECT_EQ(namen.langeMonate[0], "Jänner");
    EXPECT_EQ(namen.langeMonate[1], "Februar");
    EXPECT_EQ(namen.langeMonate[11], "Januar"); // only the first long name
}
