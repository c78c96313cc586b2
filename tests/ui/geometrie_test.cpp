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

#include "ui/dialoganordnung.h"

TEST(Dialoggeometrie, NeuerTeilnehmerMitZeilenhoehe16)
{
    const ZeilenDialogGeometrie g = ZeilenDialogLayout(24, 28, 16, {40, 45, 80});
    const int tops[3] = {10, 44, 78};
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(g.edits[n], QRect(95, tops[n], 476, 24));
        EXPECT_EQ(g.labels[n].top(), tops[n] + 4);
    }
    EXPECT_EQ(g.knopf1, QRect(10, 112, 187, 28));
    EXPECT_EQ(g.knopf2, QRect(384, 112, 187, 28));
    EXPECT_EQ(g.client, QSize(581, 150));
    // A longer caption moves the edits right and makes them narrower.
    EXPECT_EQ(ZeilenDialogLayout(24, 28, 16, {120}).edits[0], QRect(135, 10, 436, 24));
}

TEST(Dialoggeometrie, ClientBreitenHaengenNichtVonDerSchriftAb)
{
    for (int h : {28, 40}) {
        EXPECT_EQ(KlassenLayout(h).client.width(), 487);
        EXPECT_EQ(TeilnehmerListeLayout(h, h - 12, 200).client.width(), 767);
        EXPECT_EQ(SicherungsLayout(h, 700).client.width(), 875);
    }
    const ListenDialogGeometrie tl = TeilnehmerListeLayout(28, 16, 201);
    EXPECT_EQ(tl.label, QRect(283, 10, 201, 16));
    EXPECT_EQ(tl.liste, QRect(10, 36, 747, 140));
    EXPECT_EQ(tl.knoepfe[1].left(), 290);
    EXPECT_EQ(tl.knoepfe[2].left(), 570);
    EXPECT_EQ(tl.client.height(), 224);
    EXPECT_EQ(KlassenLayout(28).knoepfe[1].left(), 290);
    EXPECT_EQ(TextDialogLayout(28).client, QSize(637, 328));
    EXPECT_EQ(TextDialogLayout(28).text, QRect(0, 0, 637, 280));
}

TEST(Dialoggeometrie, ZahlenDialogWirdFuerBeideKnoepfeVerbreitert)
{
    const ZahlenGeometrie g = ZahlenLayout(24, 28, 16, 120);
    EXPECT_EQ(g.edit, QRect(140, 10, 84, 24));
    EXPECT_EQ(g.client.width(), 404);
    EXPECT_EQ(g.knopf1.left(), 10);
    EXPECT_EQ(g.knopf2.left(), 207);
    EXPECT_LE(g.knopf2.right() + 1, g.client.width());
    // A wide row decides the width itself.
    const ZahlenGeometrie breit = ZahlenLayout(24, 28, 16, 500);
    EXPECT_EQ(breit.client.width(), 614);
    EXPECT_EQ(breit.knopf1.left(), 80);
}

TEST(Dialoggeometrie, SicherungIstSoHochWieDerSchirm)
{
    const SicherungsGeometrie g = SicherungsLayout(28, 700);
    EXPECT_EQ(g.knoepfe[0], QRect(125, 662, 125, 28));
    EXPECT_EQ(g.knoepfe[1].left(), 375);
    EXPECT_EQ(g.knoepfe[2].left(), 625);
    EXPECT_EQ(g.liste, QRect(10, 10, 855, 316));
    EXPECT_EQ(g.log, QRect(10, 336, 855, 316));
    EXPECT_EQ(g.client, QSize(875, 700));
}
