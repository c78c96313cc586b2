#pragma once
#include <QRect>
#include <QSize>
#include <array>

// The main window's arrangement, computed from measured sizes only, so that
// it can be checked without a screen. Rows in screen order: name, class,
// comment, date, remark.
//
// The controls lie on a surface that scrolls above the status bar. Where the
// client area is large enough the surface is exactly the area above the
// status bar and the window's rule holds unchanged. In large print on a small
// screen the rule gives way, and only there: the info field keeps its
// minimum height, buttons that would overlap go one below the other, and the
// surface grows taller (or wider) than the area, which then scrolls.
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
    int infosMindestHoehe = 0;   // three lines of the info field
    int radioMindestBreite = 0;  // the radio group with its caption whole
    int rollbalkenBreite = 0;    // taken from the width when the surface scrolls
    int statusTextBreite = 0;    // what the first status panel's text needs
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
    QRect rollbereich; // the visible part of the surface: all above the status bar
    QSize flaeche;     // the surface that holds every control but the status bar
    bool rollt = false; // the surface is larger than the area
};

inline constexpr int Rand = 10;

HauptGeometrie HauptLayout(const HauptMasse &m);

// The widths of the two status panels: a fifth of the bar and the rest, but
// the first at least as wide as its text (at most the whole bar).
struct StatusPanels {
    int panel0;
    int panel1;
};
StatusPanels StatusPanelBreiten(int leistenBreite, int textBreite0);
