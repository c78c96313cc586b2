#include "ui/hauptgeometrie.h"

#include <QList>
#include <QString>
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

namespace {

// Sizes measured in the default look (line height 16) plus what only large
// print needs, all small enough never to matter at this size.
HauptMasse NormaleMasse(int breite, int hoehe)
{
    HauptMasse m;
    m.editHoehe = 24;
    m.knopfHoehe = 28;
    m.statusHoehe = 22;
    m.labelHoehe = 16;
    m.labelBreiten = {40, 45, 78, 42, 70, 35};
    m.clientBreite = breite;
    m.clientHoehe = hoehe;
    m.infosMindestHoehe = 3 * 17 + 10;
    m.radioMindestBreite = 95;
    m.rollbalkenBreite = 15;
    m.statusTextBreite = 95;
    return m;
}

// 40 pt (line height 61) on a screen of 1280 x 800 less the menu bar.
HauptMasse Masse40Punkt(int breite, int hoehe)
{
    HauptMasse m;
    m.editHoehe = 69;
    m.knopfHoehe = 73;
    m.statusHoehe = 67;
    m.labelHoehe = 61;
    m.labelBreiten = {170, 185, 290, 175, 290, 160};
    m.knopfBreite = 406;
    m.clientBreite = breite;
    m.clientHoehe = hoehe;
    m.infosMindestHoehe = 193;
    m.radioMindestBreite = 340;
    m.rollbalkenBreite = 15;
    m.statusTextBreite = 300;
    return m;
}

QList<QRect> Schalter(const HauptGeometrie &g)
{
    QList<QRect> alle(g.labels.begin(), g.labels.end());
    alle << QList<QRect>(g.edits.begin(), g.edits.end());
    alle << g.radiogruppe << g.labelRe << g.infos << g.vorwaerts << g.rueckwaerts << g.liste;
    return alle;
}

} // namespace

TEST(Hauptgeometrie, GrosseSchirmeHaltenDieRegel)
{
    // What only large print needs changes nothing where there is room.
    const HauptGeometrie g = HauptLayout(NormaleMasse(1000, 700));
    EXPECT_FALSE(g.rollt);
    EXPECT_EQ(g.infos, QRect(93, 286, 897, 172));
    EXPECT_EQ(g.vorwaerts, QRect(10, 468, 187, 28));
    EXPECT_EQ(g.rueckwaerts, QRect(406, 468, 187, 28));
    EXPECT_EQ(g.liste, QRect(803, 468, 187, 28));
    EXPECT_EQ(g.radiogruppe, QRect(93, 180, 99, 96));
    EXPECT_EQ(g.panel0, 200);
    EXPECT_EQ(g.rollbereich, QRect(0, 0, 1000, 678));
    EXPECT_EQ(g.flaeche, QSize(1000, 678));
    for (const QSize schirm : {QSize(800, 570), QSize(1280, 770), QSize(1920, 1050)}) {
        const HauptGeometrie s = HauptLayout(NormaleMasse(schirm.width(), schirm.height()));
        EXPECT_FALSE(s.rollt) << schirm.width();
        EXPECT_EQ(s.infos.height(), (schirm.height() - 22 - 20 - 286 - 28) / 2);
        EXPECT_EQ(s.edits[0].width(), schirm.width() - 10 - 93);
        EXPECT_EQ(s.panel0, schirm.width() / 5);
    }
}

TEST(Hauptgeometrie, InfosBehaltenDreiZeilenOhneZuRollen)
{
    // Half the space left would be 172: the field keeps its 200, the empty
    // part below the buttons gives way.
    HauptMasse m = NormaleMasse(1000, 700);
    m.infosMindestHoehe = 200;
    const HauptGeometrie g = HauptLayout(m);
    EXPECT_FALSE(g.rollt);
    EXPECT_EQ(g.infos, QRect(93, 286, 897, 200));
    EXPECT_EQ(g.vorwaerts, QRect(10, 496, 187, 28));
    EXPECT_EQ(g.liste, QRect(803, 496, 187, 28));
    EXPECT_EQ(g.flaeche, QSize(1000, 678));
}

TEST(Hauptgeometrie, Bei40PunktRolltDieFlaecheUeberDerStatusleiste)
{
    const HauptGeometrie g = HauptLayout(Masse40Punkt(1280, 770));
    EXPECT_TRUE(g.rollt);
    EXPECT_EQ(g.statusleiste, QRect(0, 703, 1280, 67));
    EXPECT_EQ(g.rollbereich, QRect(0, 0, 1280, 703));
    EXPECT_EQ(g.flaeche, QSize(1265, 977));
    const int tops[5] = {10, 89, 168, 247, 326};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(g.edits[n], QRect(305, tops[n], 950, 69));
        EXPECT_EQ(g.labels[n].top(), tops[n] + 4);
    }
    EXPECT_EQ(g.radiogruppe, QRect(305, 405, 354, 276));
    EXPECT_EQ(g.labelRe, QRect(10, 691, 160, 61));
    EXPECT_EQ(g.infos, QRect(305, 691, 950, 193));
    EXPECT_EQ(g.vorwaerts, QRect(10, 894, 406, 73));
    EXPECT_EQ(g.rueckwaerts, QRect(429, 894, 406, 73));
    EXPECT_EQ(g.liste, QRect(849, 894, 406, 73));
    EXPECT_EQ(g.panel0, 300);
    EXPECT_EQ(g.panel1, 980);
}

