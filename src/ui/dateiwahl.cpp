#include "dateiwahl.h"

#include "util/ordner.h"

#include <QDir>
#include <QFileDialog>

namespace {
QString letzterOrdner;
}

QString SpeicherortWaehlen(QWidget *eltern, const QString &titel, const QString &filter, const QString &endung,
                           const QString &vorschlag)
{
    if (letzterOrdner.isEmpty() || !QDir(letzterOrdner).exists())
        letzterOrdner = QDir(EigeneDokumente()).exists() ? EigeneDokumente() : QDir::homePath();
    QFileDialog dialog(eltern, titel, letzterOrdner);
    dialog.setObjectName(QStringLiteral("Speicherort"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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
