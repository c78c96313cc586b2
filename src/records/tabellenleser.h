#pragma once
// Tables as spreadsheets and school administration programs save them
// ("CSV") or copy them to the clipboard: fields separated by semicolons,
// commas or tabs, put in quotes where they hold a separator, a quote
// (doubled) or a line break.

#include "util/kodierung.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Tabelle {
    QList<QStringList> zeilen;  // the rows with content, in file order
    QList<int> zeilennummern;   // the line of the file each row begins on, from 1
    QChar trenner = u';';
    Kodierung kodierung = Kodierung::Utf8OhneMarke;
};

// The separator a text uses: of semicolon, comma and tab the one found
// outside quotes on most of its first lines (more often as a tie-break;
// tab before semicolon before comma). A semicolon when none is found.
QChar TrennzeichenErkennen(QStringView text);

// Splits a text into rows of fields at `trenner`. A field that begins with
// a quote runs to the next lone quote; doubled quotes inside it stand for
// one, separators and line breaks inside it belong to the field (a line
// break as "\n"). Rows end at CR LF, CR or LF. Empty rows and rows of
// blanks and separators only are left out.
Tabelle TabelleZerlegen(QStringView text, QChar trenner);

// A table from the bytes of a file, decoded as participant files are (the
// mark decides; without one UTF-8 when valid, else Windows-1252), its
// separator found from the text.
Tabelle TabelleLesen(const QByteArray &bytes);

// A table from text (the clipboard), its separator found from the text.
Tabelle TabelleAusText(const QString &text);

// "Semikolon", "Komma" or "Tabulator".
QString TrennzeichenName(QChar trenner);
