#include "hauptgeometrie.h"

#include <algorithm>

HauptGeometrie HauptLayout(const HauptMasse &m)
{
    HauptGeometrie g;
    const int w = *std::max_element(m.labelBreiten.begin(), m.labelBreiten.end());
    const int editLinks = Rand + w + 5;
    const int editBreite = m.clientBreite - Rand - editLinks;

    g.statusleiste = QRect(0, m.clientHoehe - m.statusHoehe, m.clientBreite, m.statusHoehe);
    int top = Rand;
    for (int zeile = 0; zeile < 5; ++zeile) {
        g.edits[zeile] = QRect(editLinks, top, editBreite, m.editHoehe);
        g.labels[zeile] = QRect(Rand, top + (m.editHoehe - m.labelHoehe) / 2, m.labelBreiten[zeile],
                                m.labelHoehe);
        top += m.editHoehe + Rand;
    }
    g.radiogruppe = QRect(editLinks, top, (w + 5) + (w + 5) / 5, (m.radioEintraege + 1) * m.editHoehe);
    const int infosTop = g.radiogruppe.y() + g.radiogruppe.height() + Rand;
    g.labelRe = QRect(Rand, infosTop, m.labelBreiten[5], m.labelHoehe);
    const int infosHoehe = (g.statusleiste.y() - 2 * Rand - infosTop - m.knopfHoehe) / 2;
    g.infos = QRect(editLinks, infosTop, editBreite, infosHoehe);

    const int knopfTop = infosTop + infosHoehe + Rand;
    g.vorwaerts = QRect(Rand, knopfTop, m.knopfBreite, m.knopfHoehe);
    g.rueckwaerts = QRect((m.clientBreite - m.knopfBreite) / 2, knopfTop, m.knopfBreite, m.knopfHoehe);
    g.liste = QRect(editLinks + editBreite - m.knopfBreite, knopfTop, m.knopfBreite, m.knopfHoehe);

    g.panel0 = m.clientBreite / 5;
    g.panel1 = m.clientBreite - g.panel0;
    return g;
}
