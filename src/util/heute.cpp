#include "heute.h"

namespace {
QDate festesDatum;
}

QDate Heute()
{
    return festesDatum.isValid() ? festesDatum : QDate::currentDate();
}

void HeuteFestlegen(const QDate &datum)
{
    festesDatum = datum;
}
