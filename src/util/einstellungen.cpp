#include "einstellungen.h"

QSettings Einstellungen()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merkwerk"),
                     QStringLiteral("Merkwerk"));
}
