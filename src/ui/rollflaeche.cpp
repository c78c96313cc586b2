#include "rollflaeche.h"

#include <QApplication>

Rollflaeche::Rollflaeche(QWidget *eltern) : QScrollArea(eltern)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    fokusWechsel = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *neu) { FokusZeigen(neu); });
}

Rollflaeche::~Rollflaeche()
{
    // The children go after this destructor and move the focus on the way:
    // by then this is no scroll area any more.
    disconnect(fokusWechsel);
}

void Rollflaeche::FokusZeigen(QWidget *fokus)
{
    if (!fokus || !widget() || !widget()->isAncestorOf(fokus))
        return;
    // The whole control, not only a text field's cursor line.
    const QRect feld(fokus->mapTo(widget(), QPoint(0, 0)), fokus->size());
    constexpr int rand = 10;
    ensureVisible(feld.center().x(), feld.center().y(), feld.width() / 2 + rand, feld.height() / 2 + rand);
}
