#include "hauptgeometrie.h"

#include <algorithm>

namespace {

// W, the widest of the six labels.
int LabelSpalte(const HauptMasse &m)
{
    return *std::max_element(m.labelBreiten.begin(), m.labelBreiten.end());
}

int RadioBreite(const HauptMasse &m)
{
    const int w = LabelSpalte(m);
    return std::max((w + 5) + (w + 5) / 5, m.radioMindestBreite);
}

// The narrowest surface on which the fields are as wide as the radio group
// below them and a button fits between the margins.
int NoetigeBreite(const HauptMasse &m)
{
    return std::max(Rand + LabelSpalte(m) + 5 + RadioBreite(m) + Rand, Rand + m.knopfBreite + Rand);
}

// The rows, the radio group, "Infos:" and the buttons for one surface
// width; the info field gets `infosHoehe`.
void Anordnen(const HauptMasse &m, int breite, int infosHoehe, HauptGeometrie &g)
{
    const int editLinks = Rand + LabelSpalte(m) + 5;
    const int editBreite = breite - Rand - editLinks;

    int top = Rand;
    for (int zeile = 0; zeile < 5; ++zeile) {
        g.edits[zeile] = QRect(editLinks, top, editBreite, m.editHoehe);
        g.labels[zeile] = QRect(Rand, top + (m.editHoehe - m.labelHoehe) / 2, m.labelBreiten[zeile],
                                m.labelHoehe);
        top += m.editHoehe + Rand;
    }
    g.radiogruppe = QRect(editLinks, top, RadioBreite(m), (m.radioEintraege + 1) * m.editHoehe);
    const int infosTop = g.radiogruppe.y() + g.radiogruppe.height() + Rand;
    g.labelRe = QRect(Rand, infosTop, m.labelBreiten[5], m.labelHoehe);
    g.infos = QRect(editLinks, infosTop, editBreite, infosHoehe);

    int knopfTop = infosTop + infosHoehe + Rand;
    g.vorwaerts = QRect(Rand, knopfTop, m.knopfBreite, m.knopfHoehe);
    g.rueckwaerts = QRect((breite - m.knopfBreite) / 2, knopfTop, m.knopfBreite, m.knopfHoehe);
    g.liste = QRect(editLinks + editBreite - m.knopfBreite, knopfTop, m.knopfBreite, m.knopfHoehe);
    // Buttons too wide for one row keep their places across, one row each.
    if (g.rueckwaerts.left() < g.vorwaerts.right() + 1 + Rand
        || g.liste.left() < g.rueckwaerts.right() + 1 + Rand) {
        knopfTop += m.knopfHoehe + Rand;
        g.rueckwaerts.moveTop(knopfTop);
        knopfTop += m.knopfHoehe + Rand;
        g.liste.moveTop(knopfTop);
    }
}

// The lowest edge of the controls with the margin below it.
int Unten(const HauptGeometrie &g)
{
    return std::max({g.vorwaerts.bottom(), g.rueckwaerts.bottom(), g.liste.bottom()}) + 1 + Rand;
}

} // namespace

HauptGeometrie HauptLayout(const HauptMasse &m)
{
    HauptGeometrie g;
    g.statusleiste = QRect(0, m.clientHoehe - m.statusHoehe, m.clientBreite, m.statusHoehe);
    g.rollbereich = QRect(0, 0, m.clientBreite, std::max(g.statusleiste.y(), 0));
    const StatusPanels panels = StatusPanelBreiten(m.clientBreite, m.statusTextBreite);
    g.panel0 = panels.panel0;
    g.panel1 = panels.panel1;

    // The window's rule: the info field takes half of what is left between
    // its top and the status bar after the buttons and two margins (the
    // buttons are one row high unless they had to go one below the other).
    Anordnen(m, m.clientBreite, 0, g);
    const int knoepfe = Unten(g) - Rand - g.vorwaerts.top();
    const int haelfte = (g.statusleiste.y() - 2 * Rand - g.infos.y() - knoepfe) / 2;
    const int infosHoehe = std::max(haelfte, m.infosMindestHoehe);
    Anordnen(m, m.clientBreite, infosHoehe, g);
    g.flaeche = g.rollbereich.size();
    const bool zuNiedrig = Unten(g) > g.rollbereich.height();
    if (!zuNiedrig && m.clientBreite >= NoetigeBreite(m))
        return g;

    // Too small: the surface scrolls, beside its scroll bar when too low.
    g.rollt = true;
    const int breite = std::max(m.clientBreite - (zuNiedrig ? m.rollbalkenBreite : 0), NoetigeBreite(m));
    Anordnen(m, breite, infosHoehe, g);
    g.flaeche = QSize(breite, std::max(Unten(g), g.rollbereich.height()));
    return g;
}

StatusPanels StatusPanelBreiten(int leistenBreite, int textBreite0)
{
    const int panel0 = std::min(std::max(leistenBreite / 5, textBreite0), leistenBreite);
    return {panel0, leistenBreite - panel0};
}
