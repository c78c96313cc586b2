#include "statusleiste.h"

#include <QLabel>

StatusLeiste::StatusLeiste(QWidget *eltern) : QFrame(eltern)
{
    for (QLabel *&panel : panels) {
        panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
    }
}

void StatusLeiste::PanelText(int panel, const QString &text)
{
    panels[panel]->setText(text);
}

QString StatusLeiste::PanelText(int panel) const
{
    return panels[panel]->text();
}

void StatusLeiste::PanelBreiten(int breite0, int breite1)
{
    panels[0]->setGeometry(0, 0, breite0, height());
    panels[1]->setGeometry(breite0, 0, breite1, height());
}
