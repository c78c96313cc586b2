#pragma once
// Printed pages of the evaluations, on a printer or into a PDF: a title
// line at the top of every page, "Seite n von m" at the bottom, and the
// body between them.

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QTextDocument;

// A document holding the table for the pages of `geraet`; its first row is
// the header, repeated at the top of every page, and its last row is set
// bold like the header when `summenzeile` is true. Columns listed in
// `rechts` are right-aligned.
std::unique_ptr<QTextDocument> TabellenDokument(const QList<QStringList> &tabelle, const QList<int> &rechts,
                                                bool summenzeile, const QFont &schrift, const QColor &farbe,
                                                QPagedPaintDevice &geraet);

// Prints the document over as many pages as it needs.
void SeitenDrucken(QPagedPaintDevice &geraet, QTextDocument &dokument, const QString &titel, const QFont &schrift,
                   const QColor &farbe);

// Prints one page whose body `zeichnen` paints into the rectangle it is given.
void SeiteDrucken(QPagedPaintDevice &geraet, const QString &titel, const QFont &schrift, const QColor &farbe,
                  const std::function<void(QPainter &, const QRectF &)> &zeichnen);
