#include "testhilfen.h"
#include "util/csv.h"

TEST(Csv, FelderJeInhalt)
{
    const struct {
        const char *text;
        const char *feld;
    } faelle[] = {
        // Everything but a whole number in quotes: a spreadsheet that also
        // splits at commas keeps each in one cell.
        {"Jörg Müßig", "\"Jörg Müßig\""},
        {"Müller, Jürgen", "\"Müller, Jürgen\""},
        {"", ""},
        {"42", "42"},
        {"1234567", "1234567"},
        {"83,3", "\"83,3\""},
        {"Di., 5. März 2024", "\"Di., 5. März 2024\""},
        {"4b", "\"4b\""},
        {"Tab\tin der Mitte", "\"Tab\tin der Mitte\""},
        {"a;b", "\"a;b\""},
        {"sagt \"hallo\"", "\"sagt \"\"hallo\"\"\""},
        {"zwei\nZeilen", "\"zwei\nZeilen\""},
        {" vorne", "\" vorne\""},
        {"hinten ", "\"hinten \""},
        // Spreadsheets would take these for formulas.
        {"=1+1", "\"'=1+1\""},
        {"+43 1 234", "\"'+43 1 234\""},
        {"-kommt später", "\"'-kommt später\""},
        {"@mail", "\"'@mail\""},
        {"=A1;B1", "\"'=A1;B1\""},
    };
    for (const auto &fall : faelle)
        EXPECT_EQ(CsvFeld(QString::fromUtf8(fall.text)), QString::fromUtf8(fall.feld)) << fall.text;
}

TEST(Csv, DateiMitMarkeUndCrLf)
{
    EXPECT_EQ(CsvBytes({{"Name", "Tage", "Quote"}, {"Ä;1", "7", "50,0"}, {}}),
              QByteArray("\xEF\xBB\xBF\"Name\";\"Tage\";\"Quote\"\r\n\"\xC3\x84;1\";7;\"50,0\"\r\n\r\n"));
}
