#include "dateiwahl.h"

#include "meldungen.h"
#include "util/ordner.h"
#include "util/speicherziel.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString letzterOrdner;

// The folder the next file dialog opens in.
const QString &Startordner()
{
    if (letzterOrdner.isEmpty() || !QDir(letzterOrdner).exists())
        letzterOrdner = QDir(EigeneDokumente()).exists() ? EigeneDokumente() : QDir::homePath();
    return letzterOrdner;
}

// The file chosen in a file dialog, whose folder the next one opens in;
// empty when the user cancels.
QString GewaehlteDatei(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString datei = dialog.selectedFiles().first();
    letzterOrdner = OrdnerTeil(datei);
    return datei;
}

} // namespace

Speicherdialog::Speicherdialog(QWidget *eltern, const QString &titel, const QString &ordner)
    : QFileDialog(eltern, titel, ordner)
{
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontUseNativeDialog);
}

void Speicherdialog::accept()
{
    // A folder typed as the name is opened, as the dialog does it.
    const QString datei = selectedFiles().value(0);
    if (!datei.isEmpty() && !QFileInfo(datei).isDir()) {
        if (const QString fehler = SpeicherzielFehler(datei); !fehler.isEmpty()) {
            Fehler(fehler);
            return;
        }
    }
    QFileDialog::accept();
}

QString SpeicherortWaehlen(QWidget *eltern, const QString &titel, const QString &filter, const QString &endung,
                           const QString &vorschlag)
{
    Speicherdialog dialog(eltern, titel, Startordner());
    dialog.setObjectName(QStringLiteral("Speicherort"));
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(endung);
    dialog.selectFile(vorschlag);
    return GewaehlteDatei(dialog);
}

QString DateiZumOeffnenWaehlen(QWidget *eltern, const QString &titel, const QString &filter)
{
    QFileDialog dialog(eltern, titel, Startordner());
    dialog.setObjectName(QStringLiteral("Dateiwahl"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    return GewaehlteDatei(dialog);
}

QString FuerDateinamen(QString text)
{
    for (QChar &zeichen : text) {
        if (QStringView(u"/\\:*?\"<>|").contains(zeichen))
            zeichen = u'-';
    }
    return text;
}
