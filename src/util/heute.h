#pragma once
#include <QDate>

// Today's date. Tests fix it with HeuteFestlegen; an invalid date returns
// to the system clock.
QDate Heute();
void HeuteFestlegen(const QDate &datum);
