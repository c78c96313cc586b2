#pragma once
#include <QDate>
#include <QLocale>
#include <QStringList>

// The program-wide day and month names. They are taken from the locale once
// and may be corrected in place before any date text is formed.
struct Datumsnamen {
    QStringList kurzeTage;    // 7 names, Sunday first
    QStringList kurzeMonate;  // 12 names
    QStringList langeMonate;  // 12 names
};

Datumsnamen &ProgrammDatumsnamen();
// Takes the names anew from a locale (the program does this once at start).
void DatumsnamenLaden(const QLocale &locale);

// Drops one final "." from each short day name ("Mo." becomes "Mo").
void TagesnamenOhnePunkt();
// "JAN" becomes "Jän" and "MRZ" "Mär" among the short month names; the first
// long month name "JANUAR" becomes "Jänner".
void MonatsnamenKorrigieren();

// The program's date format "d. mmmm yyyy" with the long month names;
// empty for an invalid date.
QString DatumText(const QDate &datum);
// The day text: two-letter German weekday, "., " and the date text,
// for example "Di., 5. März 2024"; empty for an invalid date.
QString TagStr(const QDate &datum);
