#include "zahlen.h"

namespace {

// The digits of the magnitude; unsigned, because the smallest 64-bit
// integer has no positive counterpart.
QString Ziffern(qint64 zahl)
{
    return QString::number(zahl < 0 ? 0 - quint64(zahl) : quint64(zahl));
}

} // namespace

QString TausenderPunkte(qint64 zahl)
{
    QString ziffern = Ziffern(zahl);
    for (qsizetype i = ziffern.size() - 3; i > 0; i -= 3)
        ziffern.insert(i, QLatin1Char('.'));
    return zahl < 0 ? QLatin1Char('-') + ziffern : ziffern;
}

int Stellenzahl(qint64 zahl)
{
    return int(Ziffern(zahl).size());
}
