#include "statusleiste.h"

#include "ui/hauptgeometrie.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QtMath>

namespace {

// Frame and indent on both sides of a panel's text.
int Rahmen(const QLabel *panel)
{
    return 2 * (panel->frameWidth() + panel->indent());
}

} // namespace

StatusLeiste::StatusLeiste(QWidget *eltern) : QFrame(eltern)
{
    for (QLabel *&panel : panels) {
        panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
    }
}

void StatusLeiste::PanelText(int panel, const QString &text, const QString &kurz)
{
    texte[panel] = text;
    kurzTexte[panel] = kurz;
    Anordnen();
}

QString StatusLeiste::GezeigterText(int panel) const
{
    return panels[panel]->text();
}

QString StatusLeiste::PanelText(int panel) const
{
    return texte[panel];
}

int StatusLeiste::TextBreite(int panel) const
{
    // Measured in fractions, with a pixel each side for glyphs that reach
    // past their advance.
    const QLabel *p = panels[panel];
    return qCeil(QFontMetricsF(p->font()).horizontalAdvance(texte[panel])) + 2 + Rahmen(p);
}

void StatusLeiste::resizeEvent(QResizeEvent *ereignis)
{
    QFrame::resizeEvent(ereignis);
    Anordnen();
}

void StatusLeiste::Anordnen()
{
    const StatusPanels breiten = StatusPanelBreiten(width(), TextBreite(0));
    panels[0]->setGeometry(0, 0, breiten.panel0, height());
    panels[1]->setGeometry(breiten.panel0, 0, breiten.panel1, height());
    for (int n = 0; n < 2; ++n) {
        QLabel *panel = panels[n];
        const int platz = panel->width() - Rahmen(panel);
        QString gezeigt = panel->fontMetrics().elidedText(texte[n], Qt::ElideRight, platz);
        if (gezeigt != texte[n] && !kurzTexte[n].isEmpty())
            gezeigt = panel->fontMetrics().elidedText(kurzTexte[n], Qt::ElideLeft, platz); // its end stays
        panel->setText(gezeigt);
        panel->setToolTip(gezeigt == texte[n] ? QString() : texte[n]);
    }
}
