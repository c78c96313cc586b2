#include "dateifehler.h"

#include "ordner.h"

QString LeseFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(Nativ(pfad), grund);
}

QString SchreibFehlerText(const QString &pfad, const QString &grund)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(Nativ(pfad), grund);
}
