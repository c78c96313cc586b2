#include "drucker.h"

#include "meldungen.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
std::function<bool()> festesVorhanden;
std::function<bool(QPrinter &)> festerDialog;
} // namespace

bool DruckerVorhanden()
{
    return festesVorhanden ? festesVorhanden() : !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool DruckDialogZeigen(QPrinter &drucker, QWidget *eltern)
{
    if (festerDialog)
        return festerDialog(drucker);
    QPrintDialog dialog(&drucker, eltern);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

bool QuerDruckWaehlen(QPrinter &drucker, const QString &titel, QWidget *eltern)
{
    if (!DruckerVorhanden()) {
        Information(QStringLiteral("Es ist kein Drucker installiert!"));
        return false;
    }
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName(titel);
    if (!DruckDialogZeigen(drucker, eltern))
        return false;
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setDocName(titel);
    return true;
}

void DruckerFestlegen(std::function<bool()> vorhanden, std::function<bool(QPrinter &)> dialog)
{
    festesVorhanden = std::move(vorhanden);
    festerDialog = std::move(dialog);
}

namespace {

// Lines are measured at one resolution, that of a PDF file, whatever the
// device: a printer at 96 or 600 dots per inch rounds each line to its dots
// and would break the pages at other lines than the saved PDF.
constexpr int Satzaufloesung = 1200;

// Lays the text out on pages of the device's size and margins, measured at
// the resolution above, and paints it there (scaled to the device).
void Seitenweise(QPagedPaintDevice &geraet, const QString &text, const QFont &schrift, const QColor &farbe)
{
    QBuffer nichts; // the measuring device paints nothing
    nichts.open(QIODevice::WriteOnly);
    QPdfWriter satz(&nichts);
    satz.setResolution(Satzaufloesung);
    satz.setPageLayout(geraet.pageLayout());
    QTextDocument dokument;
    dokument.setDefaultFont(schrift);
    dokument.setPlainText(text);
    QTextCharFormat zeichen;
    zeichen.setForeground(farbe);
    QTextCursor alles(&dokument);
    alles.select(QTextCursor::Document);
    alles.mergeCharFormat(zeichen);
    // Laid out on pages of its own, so that Qt adds no page numbers.
    dokument.documentLayout()->setPaintDevice(&satz);
    dokument.setPageSize(satz.pageLayout().paintRectPixels(Satzaufloesung).size());
    dokument.print(&geraet);
}

} // namespace

void TextDrucken(QPrinter &drucker, const QString &text, const QFont &schrift, const QColor &farbe,
                 const QString &titel)
{
    // The whole text, whatever page range was chosen.
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setFromTo(0, 0);
    drucker.setDocName(titel);
    Seitenweise(drucker, text, schrift, farbe);
}

QByteArray TextAlsPdf(const QString &text, const QFont &schrift, const QColor &farbe, const QString &titel)
{
    const QPrinter standard(QPrinter::HighResolution);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Merkwerk"));
        pdf.setResolution(standard.resolution());
        pdf.setPageLayout(standard.pageLayout());
        Seitenweise(pdf, text, schrift, farbe);
    }
    return puffer.data();
}
