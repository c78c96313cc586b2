#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>

// A table as CSV the way spreadsheet programs in a German setting open it
// without asking: UTF-8 with mark (so umlauts arrive intact), semicolons
// between the fields, CR LF after every row. Every field but an empty one
// and a whole number stands in quotes: a spreadsheet that splits at commas
// and tabs too (LibreOffice's default) keeps "Müller, Jürgen", the quote
// "78,1" and the date "Fr., 11. Dezember 2026" in one cell each, and still
// reads a quoted decimal comma as a number. A text that a spreadsheet
// would take for a formula (beginning with "=", "+", "-" or "@") gets an
// apostrophe in front, so that it stays text.
QByteArray CsvBytes(const QList<QStringList> &zeilen);

// One field as it stands in the file.
QString CsvFeld(const QString &text);
