#include "platzierung.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QSize Bildschirm()
{
    QScreen *schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->size() : QSize(1024, 768);
}

void AufBildschirmZentrieren(QWidget *fenster)
{
    const QSize schirm = Bildschirm();
    const QSize groesse = fenster->frameGeometry().size();
    const int top = qMax(0, (schirm.height() - groesse.height()) / 2 - 1);
    const int links = qMax(0, (schirm.width() - groesse.width()) / 2 - 1);
    fenster->move(links, top);
}

void UeberHauptfensterZentrieren(QWidget *dialog)
{
    QWidget *haupt = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (!haupt || !haupt->isVisible())
        return;
    const QRect h = haupt->frameGeometry();
    const QSize d = dialog->frameGeometry().size();
    int links = h.x() + (h.width() - d.width()) / 2;
    int top = h.y() + (h.height() - d.height()) / 2;
    if (QScreen *schirm = haupt->screen()) {
        const QRect arbeit = schirm->availableGeometry();
        links = qMax(links, arbeit.x());
        top = qMax(top, arbeit.y());
    }
    dialog->move(links, top);
}
