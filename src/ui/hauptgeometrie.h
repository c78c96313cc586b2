#pragma once
#include <QRect>
#include <array>

// The main window's arrangement, computed from measured sizes only, so that
// it can be checked without a screen. Rows in screen order: name, class,
// comment, date, remark.
struct HauptMasse {
    int editHoehe = 0;
    int knopfHoehe = 0;
    int statusHoehe = 0;
    int labelHoehe = 0;
    std::array<int, 6> labelBreiten{}; // the five rows, then "Infos:"
    int clientBreite = 0;
    int clientHoehe = 0;
    int radioEintraege = 3;
    int knopfBreite = 187;
};

struct HauptGeometrie {
    std::array<QRect, 5> labels;
    std::array<QRect, 5> edits;
    QRect radiogruppe;
    QRect labelRe;
    QRect infos;
    QRect vorwaerts;  // Button1
    QRect rueckwaerts; // Button2
    QRect liste;      // Button3
    QRect statusleiste;
    int panel0 = 0;
    int panel1 = 0;
};

inline constexpr int Rand = 10;

HauptGeometrie HauptLayout(const HauptMasse &m);
