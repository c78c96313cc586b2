#include "drucker.h"

#include <QAbstractTextDocumentLayout>
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

void DruckerFestlegen(std::function<bool()> vorhanden, std::function<bool(QPrinter &)> dialog)
{
    festesVorhanden = std::move(vorhanden);
    festerDialog = std::move(dialog);
}

void TextDrucken(QPrinter &drucker, const QString &text, const QFont &schrift, const QColor &farbe,
                 const QString &titel)
{
    // The whole text, whatever page range was chosen.
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setFromTo(0, 0);
    drucker.setDocName(titel);
    QTextDocument dokument;
    dokument.setDefaultFont(schrift);
    dokument.setPlainText(text);
    QTextCharFormat zeichen;
    zeichen.setForeground(farbe);
    QTextCursor alles(&dokument);
    alles.select(QTextCursor::Document);
    alles.mergeCharFormat(zeichen);
    // Laid out on the printer's own page, so that Qt adds no page numbers.
    dokument.documentLayout()->setPaintDevice(&drucker);
    dokument.setPageSize(drucker.pageRect(QPrinter::DevicePixel).size());
    dokument.print(&drucker);
}
