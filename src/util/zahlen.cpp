#include "zahlen.h"

QString TausenderPunkte(qint64 zahl)
{
    QString ziffern = QString::number(zahl < 0 ? -zahl : zahl);
    for (qsizetype i = ziffern.size() - 3; i > 0; i -= 3)
        ziffern.insert(i, QLatin1Char('.'));
    return zahl < 0 ? QLatin1Char('-') + ziffern : ziffern;
}

int Stellenzahl(qint64 zahl)
{
    return int(QString::number(zahl < 0 ? -zahl : zahl).size());
}
