#include "einstellungen.h"

#include "ordner.h"

#include <QFile>

namespace {

QSettings Oeffnen()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merkwerk"),
                     QStringLiteral("Merkwerk"));
}

// The settings name the participant open last: a missing file is made
// the user's alone before QSettings writes it, which keeps the permissions
// of the file it replaces. An existing one keeps its own.
void PrivatAnlegen(const QString &datei)
{
    if (QFile::exists(datei) || !PrivatenOrdnerAnlegen(OrdnerTeil(datei)))
        return;
    QFile leer(datei);
    leer.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

QSettings Einstellungen()
{
#ifndef Q_OS_WIN
    PrivatAnlegen(Oeffnen().fileName());
#endif
    return Oeffnen();
}
