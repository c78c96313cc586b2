#include "ablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool AblageHatText()
{
    const QMimeData *ablage = QGuiApplication::clipboard()->mimeData();
    return ablage && ablage->hasText();
}
