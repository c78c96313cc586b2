#include "util/datumsnamen.h"
#include "util/texte.h"
#include "util/zahlen.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Helfer, TausenderPunkte)
{
    const struct {
        qint64 zahl;
        const char *text;
    } faelle[] = {{0, "0"},
                  {25, "25"},
                  {999, "999"},
                  {1000, "1.000"},
                  {1234, "1.234"},
                  {1234567, "1.234.567"},
                  {-1234, "-1.234"},
                  {std::numeric_limits<qint64>::max(), "9.223.372.036.854.775.807"},
                  // no positive counterpart: negating it would overflow
                  {std::numeric_limits<qint64>::min(), "-9.223.372.036.854.775.808"}};
    for (const auto &fall : faelle) {
        EXPECT_EQ(TausenderPunkte(fall.zahl), QString::fromLatin1(fall.text));
        EXPECT_EQ(Stellenzahl(fall.zahl), QString::fromLatin1(fall.text).remove('.').remove('-').size());
    }
}

TEST(Helfer, TrimmenEntferntSteuerzeichenUndBlanks)
{
    EXPECT_EQ(Trimmen(QStringLiteral(" \t\v a b \r\n")), QStringLiteral("a b"));
    EXPECT_EQ(Trimmen(QStringLiteral("\u00A0a")), QStringLiteral("\u00A0a"));
    EXPECT_EQ(KuerzelEntfernen(QStringLiteral("S&chließen")), QStringLiteral("Schließen"));
    EXPECT_EQ(KuerzelEntfernen(QStringLiteral("a&&b&")), QStringLiteral("ab"));
}