TEST(Hauptgeometrie, ZuBreiteKnoepfeStehenUntereinander)
{
    const HauptGeometrie g = HauptLayout(Masse40Punkt(1024, 738));
    EXPECT_TRUE(g.rollt);
    EXPECT_EQ(g.vorwaerts, QRect(10, 894, 406, 73));
    EXPECT_EQ(g.rueckwaerts, QRect(301, 977, 406, 73));
    EXPECT_EQ(g.liste, QRect(593, 1060, 406, 73));
    EXPECT_EQ(g.flaeche, QSize(1009, 1143));
}

TEST(Hauptgeometrie, JederSchalterLiegtFreiAufDerFlaeche)
{
    for (const auto masse : {&NormaleMasse, &Masse40Punkt}) {
        for (int breite = 640; breite <= 1920; breite += 128) {
            for (int hoehe = 450; hoehe <= 1200; hoehe += 50) {
                const HauptMasse m = masse(breite, hoehe);
                const HauptGeometrie g = HauptLayout(m);
                const QList<QRect> alle = Schalter(g);
                const QString fall = QString("%1 x %2, Zeile %3").arg(breite).arg(hoehe).arg(m.labelHoehe);
                EXPECT_GE(g.infos.height(), m.infosMindestHoehe) << fall.toStdString();
                EXPECT_EQ(g.rollbereich.bottom() + 1, g.statusleiste.top()) << fall.toStdString();
                if (!g.rollt) {
                    EXPECT_EQ(g.flaeche, g.rollbereich.size()) << fall.toStdString();
                }
                EXPECT_GE(g.flaeche.width(), g.rollbereich.width() - m.rollbalkenBreite) << fall.toStdString();
                EXPECT_GE(g.flaeche.height(), g.rollbereich.height()) << fall.toStdString();
                for (int i = 0; i < alle.size(); ++i) {
                    EXPECT_TRUE(QRect(QPoint(0, 0), g.flaeche).contains(alle[i])) << fall.toStdString() << " " << i;
                    for (int j = i + 1; j < alle.size(); ++j)
                        EXPECT_FALSE(alle[i].intersects(alle[j])) << fall.toStdString() << " " << i << " " << j;
                }
            }
        }
    }
}

TEST(Hauptgeometrie, StatusPanelsNachIhremText)
{
    struct Fall {
        int leiste, text, panel0, panel1;
    };
    const Fall faelle[] = {
        {1000, 0, 200, 800},   // a fifth of the bar
        {1000, 200, 200, 800}, // the text fits the fifth
        {1000, 260, 260, 740}, // the text needs more
        {999, 10, 199, 800},   // the fifth truncates
        {200, 300, 200, 0},    // never more than the bar
    };
    for (const Fall &f : faelle) {
        const StatusPanels p = StatusPanelBreiten(f.leiste, f.text);
        EXPECT_EQ(p.panel0, f.panel0) << f.leiste << " " << f.text;
        EXPECT_EQ(p.panel1, f.panel1) << f.leiste << " " << f.text;
    }
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

TEST(Dialoggeometrie, KnoepfeInReihenSoweitDerSchirmReicht)
{
    const struct {
        int anzahl, hoechstBreite, breite;
        QList<QRect> knoepfe;
        int gesamtBreite, hoehe;
    } faelle[] = {
        // Four in one row, the closing one at the right edge.
        {4, 2000, 1000, {{10, 0, 187, 28}, {207, 0, 187, 28}, {404, 0, 187, 28}, {803, 0, 187, 28}}, 1000, 28},
        // Two a row: the third alone with the closing one beside it.
        {4, 600, 500, {{10, 0, 187, 28}, {207, 0, 187, 28}, {10, 38, 187, 28}, {303, 38, 187, 28}}, 500, 66},
        // Three, two a row: the closing one in a row of its own.
        {3, 600, 300, {{10, 0, 187, 28}, {207, 0, 187, 28}, {207, 38, 187, 28}}, 404, 66},
        // Narrower than one button: one a row, as wide as a button needs.
        {3, 100, 0, {{10, 0, 187, 28}, {10, 38, 187, 28}, {10, 76, 187, 28}}, 207, 104},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.hoechstBreite);
        const KnopfReihen r = KnopfReihenLayout(fall.anzahl, 28, 187, fall.hoechstBreite, fall.breite);
        EXPECT_EQ(r.knoepfe, fall.knoepfe);
        EXPECT_EQ(r.breite, fall.gesamtBreite);
        EXPECT_EQ(r.hoehe, fall.hoehe);
    }
}
