#include "tabellendruck.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <limits>

namespace {

struct Seitenrand {
    qreal titel;  // height of the title line
    qreal fuss;   // height of the page number line
    qreal abstand;
};

Seitenrand RandMessen(QPaintDevice &geraet, const QFont &schrift)
{
    QFont fett = schrift;
    fett.setBold(true);
    const qreal titel = QFontMetricsF(fett, &geraet).height();
    const qreal fuss = QFontMetricsF(schrift, &geraet).height();
    return {titel, fuss, titel / 2};
}

void Kopf(QPainter &maler, const QRectF &bereich, const Seitenrand &rand, const QString &titel, const QFont &schrift)
{
    QFont fett = schrift;
    fett.setBold(true);
    maler.setFont(fett);
    maler.drawText(QRectF(bereich.left(), bereich.top(), bereich.width(), rand.titel),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, titel);
}

// Where the rows of the document's table lie, in document coordinates:
// the top of each row's text and the line under the row.
struct Tabellenzeilen {
    QList<qreal> oben;
    QList<qreal> linie;
    QRectF rahmen; // the whole table, over all pages
};

Tabellenzeilen ZeilenMessen(QTextDocument &dokument)
{
    Tabellenzeilen zeilen;
    QTextTable *tabelle = nullptr;
    for (QTextFrame *rahmen : dokument.rootFrame()->childFrames()) {
        if ((tabelle = qobject_cast<QTextTable *>(rahmen)))
            break;
    }
    if (!tabelle || tabelle->rows() < 2)
        return zeilen;
    QAbstractTextDocumentLayout *layout = dokument.documentLayout();
    QList<qreal> textUnten;
    for (int zeile = 0; zeile < tabelle->rows(); ++zeile) {
        qreal oben = std::numeric_limits<qreal>::max(), unten = 0;
        for (int spalte = 0; spalte < tabelle->columns(); ++spalte) {
            const QTextTableCell zelle = tabelle->cellAt(zeile, spalte);
            oben = qMin(oben, layout->blockBoundingRect(zelle.firstCursorPosition().block()).top());
            unten = qMax(unten, layout->blockBoundingRect(zelle.lastCursorPosition().block()).bottom());
        }
        zeilen.oben << oben;
        textUnten << unten;
    }
    // The line lies halfway between a row's text and the next row's, as
    // between the header and the first row.
    const qreal halb = (zeilen.oben[1] - textUnten[0]) / 2;
    for (qreal unten : std::as_const(textUnten))
        zeilen.linie << unten + halb;
    zeilen.rahmen = layout->frameBoundingRect(tabelle);
    return zeilen;
}

// The line under the last row that begins on the page, or -1.
qreal Schlusslinie(const Tabellenzeilen &zeilen, qreal seitenTop, qreal seitenHoehe)
{
    qreal linie = -1;
    for (qsizetype n = 0; n < zeilen.oben.size(); ++n) {
        if (zeilen.oben[n] >= seitenTop && zeilen.oben[n] < seitenTop + seitenHoehe)
            linie = qMax(linie, zeilen.linie[n]);
    }
    return linie;
}

void Fuss(QPainter &maler, const QRectF &bereich, const Seitenrand &rand, int seite, int seiten, const QFont &schrift)
{
    maler.setFont(schrift);
    maler.drawText(QRectF(bereich.left(), bereich.bottom() - rand.fuss, bereich.width(), rand.fuss),
                   Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten));
}

} // namespace

