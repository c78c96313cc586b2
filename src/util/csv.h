#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>

// A table as CSV the way spreadsheet programs in a German setting open it
// without asking: UTF-8 with mark (so umlauts arrive intact), semicolons
// between the fields, CR LF after every row, a field quoted when it holds
// a semicolon, a quote, a line break or blanks at its ends. A text that a
// spreadsheet would take for a formula (beginning with "=", "+", "-" or
// "@") gets an apostrophe in front, so that it stays text.
QByteArray CsvBytes(const QList<QStringList> &zeilen);

// One field as it stands in the file.
QString CsvFeld(const QString &text);
