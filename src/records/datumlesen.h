#pragma once
#include <QDate>
#include <QString>
#include <QStringView>

// Reading the date text of a day back as a date. The file stores only the
// text, so this is the one place that gives it a meaning. It reads the day
// texts the program writes ("Di., 5. März 2024", "Mi., 1. Jänner 2025",
// also without the weekday and in the month names of the user's locale)
// and the forms teachers type ("5.3.2024", "05.03.24", "5. März 2024",
// "2024-03-05"). A weekday in front is skipped, not checked against the
// date: the date is what the teacher meant. Anything else, also text after
// the year, is no date; the result is then invalid.
QDate DatumLesen(QStringView text);

// The German name of a month (1..12) as the program writes it ("Jänner").
QString MonatsName(int monat);
