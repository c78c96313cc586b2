#include "ui/hauptgeometrie.h"

#include <gtest/gtest.h>

TEST(Hauptgeometrie, BeispielMitZeilenhoehe16)
{
    HauptMasse m;
    m.editHoehe = 24;
    m.knopfHoehe = 28;
    m.statusHoehe = 22;
    m.labelHoehe = 16;
    m.labelBreiten = {40, 45, 78, 42, 70, 35};
    m.clientBreite = 1000;
    m.clientHoehe = 700;
    const HauptGeometrie g = HauptLayout(m);
    const int tops[5] = {10, 44, 78, 112, 146};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(g.edits[n], QRect(93, tops[n], 897, 24));
        EXPECT_EQ(g.labels[n].topLeft(), QPoint(10, tops[n] + 4));
    }
    EXPECT_EQ(g.radiogruppe, QRect(93, 180, 99, 96));
    EXPECT_EQ(g.labelRe.topLeft(), QPoint(10, 286));
    EXPECT_EQ(g.infos, QRect(93, 286, 897, 172));
    EXPECT_EQ(g.vorwaerts, QRect(10, 468, 187, 28));
    EXPECT_EQ(g.rueckwaerts, QRect(406, 468, 187, 28));
    EXPECT_EQ(g.liste, QRect(803, 468, 187, 28));
    EXPECT_EQ(g.statusleiste, QRect(0, 678, 1000, 22));
    EXPECT_EQ(g.panel0, 200);
    EXPECT_EQ(g.panel1, 800);
}
