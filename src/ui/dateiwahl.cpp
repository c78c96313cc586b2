#include "dateiwahl.h"

#include "meldungen.h"
#include "util/ordner.h"
#include "util/speicherziel.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString letzterOrdner;
}

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
    if (letzterOrdner.isEmpty() || !QDir(letzterOrdner).exists())
        letzterOrdner = QDir(EigeneDokumente()).exists() ? EigeneDokumente() : QDir::homePath();
    Speicherdialog dialog(eltern, titel, letzterOrdner);
    dialog.setObjectName(QStringLiteral("Speicherort"));
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(endung);
    dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString datei = dialog.selectedFiles().first();
    letzterOrdner = OrdnerTeil(datei);
    return datei;
}

QString FuerDateinamen(QString text)
{
    for (QChar &zeichen : text) {
        if (QStringView(u"/\\:*?\"<>|").contains(zeichen))
            zeichen = u'-';
    }
    return text;
}
