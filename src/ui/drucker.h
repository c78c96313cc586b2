#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Whether the platform knows any printer.
bool DruckerVorhanden();
// Shows the print dialog on `drucker`; true when the user confirmed it.
bool DruckDialogZeigen(QPrinter &drucker, QWidget *eltern);

// For a table or chart on landscape pages titled `titel`: says so when no
// printer is installed, else shows the print dialog; true when the user
// confirmed it.
bool QuerDruckWaehlen(QPrinter &drucker, const QString &titel, QWidget *eltern);

// Tests replace both: no printer, or a dialog that prints into a PDF file.
// Empty functions restore the platform's.
void DruckerFestlegen(std::function<bool()> vorhanden, std::function<bool(QPrinter &)> dialog);

// Prints the whole text, in the font and colour, as one job titled `titel`.
void TextDrucken(QPrinter &drucker, const QString &text, const QFont &schrift, const QColor &farbe,
                 const QString &titel);

// The text as printing lays it out, on the pages of a printer with the
// platform's default settings, as the bytes of a PDF document.
QByteArray TextAlsPdf(const QString &text, const QFont &schrift, const QColor &farbe, const QString &titel);
