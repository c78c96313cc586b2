#pragma once
#include <QString>

// Decimal digits with a "." between groups of three, counted from the right.
QString TausenderPunkte(qint64 zahl);

// Number of decimal digits of a non-negative number (0 has one digit).
int Stellenzahl(qint64 zahl);
