#include "ui/programmsymbol.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

// The icon is drawn from its vector image: sharp at any size and at a scale
// factor of 2, not a small picture blown up.
TEST(Programmsymbol, VektorbildInJederGroesse)
{
    const QIcon symbol = ProgrammSymbol();
    ASSERT_FALSE(symbol.isNull());
    for (const int groesse : {16, 48, 512}) {
        const QImage bild = symbol.pixmap(QSize(groesse, groesse)).toImage();
        EXPECT_EQ(bild.size(), QSize(groesse, groesse)) << groesse;
        // The cover fills the middle; the corners stay transparent.
        EXPECT_EQ(qAlpha(bild.pixel(groesse / 2, groesse / 2)), 255) << groesse;
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << groesse;
    }
    const QPixmap doppelt = symbol.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(doppelt.size(), QSize(64, 64));
    EXPECT_EQ(doppelt.devicePixelRatio(), 2.0);
}
