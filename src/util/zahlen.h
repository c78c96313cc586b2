#pragma once
#include <QString>

// Decimal digits with a "." between groups of three, counted from the
// right; a negative number keeps its sign.
QString TausenderPunkte(qint64 zahl);

// Number of decimal digits of a number's magnitude (0 has one digit).
int Stellenzahl(qint64 zahl);