std::unique_ptr<QTextDocument> TabellenDokument(const QList<QStringList> &tabelle, const QList<int> &rechts,
                                                bool summenzeile, const QFont &schrift, const QColor &farbe,
                                                QPagedPaintDevice &geraet)
{
    auto dokument = std::make_unique<QTextDocument>();
    dokument->setDefaultFont(schrift);
    if (tabelle.isEmpty())
        return dokument;
    // Borders and padding are in screen pixels; the layout scales them to the device.
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setBorder(1);
    format.setBorderBrush(farbe);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextCursor cursor(dokument.get());
    // One edit: the layout runs once at the end, not after every cell.
    cursor.beginEditBlock();
    const int spalten = int(tabelle.first().size());
    QTextTable *table = cursor.insertTable(int(tabelle.size()), spalten, format);
    for (int zeile = 0; zeile < tabelle.size(); ++zeile) {
        const bool fett = zeile == 0 || (summenzeile && zeile == tabelle.size() - 1);
        QTextCharFormat zeichen;
        zeichen.setForeground(farbe);
        zeichen.setFontWeight(fett ? QFont::Bold : schrift.weight());
        for (int spalte = 0; spalte < spalten; ++spalte) {
            QTextTableCell zelle = table->cellAt(zeile, spalte);
            if (zeile == 0) {
                QTextTableCellFormat kopf = zelle.format().toTableCellFormat();
                kopf.setBackground(QColor(225, 225, 225));
                zelle.setFormat(kopf);
            }
            QTextCursor text = zelle.firstCursorPosition();
            QTextBlockFormat block = text.blockFormat();
            block.setAlignment(rechts.contains(spalte) ? Qt::AlignRight : Qt::AlignLeft);
            text.setBlockFormat(block);
            text.insertText(tabelle[zeile].value(spalte), zeichen);
        }
    }
    cursor.endEditBlock();
    dokument->documentLayout()->setPaintDevice(&geraet);
    return dokument;
}

void SeitenDrucken(QPagedPaintDevice &geraet, QTextDocument &dokument, const QString &titel, const QFont &schrift,
                   const QColor &farbe)
{
    QPainter maler(&geraet);
    maler.setPen(farbe);
    const QRectF bereich(0, 0, geraet.width(), geraet.height());
    const Seitenrand rand = RandMessen(geraet, schrift);
    const qreal koerperTop = rand.titel + rand.abstand;
    const qreal koerperHoehe = bereich.height() - koerperTop - rand.fuss - rand.abstand;
    dokument.documentLayout()->setPaintDevice(&geraet);
    dokument.setPageSize(QSizeF(bereich.width(), koerperHoehe));
    const int seiten = dokument.pageCount();
    QAbstractTextDocumentLayout::PaintContext zusammenhang;
    zusammenhang.palette.setColor(QPalette::Text, farbe);
    // A table that goes on is closed on every page: a line under the page's
    // last row, its column lines ending there.
    const Tabellenzeilen zeilen = ZeilenMessen(dokument);
    const QPen linie(farbe, geraet.logicalDpiY() / 96.0);
    for (int seite = 0; seite < seiten; ++seite) {
        if (seite > 0)
            geraet.newPage();
        Kopf(maler, bereich, rand, titel, schrift);
        maler.save();
        maler.translate(0, koerperTop - seite * koerperHoehe);
        zusammenhang.clip = QRectF(0, seite * koerperHoehe, bereich.width(), koerperHoehe);
        const qreal schluss = Schlusslinie(zeilen, seite * koerperHoehe, koerperHoehe);
        if (schluss >= 0)
            zusammenhang.clip.setBottom(qMin(zusammenhang.clip.bottom(), schluss + linie.widthF() / 2));
        maler.setClipRect(zusammenhang.clip);
        dokument.documentLayout()->draw(&maler, zusammenhang);
        if (schluss >= 0) {
            maler.setPen(linie);
            maler.drawLine(QPointF(zeilen.rahmen.left(), schluss), QPointF(zeilen.rahmen.right(), schluss));
        }
        maler.restore();
        Fuss(maler, bereich, rand, seite + 1, seiten, schrift);
    }
}

void SeiteDrucken(QPagedPaintDevice &geraet, const QString &titel, const QFont &schrift, const QColor &farbe,
                  const std::function<void(QPainter &, const QRectF &)> &zeichnen)
{
    QPainter maler(&geraet);
    maler.setPen(farbe);
    const QRectF bereich(0, 0, geraet.width(), geraet.height());
    const Seitenrand rand = RandMessen(geraet, schrift);
    Kopf(maler, bereich, rand, titel, schrift);
    const qreal top = rand.titel + rand.abstand;
    zeichnen(maler, QRectF(0, top, bereich.width(), bereich.height() - top - rand.fuss - rand.abstand));
    maler.setPen(farbe);
    Fuss(maler, bereich, rand, 1, 1, schrift);
}
