#include "fokus.h"

#include <QWidget>

void FokusZurueckgeben(QWidget *ziel)
{
    if (ziel && ziel->isVisible() && ziel->isEnabled() && ziel->focusPolicy() != Qt::NoFocus)
        ziel->setFocus();
}
